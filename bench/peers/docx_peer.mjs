// The printed test of bench_print built with the npm "docx" package: the same
// questions (a bank dumped as JSON Lines by `tessarondequiz-bank dump`), the
// same styles, page, layouts and answer key. Prints the median wall and
// processor time of a build and save, in milliseconds, as JSON.
//
//   node docx_peer.mjs BANK.jsonl QUESTIONS list|table OUT.docx [REPETITIONS]
import { readFileSync, writeFileSync } from "node:fs";
import {
  AlignmentType, BorderStyle, Document, Packer, PageBreak, Paragraph, Table, TableCell, TableLayoutType, TableRow,
  WidthType,
} from "docx";

const [bankPath, countText, layout, outPath, repetitionsText = "5"] = process.argv.slice(2);
if (!bankPath || !countText || !["list", "table"].includes(layout) || !outPath) {
  console.error("usage: node docx_peer.mjs BANK.jsonl QUESTIONS list|table OUT.docx [REPETITIONS]");
  process.exit(2);
}
const lines = readFileSync(bankPath, "utf8").split("\n").filter((l) => l.trim() !== "");
const header = JSON.parse(lines[0]);
const topics = new Map(header.topics.map((t) => [t.id, t.nome]));
const questions = lines.slice(1, 1 + Number(countText)).map((l) => JSON.parse(l));
const answers = Math.max(...questions.map((q) => q.numRisposte));
const letter = (n) => String.fromCharCode(64 + n);
const twips = (cm) => Math.round((cm / 2.54) * 1440);
const clean = (s) => s.replace(/[\r\n]/g, " ");
const questionText = (i, q, numbered) =>
  `${numbered ? `${i}. ` : ""}${clean(q.testo)}  (${topics.get(q.argomento) ?? ""}, n.${q.gazzetta})`;

const style = (id, size, { bold = false, italic = false, paragraph = {} } = {}) => ({
  id: id.replace(/ /g, ""), name: id, basedOn: "Normal", next: "Normal", quickFormat: true,
  run: { font: "Arial", size: size * 2, bold, italics: italic }, paragraph,
});
const styles = [
  style("Titolo documento", 16, { paragraph: { spacing: { before: 0, after: 280 } } }),
  ...(layout === "list"
    ? [
        style("Domanda", 9, { bold: true, paragraph: { spacing: { before: 120, after: 20 }, alignment: AlignmentType.JUSTIFIED } }),
        style("Risposta", 8, { paragraph: { spacing: { before: 0, after: 20 }, indent: { left: 480, hanging: 230 } } }),
      ]
    : [
        style("HeaderTab", 10, { bold: true, paragraph: { alignment: AlignmentType.CENTER } }),
        style("NumeroDom", 8),
        style("Domanda", 8),
        style("Risposta", 8, { italic: true }),
      ]),
  style("Griglia domanda", 8),
  style("Griglia risposta", 8, { italic: true }),
];

const single = { style: BorderStyle.SINGLE, size: 4, color: "auto" };
const borders = { top: single, bottom: single, left: single, right: single, insideHorizontal: single, insideVertical: single };
const cell = (text, styleId, width, alignment) =>
  new TableCell({
    width: { size: width, type: WidthType.DXA },
    children: [new Paragraph({ text, style: styleId, alignment })],
  });

function body() {
  if (layout === "list") {
    const out = [];
    questions.forEach((q, k) => {
      out.push(new Paragraph({ text: questionText(k + 1, q, true), style: "Domanda" }));
      for (let j = 1; j <= q.numRisposte; j++)
        out.push(new Paragraph({ text: `${letter(j)}) ${clean(q.risposte[j - 1])}`, style: "Risposta" }));
    });
    return out;
  }
  // Fixed proportions: the package does not fit columns to their contents.
  const widths = [500, 3600, ...Array(answers).fill(Math.floor(6600 / answers))];
  const headerCells = ["N.", "Domanda", ...Array.from({ length: answers }, (_, j) => letter(j + 1))];
  const rows = [new TableRow({ cantSplit: true, children: headerCells.map((t, c) => cell(t, "HeaderTab", widths[c])) })];
  questions.forEach((q, k) => {
    const texts = [String(k + 1), questionText(k + 1, q, false), ...q.risposte.slice(0, answers).map(clean)];
    rows.push(new TableRow({
      cantSplit: true,
      children: texts.map((t, c) => cell(t, c === 0 ? "NumeroDom" : c === 1 ? "Domanda" : "Risposta", widths[c])),
    }));
  });
  const margins = { top: twips(0.1), bottom: twips(0.1), left: twips(0.12), right: twips(0.12), marginUnitType: WidthType.DXA };
  return [new Table({ rows, columnWidths: widths, borders, margins })];
}

function answerKey() {
  const rows = [];
  for (let first = 0; first < questions.length; first += 10) {
    const cells = [];
    for (let k = 0; k < 10; k++) {
      const q = questions[first + k];
      cells.push(cell(q ? String(first + k + 1) : "", "Grigliadomanda", 640, AlignmentType.RIGHT));
      cells.push(cell(q ? letter(q.corretta) : "", "Grigliarisposta", 400, AlignmentType.LEFT));
    }
    rows.push(new TableRow({ children: cells }));
  }
  const margins = { top: twips(0.15), bottom: twips(0.15), left: twips(0.12), right: twips(0.12), marginUnitType: WidthType.DXA };
  return new Table({ rows, columnWidths: Array.from({ length: 20 }, (_, c) => (c % 2 ? 400 : 640)), layout: TableLayoutType.FIXED, borders, margins });
}

async function build() {
  const doc = new Document({
    subject: "Quiz a risposta multipla",
    creator: "www.tessarondequiz.it",
    description: "Documento creato con Paginatrice, scaricabile dal sito www.tessarondequiz.it",
    styles: { paragraphStyles: styles },
    sections: [{
      properties: {
        page: {
          size: { width: twips(21), height: twips(29.7) },
          margin: { top: twips(1.2), bottom: twips(1.2), left: twips(1), right: twips(1), header: twips(1.25), footer: twips(1.25), gutter: 0 },
        },
      },
      children: [...body(), new Paragraph({ children: [new PageBreak()] }), new Paragraph({}), answerKey()],
    }],
  });
  writeFileSync(outPath, await Packer.toBuffer(doc));
}

// Wall time, and processor time (every thread of the process, in milliseconds),
// which other work on a shared machine disturbs less.
const times = [];
const cpuTimes = [];
for (let r = 0; r < Number(repetitionsText); r++) {
  const start = process.hrtime.bigint();
  const cpuStart = process.cpuUsage();
  await build();
  const cpu = process.cpuUsage(cpuStart);
  times.push(Number(process.hrtime.bigint() - start) / 1e6);
  cpuTimes.push((cpu.user + cpu.system) / 1e3);
}
const median = (values) => values.sort((a, b) => a - b)[Math.floor(values.length / 2)];
console.log(JSON.stringify({ layout, questions: questions.length, ms: median(times), cpu_ms: median(cpuTimes) }));
