#!/usr/bin/env bash
# Builds the same 1,000-question printed test with our builder (bench_print) and
# with the npm docx package (docx_peer.mjs), in one run, both layouts, and prints
# the times and their ratio. The bank is the benchmark's own synthetic one.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${BUILD_DIR:-build/bench}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTQ_BUILD_BENCH=ON -DTQ_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target bench_print tq-genbank tessarondequiz-bank >/dev/null
(cd bench/peers && npm install --no-audit --no-fund --silent)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/bench/tq-genbank" 1000 "$work/rcv14.dat" 42 3
"$build/bin/tessarondequiz-bank" dump "$work/rcv14.dat" >"$work/bank.jsonl"

# Wall time, and processor time, which compilers running beside on a shared
# machine disturb less: compare ratios within one run.
printf '%-8s %10s %10s %7s %10s %10s %7s\n' layout "ours ms" "docx ms" ratio "ours cpu" "docx cpu" ratio
for layout in list table; do
  n=$([ "$layout" = list ] && echo 1 || echo 2)
  ours=$("$build/bench/bench_print" --benchmark_filter="BM_Print/questions:1000/layout:$n\$" \
    --benchmark_repetitions=5 --benchmark_format=json 2>/dev/null |
    node -e 'let s="";process.stdin.on("data",d=>s+=d).on("end",()=>{const b=JSON.parse(s).benchmarks;
      const m=b.find(x=>x.aggregate_name==="median");console.log(JSON.stringify({ms:m.real_time,cpu_ms:m.cpu_time}))})')
  peer=$(node bench/peers/docx_peer.mjs "$work/bank.jsonl" 1000 "$layout" "$work/peer.docx" 5)
  node -e "const [o,p]=[$ours,$peer];const f=(x,w)=>x.toFixed(1).padStart(w);
    console.log('$layout'.padEnd(8),f(o.ms,10),f(p.ms,10),f(p.ms/o.ms,6)+'x',
      f(o.cpu_ms,10),f(p.cpu_ms,10),f(p.cpu_ms/o.cpu_ms,6)+'x')"
done
