// A bank's log replayed through ts-fsrs (FSRS-6 defaults, no fuzz, same-day rule
// on), apart from the program: each answer to a question of the bank in log
// order, a reset line ("AZZERA") starting its topic's questions anew (0: all).
import { fsrs, generatorParameters } from "ts-fsrs";

export const scheduler = fsrs(generatorParameters({ enable_fuzz: false, enable_short_term: true }));

// Days since 1 January 1970 of "dd/mm/yyyy hh:mm:ss"; null unless a real date and time.
export function dayOf(text) {
  const m = /^(\d\d)\/(\d\d)\/(\d{4}) (\d\d):(\d\d):(\d\d)$/.exec(text);
  if (!m) return null;
  const t = Date.UTC(+m[3], +m[2] - 1, +m[1]);
  const back = new Date(t);
  if (back.getUTCDate() !== +m[1] || back.getUTCMonth() !== +m[2] - 1 || +m[4] > 23 || +m[5] > 59 || +m[6] > 60) return null;
  return t / 86400000;
}

// topicOf: Map of every code of the bank to its topic. Gives each answered
// question's { state, day, answers } and the first answers of the histories.
export function replay(logText, topicOf) {
  const memory = new Map();
  let first = 0;
  let firstRight = 0;
  for (const line of logText.split(/\r?\n/)) {
    const fields = line.startsWith("DOM:") ? line.slice(4).split("|") : [];
    if (fields.length !== 3) continue;
    const day = dayOf(fields[0]);
    if (day === null) continue;
    if (fields[1] === "AZZERA") {
      if (!/^\d+$/.test(fields[2])) continue;
      const topic = +fields[2];
      for (const [code, t] of topicOf) if (topic === 0 || t === topic) memory.delete(code);
      continue;
    }
    if (!/^\d+$/.test(fields[1]) || !["0", "1"].includes(fields[2])) continue;
    const code = +fields[1];
    if (!topicOf.has(code)) continue;
    const grade = fields[2] === "1" ? 3 : 1;
    const m = memory.get(code);
    if (!m) {
      first++;
      if (grade === 3) firstRight++;
      memory.set(code, { state: scheduler.next_state(null, 0, grade), day, answers: 1 });
    } else {
      m.state = scheduler.next_state(m.state, Math.max(day - m.day, 0), grade);
      m.day = day;
      m.answers++;
    }
  }
  return { memory, first, firstRight };
}

// The chance of recall on day `now`; an answer dated later (a clock set back) is as of that day.
export const retrievability = (m, now) => scheduler.forgetting_curve(Math.max(now - m.day, 0), m.state.stability);
