#!/usr/bin/env bash
# "RIPASSO PROGRAMMATO" and "Se l'esame fosse oggi" after tests taken over several
# days: the program runs under Xvfb with its clock faked (libfaketime) on each day of
# DAYS, takes a test of the first topic on each and answers ANSWERS questions; then,
# on the last day, the start screen with the review schedule chosen and the progress
# window are photographed, the bank tool draws the review as the start screen does,
# and review_check.mjs computes apart (ts-fsrs) what both should show.
# Usage: bench/peers/review_days.sh [BUILD_DIR] (default build/dev). Needs scripts/deps --gui
# and npm. Leaves the screenshots, the log and the figures in build/review-days.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build/dev}
out=build/review-days
days=(2024-03-01 2024-03-02 2024-03-04 2024-03-07)
last=2024-03-10
answers=${ANSWERS:-20}
for tool in Xvfb xdotool import faketime node; do
  command -v "$tool" >/dev/null || { echo "$tool is missing: scripts/deps --gui installs it" >&2; exit 1; }
done
(cd bench/peers && npm install --no-audit --no-fund --silent)

work=$(mktemp -d /tmp/tq-review.XXXXXX)
xvfb="" app=""
cleanup() {
  [ -z "$app" ] || kill "$app" 2>/dev/null || true
  [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "review-days: $*" >&2
  [ -z "${DISPLAY:-}" ] || import -window root "$out/failure.png" 2>/dev/null || true
  exit 1
}

mkdir -p "$work/prog" "$work/home/.config/Tessarondequiz" "$work/runtime" "$out"
chmod 700 "$work/runtime"
cp "$build"/bin/tessarondequiz "$build"/bin/tessarondequiz-bank "$build"/bin/rcv14.dat "$work/prog/"
cp data/*.png "$work/prog/"
settings=$work/home/.config/Tessarondequiz/TessaRonde.conf

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=:$(cat "$work/display")
# As a user on that day: the program's clock only (libfaketime), Qt's timers keep the real one.
faketime_lib=$(dpkg -L libfaketime | grep '/libfaketime.so.1$')
as_user_on() {
  as_user=(env -i HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" DISPLAY="$DISPLAY" PATH=/usr/bin:/bin
    ASAN_OPTIONS=detect_leaks=0:verify_asan_link_order=0 LD_PRELOAD="$faketime_lib" FAKETIME="@$1 10:00:00"
    DONT_FAKE_MONOTONIC=1)
}
start_program() {
  as_user_on "$1"
  (cd "$work/home" && exec "${as_user[@]}" "$work/prog/tessarondequiz" >>"$work/program.log" 2>&1) &
  app=$!
}
stop_program() {
  kill "$app" 2>/dev/null || true
  wait "$app" 2>/dev/null || true
  app=""
  # A test closed half-way would be offered again and move the buttons.
  rm -f "$work"/prog/*.interrotto.test "$work"/prog/*.lock
}
# The id of a visible window whose title matches $1, other than $2.
window() {
  for _ in $(seq 300); do
    local id
    for id in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
      [ "$id" != "${2:-none}" ] && xdotool getwindowgeometry "$id" >/dev/null 2>&1 && { echo "$id"; return; }
    done
    kill -0 "$app" 2>/dev/null || fail "the program ended while waiting for \"$1\""
    sleep 0.1
  done
  fail "no window \"$1\""
}
shoot() { sleep 1.5; import -window "$1" "$out/$2"; }
store() { printf '[RCV]\nFiltroCorrente=%s\nNumero=30\nOrdine=%s\n' "$1" "$2" >"$settings"; }

# The first day at random, then the review schedule, always the first topic. The
# candidate knows seven questions in ten (by their code and the day), and answers
# them right: where the right answer is shown, the test kept after every view says.
letters=(- a b c d e)
for day in "${days[@]}"; do
  [ "$day" = "${days[0]}" ] && store 1 0 || store 1 6
  start_program "$day"
  start=$(window "^Tessarondequiz - ")
  sleep 1
  xdotool windowfocus --sync "$start"
  xdotool key --delay 40 Tab Tab Tab Tab Tab Tab Tab Tab space
  quiz=$(window "^Tessarondequiz - " "$start")
  kept=$work/prog/rcv14.dat.interrotto.test
  for _ in $(seq 100); do [ -s "$kept" ] && break; sleep 0.1; done
  IFS=';' read -r -a codes < <(sed -n 4p "$kept" | tr -d '\r')
  shown=$(sed -n 6p "$kept" | tr -d '\r')
  for i in $(seq 0 $((answers - 1))); do
    right=${shown:i:1}
    (( (codes[i] * 7 + 10#${day:8:2}) % 10 < 7 )) && answer=$right || answer=$((right % 4 + 1))
    xdotool windowfocus --sync "$quiz"
    xdotool key "${letters[answer]}"
    result=$(window "^Esito risposta$")
    xdotool windowfocus --sync "$result"
    xdotool key Return
    sleep 0.3
  done
  stop_program
done
cp "$work/prog/rcv14.log" "$out/rcv14.log"

# The last day: the review schedule for all topics, the first and the second; the
# progress window on the first.
store 0 6
start_program "$last"
start=$(window "^Tessarondequiz - ")
shoot "$start" start-all.png
xdotool windowfocus --sync "$start"
xdotool key Down
shoot "$start" start-topic1.png
xdotool key Down
shoot "$start" start-topic2.png
xdotool key Up
# "Andamento", the twelfth stop from the list.
xdotool key --delay 40 Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab space
progress=$(window "^Andamento della preparazione$")
shoot "$progress" andamento.png
stop_program

"$work/prog/tessarondequiz-bank" dump "$work/prog/rcv14.dat" >"$work/dump.jsonl"
as_user_on "$last"
"${as_user[@]}" "$work/prog/tessarondequiz-bank" draw "$work/prog/rcv14.dat" --order 6 --seed 1 \
  | sed -n 's/^{"codice":\([0-9]*\).*/\1/p' >"$out/drawn.txt"
node bench/peers/review_check.mjs "$work/dump.jsonl" "$out/rcv14.log" "${last:8:2}/${last:5:2}/${last:0:4}" \
  "$out/drawn.txt" | tee "$out/computed.txt" || fail "the review does not draw what the log says is due"
echo "screenshots in $out"
