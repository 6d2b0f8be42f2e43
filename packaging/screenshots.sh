#!/usr/bin/env bash
# Takes the AppStream screenshots from the program itself under Xvfb, so that they show the
# windows as they are: the start window, a question of a test, the statistics window.
# Writes packaging/screenshots/*.png, the pictures the metainfo names (published on the
# homepage under the same names). Usage: packaging/screenshots.sh [BUILD_DIR]
# (default build/release, built first). Needs scripts/deps --gui.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
out=packaging/screenshots
if [ -z "${1:-}" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTQ_BUILD_TESTS=OFF >/dev/null
  cmake --build "$build" -j2 --target tessarondequiz tq_shipped_bank >/dev/null
fi
for tool in Xvfb xdotool import; do
  command -v "$tool" >/dev/null || { echo "$tool is missing: scripts/deps --gui installs it" >&2; exit 1; }
done

work=$(mktemp -d /tmp/tq-shots.XXXXXX)
xvfb="" app=""
cleanup() {
  [ -z "$app" ] || kill "$app" 2>/dev/null || true
  [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "screenshots: $*" >&2; exit 1; }

# A portable copy of the program, so that the answers given here stay out of the build.
mkdir -p "$work/prog" "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
cp "$build"/bin/tessarondequiz "$build"/bin/rcv14.dat "$work/prog/"
cp data/*.png "$work/prog/"

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=:$(cat "$work/display")
as_user=(env -i HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" DISPLAY="$DISPLAY" PATH=/usr/bin:/bin
  ASAN_OPTIONS=detect_leaks=0)
start_program() {
  (cd "$work/home" && exec "${as_user[@]}" "$work/prog/tessarondequiz" >>"$work/program.log" 2>&1) &
  app=$!
}

# Empty for a window gone meanwhile.
size() { xdotool getwindowgeometry "$1" 2>/dev/null | grep Geometry || true; }
# The id of a visible window whose title matches $1 and whose size is not $2.
window() {
  for _ in $(seq 200); do
    local id
    for id in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
      local shape
      shape=$(size "$id")
      [ -n "$shape" ] && [ "$shape" != "${2:-none}" ] && { echo "$id"; return; }
    done
    kill -0 "$app" 2>/dev/null || fail "the program ended while waiting for \"$1\""
    sleep 0.1
  done
  fail "no window \"$1\""
}
# Lets the window paint before it is taken.
shoot() { sleep 1; import -window "$1" "$work/$2"; }

start_program
start=$(window "^Tessarondequiz - ")
startsize=$(size "$start")
shoot "$start" finestra-iniziale.png

# "> INIZIA NUOVO TEST <" from the topic list, then three answers.
xdotool windowfocus --sync "$start"
xdotool key --delay 40 Tab Tab Tab Tab Tab Tab Tab Tab space
quiz=$(window "^Tessarondequiz - " "$startsize")
for key in a b c; do
  xdotool windowfocus --sync "$quiz"
  xdotool key "$key"
  result=$(window "^Esito risposta$")
  xdotool windowfocus --sync "$result"
  xdotool key Return
  sleep 0.5
done
# Away from the band whose hover shows the right answer.
xdotool mousemove 1270 1010
shoot "$quiz" quesito.png

# A fresh start without the interrupted test, whose button would move the others.
kill "$app"
wait "$app" 2>/dev/null || true
rm -f "$work"/prog/*.interrotto.test
start_program
start=$(window "^Tessarondequiz - ")
# "Visualizza statistiche", fifth in the column of buttons.
xdotool mousemove --window "$start" 490 274 click 1
stats=$(window "^Statistiche")
shoot "$stats" statistiche.png

mkdir -p "$out"
for shot in finestra-iniziale quesito statistiche; do cp "$work/$shot.png" "$out/$shot.png"; done
echo "screenshots in $out: $(cd "$out" && ls | tr "\n" " ")"
