// What "RIPASSO PROGRAMMATO" and "Se l'esame fosse oggi" should show for a bank
// and its log, computed apart from the program: the log replayed through
// ts-fsrs (FSRS-6 defaults, same-day rule on), a reset line starting its
// questions anew, and the exam of 50 questions drawn here with a generator of
// our own, many more times than the program draws it.
//
//   node review_check.mjs DUMP.jsonl LOG dd/mm/yyyy [DRAWN]
// DUMP.jsonl: `tessarondequiz-bank dump BANK.dat`. Prints the due questions,
// lowest chance first, the count per row of the topic list, the mean chance
// per topic and the forecast. DRAWN, the codes of a draw of the review in a
// file: checked to begin with the due questions, lowest chance first (equal
// chances in any order); the exit status is 1 when it does not.
import { readFileSync } from "node:fs";
import { dayOf, replay, retrievability } from "./fsrs_log.mjs";

const [dumpFile, logFile, today, drawnFile] = process.argv.slice(2);
const draws = Number(process.env.DRAWS ?? 200000);
const lines = readFileSync(dumpFile, "utf8").trim().split("\n").map((l) => JSON.parse(l));
const { numRisposte, topics } = lines[0];
const questions = lines.slice(1);
const { memory, first, firstRight } = replay(readFileSync(logFile, "latin1"), new Map(questions.map((q) => [q.codice, q.argomento])));

const now = dayOf(`${today} 12:00:00`);
const kept = questions.filter((q) => q.difficolta !== 9);
const newChance = (firstRight + 1) / (first + numRisposte);
const chance = new Map();
const r = new Map();
for (const q of kept) {
  const m = memory.get(q.codice);
  if (m) r.set(q.codice, retrievability(m, now));
  chance.set(q.codice, m ? r.get(q.codice) : newChance);
}
const due = kept.filter((q) => r.has(q.codice) && r.get(q.codice) < 0.9).sort((a, b) => r.get(a.codice) - r.get(b.codice));
console.log(`due today: ${due.length}`);
console.log(`due, lowest chance first: ${due.map((q) => q.codice).join(" ")}`);
console.log(`  row 0 (all topics): ${due.length}`);
for (const t of topics) {
  const inTopic = kept.filter((q) => q.argomento === t.id);
  const mean = inTopic.reduce((s, q) => s + chance.get(q.codice), 0) / inTopic.length;
  console.log(`  row ${t.id} (${t.nome}): ${due.filter((q) => q.argomento === t.id).length} due, mean chance ${(100 * mean).toFixed(1)}%`);
}
const meanChance = kept.reduce((s, q) => s + chance.get(q.codice), 0) / kept.length;
console.log(`mean chance: ${(100 * meanChance).toFixed(2)}%, of a new question ${(100 * newChance).toFixed(2)}%`);

// The exam: 50 of the questions not cancelled, uniform without replacement.
const asked = Math.min(50, kept.length);
const mark = (right) => ((right - 0.33 * (asked - right)) / asked) * 30;
// Every question is drawn with the same chance, so the mean needs no draw.
console.log(`exam mean (exact): ${mark(asked * meanChance).toFixed(3)}/30`);
let seed = 12345;
const random = () => {
  // xorshift32
  seed ^= seed << 13; seed >>>= 0;
  seed ^= seed >>> 17;
  seed ^= seed << 5; seed >>>= 0;
  return seed / 4294967296;
};
const pool = kept.map((q) => chance.get(q.codice));
let pass = 0;
let sum = 0;
const dist = new Float64Array(asked + 1);
for (let d = 0; d < draws; d++) {
  for (let i = 0; i < asked; i++) {
    const j = i + Math.floor(random() * (pool.length - i));
    [pool[i], pool[j]] = [pool[j], pool[i]];
  }
  dist.fill(0);
  dist[0] = 1;
  for (let i = 0; i < asked; i++) {
    const p = pool[i];
    for (let k = i + 1; k > 0; k--) dist[k] = dist[k] * (1 - p) + dist[k - 1] * p;
    dist[0] *= 1 - p;
  }
  for (let k = 0; k <= asked; k++) {
    sum += dist[k] * mark(k);
    if (mark(k) >= 21 - 1e-9) pass += dist[k];
  }
}
console.log(`exam mean (${draws} draws): ${(sum / draws).toFixed(3)}/30, chance of passing ${(100 * pass / draws).toFixed(2)}%`);

if (drawnFile) {
  const drawn = readFileSync(drawnFile, "utf8").trim().split(/\s+/).map(Number).slice(0, due.length);
  const dueSet = new Set(due.map((q) => q.codice));
  // The program keys chances to six decimals.
  const ordered = drawn.every((c, i) => i === 0 || r.get(c) >= r.get(drawn[i - 1]) - 1e-6);
  const same = drawn.length === due.length && drawn.every((c) => dueSet.has(c));
  console.log(`drawn first: ${drawn.join(" ")}`);
  console.log(same && ordered ? "the draw begins with the questions due, lowest chance first" : "the draw is not the schedule");
  process.exitCode = same && ordered ? 0 : 1;
}
