// The expected figures of a case folder on the small bank (tests/fixtures/memory/crafted-log,
// and the chances and forecast of tests/fixtures/progress), computed apart from the program: the log replayed through ts-fsrs (its
// memory-state function, FSRS-6 defaults, same-day rule on), the forecast by
// listing every outcome of the eleven questions an exam of 50 takes from the
// small bank. The bank's shape is that of tests/fixtures/small.txt.
//
//   node memory_case.mjs ../../tests/fixtures/memory/crafted-log > .../expected.txt
import { readFileSync } from "node:fs";
import { dayOf, replay, retrievability } from "./fsrs_log.mjs";

const dir = process.argv[2];
const topicOf = [null, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3];
const cancelled = new Set([4]);
const numRisposte = 4;
const today = "10/03/2024";

const replayed = replay(readFileSync(`${dir}/rcv14.log`, "latin1"), new Map(topicOf.map((t, c) => [c, t]).slice(1)));
const { first, firstRight } = replayed;
const memory = topicOf.map((t, c) => replayed.memory.get(c) ?? { answers: 0 });

const fmt = (x) => x.toFixed(6);
const dayText = (day) => new Date(day * 86400000).toISOString().slice(0, 10).split("-").reverse().join("/");
const now = dayOf(`${today} 12:00:00`);
const newChance = (firstRight + 1) / (first + numRisposte);
const out = ["-- memory: codice, answers, last day, stability, difficulty, retrievability today"];
const chance = [];
memory.forEach((m, c) => {
  if (c === 0) return;
  if (!m.answers) {
    out.push(`${c} 0`);
    chance[c] = newChance;
    return;
  }
  m.r = retrievability(m, now);
  chance[c] = m.r;
  out.push(`${c} ${m.answers} ${dayText(m.day)} ${fmt(m.state.stability)} ${fmt(m.state.difficulty)} ${fmt(m.r)}`);
});
out.push(`-- first answers ${first}, right ${firstRight}, chance of a new question ${fmt(newChance)}`);

const kept = topicOf.map((t, c) => c).filter((c) => c > 0 && !cancelled.has(c));
const byR = (a, b) => memory[a].r - memory[b].r;
const due = kept.filter((c) => memory[c].answers && memory[c].r < 0.9).sort(byR);
const never = kept.filter((c) => !memory[c].answers);
const later = kept.filter((c) => memory[c].answers && memory[c].r >= 0.9).sort(byR);
out.push(`-- due today ${due.length}`, `order ${due.join(" ")} | ${never.join(" ")} | ${later.join(" ")}`);

// Every outcome of the eleven questions, with its probability.
let mean = 0;
let pass = 0;
for (let mask = 0; mask < 1 << kept.length; mask++) {
  let p = 1;
  let right = 0;
  kept.forEach((c, i) => {
    if (mask & (1 << i)) { p *= chance[c]; right++; } else p *= 1 - chance[c];
  });
  const mark = ((right - 0.33 * (kept.length - right)) / kept.length) * 30;
  mean += p * mark;
  if (mark >= 21 - 1e-9) pass += p;
}
const meanChance = kept.reduce((s, c) => s + chance[c], 0) / kept.length;
out.push(`-- exam: mean ${fmt(mean)}/30, pass ${fmt(pass)}, mean chance ${fmt(meanChance)}`);
for (const topic of [1, 2, 3]) {
  const qs = kept.filter((c) => topicOf[c] === topic);
  out.push(`topic ${topic}: ${qs.length} ${fmt(qs.reduce((s, c) => s + chance[c], 0) / qs.length)}`);
}
console.log(out.join("\n"));
