#!/usr/bin/env bash
# Replays the same 1,000 random histories through ts-fsrs and through our FSRS-6
# (tq-fsrs-replay) and prints the largest relative differences; fails above 1e-4.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${BUILD_DIR:-build/bench}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTQ_BUILD_BENCH=ON -DTQ_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target tq-fsrs-replay >/dev/null
(cd bench/peers && npm install --no-audit --no-fund --silent)
node bench/peers/fsrs_peer.mjs "$build/bench/tq-fsrs-replay" "$@"
