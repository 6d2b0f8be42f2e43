// 1,000 random histories (days and grades) replayed through ts-fsrs and through
// ours (tq-fsrs-replay), and the largest relative difference in stability,
// difficulty and retrievability today. Exits 1 above 1e-4.
//
// ts-fsrs is set up as the program's memory works: FSRS-6 default parameters,
// no fuzz, the short-term (same-day) rule on, and no learning or relearning
// steps, so every answer on a later day is a review through the long-term
// formulas and every answer on the same day takes the short-term one.
//
//   node fsrs_peer.mjs PATH/TO/tq-fsrs-replay [HISTORIES] [SEED]
import { execFileSync } from "node:child_process";
import { createEmptyCard, default_w, fsrs, generatorParameters } from "ts-fsrs";

const [program, countText = "1000", seedText = "19"] = process.argv.slice(2);
if (!program) {
  console.error("usage: node fsrs_peer.mjs PATH/TO/tq-fsrs-replay [HISTORIES] [SEED]");
  process.exit(2);
}
const scheduler = fsrs(generatorParameters({
  w: default_w, enable_fuzz: false, enable_short_term: true, learning_steps: [], relearning_steps: [],
}));

// A small seeded generator, so that every run replays the same histories.
let state = Number(seedText) >>> 0;
const random = () => {
  state = (state + 0x6d2b79f5) >>> 0;
  let t = state;
  t = Math.imul(t ^ (t >>> 15), t | 1);
  t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
  return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
};
const pick = (n) => Math.floor(random() * n);

// Answers a day apart or the same day, on the next days, weeks or months later;
// a wrong answer one time in four. Day 19723 is 1 January 2024.
const histories = [];
for (let h = 0; h < Number(countText); h++) {
  let day = 19723 + pick(365);
  const answers = [];
  for (let n = 1 + pick(40); n > 0; n--) {
    answers.push([day, random() < 0.25 ? 1 : 3]);
    const kind = random();
    day += kind < 0.3 ? 0 : kind < 0.6 ? 1 + pick(3) : kind < 0.9 ? 1 + pick(30) : 1 + pick(400);
  }
  histories.push({ answers, today: day + (random() < 0.2 ? 0 : pick(100)) });
}

const input = histories.map((h) => [h.today, ...h.answers.flat()].join(" ")).join("\n") + "\n";
const ours = execFileSync(program, { input, encoding: "utf8" }).trim().split("\n").map((l) => l.split(" ").map(Number));

const noon = (day) => new Date(day * 86400000 + 12 * 3600000);
const worst = { stability: [0], difficulty: [0], retrievability: [0] };
histories.forEach((h, i) => {
  let card = createEmptyCard(noon(h.answers[0][0]));
  for (const [day, grade] of h.answers) card = scheduler.next(card, noon(day), grade).card;
  const theirs = {
    stability: card.stability,
    difficulty: card.difficulty,
    retrievability: scheduler.forgetting_curve(h.today - h.answers.at(-1)[0], card.stability),
  };
  const [s, d, r] = ours[i];
  for (const [key, value] of Object.entries({ stability: s, difficulty: d, retrievability: r })) {
    const rel = Math.abs(value - theirs[key]) / Math.max(Math.abs(theirs[key]), 1e-12);
    if (rel > worst[key][0]) worst[key] = [rel, i, value, theirs[key]];
  }
});

console.log(`ts-fsrs against ours, ${histories.length} histories ` +
  `(${histories.reduce((n, h) => n + h.answers.length, 0)} answers): largest relative difference`);
let failed = false;
for (const [key, [rel, i, value, theirs]] of Object.entries(worst)) {
  console.log(`  ${key.padEnd(15)} ${rel.toExponential(2)}` +
    (i === undefined ? "" : `  (history ${i}: ours ${value}, ts-fsrs ${theirs})`));
  if (rel > 1e-4) failed = true;
}
process.exit(failed ? 1 : 0);
