#!/usr/bin/env bash
# The installed program as a candidate meets it. Installed into a staging prefix made
# read-only and started from elsewhere with a fresh HOME, it answers --version and --help
# without a display, refuses an unknown option and says so when there is no screen; its
# menu entry and metadata validate; it builds a test and takes an answer, and the
# statistics and the log land in the per-user data folder while the installed tree stays
# as it was. The test kept after that answer, opened from the desktop as a double click
# opens it (gio open, through the installed file type and menu entry), resumes in the
# quiz screen.
# Usage: installed_run.sh BUILD_DIR. Exit 77 (skipped) when Xvfb, xdotool, gio or a
# validator is missing.
set -euo pipefail
build=$1
work=$(mktemp -d /tmp/tq-installed.XXXXXX)
xvfb="" app=""
cleanup() {
  [ -z "$app" ] || kill "$app" 2>/dev/null || true
  [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
  chmod -R u+w "$work"
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  [ ! -s "$work/program.log" ] || sed 's/^/  program: /' "$work/program.log" | tail -20 >&2
  exit 1
}

stage=$work/stage
cmake --install "$build" --prefix "$stage" >/dev/null
program=$stage/bin/tessarondequiz

out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --version) || fail "--version: exit $?"
[[ $out == "Tessarondequiz "[0-9]* ]] || fail "--version printed \"$out\""
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --help) || fail "--help: exit $?"
[[ $out == *--help*--version* ]] || fail "--help printed \"$out\""
# Mistakes: the status and the first words of the message.
expect_refusal() {
  local status=$1 text=$2 err
  shift 2
  err=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@" 2>&1 >/dev/null) && status_got=0 || status_got=$?
  [ "$status_got" = "$status" ] || fail "$*: exit $status_got, not $status ($err)"
  [[ $err == "$text"* ]] || fail "$*: printed \"$err\""
}
expect_refusal 2 'tessarondequiz: opzione sconosciuta "--pippo"' --pippo
expect_refusal 1 "Impossibile aprire lo schermo: la variabile DISPLAY non è impostata"

for tool in Xvfb xdotool desktop-file-validate appstreamcli gio update-mime-database update-desktop-database; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (scripts/deps installs it): skipped"; exit 77; }
done
desktop-file-validate "$stage"/share/applications/*.desktop || fail "the menu entry does not validate"
appstreamcli validate --no-net "$stage"/share/metainfo/*.metainfo.xml >/dev/null || fail "the metainfo does not validate"
# What the package manager's triggers do for an installed package.
update-mime-database "$stage/share/mime" >/dev/null 2>&1
update-desktop-database "$stage/share/applications"

chmod -R a-w "$stage"
snapshot() { (cd "$stage" && find . -printf '%p %s %T@\n' | sort); }
snapshot >"$work/before"

# A display of its own: Xvfb picks a free number and tells it.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=:$(cat "$work/display")

home=$work/home
mkdir -p "$home" "$work/runtime"
chmod 700 "$work/runtime"
as_user=(env -i HOME="$home" XDG_RUNTIME_DIR="$work/runtime" DISPLAY="$DISPLAY" PATH="$stage/bin:/usr/bin:/bin"
  XDG_DATA_DIRS="$stage/share"
  LSAN_OPTIONS="${LSAN_OPTIONS:-}" UBSAN_OPTIONS="${UBSAN_OPTIONS:-}")
(cd "$home" && exec "${as_user[@]}" timeout 60 "$program" >"$work/program.log" 2>&1) &
app=$!

# The id of a visible window whose title matches $1, other than $2.
window() {
  for _ in $(seq 200); do
    local id
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | grep -vx "${2:-none}" | head -1) || true
    [ -n "$id" ] && { echo "$id"; return; }
    kill -0 "$app" 2>/dev/null || fail "the program ended while waiting for \"$1\""
    sleep 0.1
  done
  fail "no window \"$1\""
}

start=$(window "^Tessarondequiz - ")
startsize=$(xdotool getwindowgeometry "$start" | grep Geometry)
xdotool windowfocus --sync "$start"
# From the topic list, which has the focus, to "> INIZIA NUOVO TEST <" (number, order, time box,
# three check boxes, theme); Space presses it.
xdotool key --delay 40 Tab Tab Tab Tab Tab Tab Tab Tab space
quiz=$(window "^Tessarondequiz - " "$start")
xdotool windowfocus --sync "$quiz"
xdotool key a
result=$(window "^Esito risposta$")
xdotool windowfocus --sync "$result"
xdotool key Return

user=$home/.local/share/Tessarondequiz
for _ in $(seq 100); do grep -qs '|[01].$' "$user/rcv14.log" && break; sleep 0.1; done
grep -qsE $'^DOM:[0-9/]+ [0-9:]+\\|[0-9]+\\|[01]\r$' "$user/rcv14.log" || fail "no answer in $user/rcv14.log"
[ -s "$user/rcv14.dat.rec" ] || fail "no statistics file in $user"
# The bank tool finds the same statistics for the installed bank: one question answered.
answered=$("${as_user[@]}" "$stage/bin/tessarondequiz-bank" stats "$stage/share/tessarondequiz/rcv14.dat" \
  | grep -cE '"(esatte|sbagliate)":1') || true
[ "$answered" = 1 ] || fail "tessarondequiz-bank stats shows $answered answered questions, not 1"

# The test kept after that answer, double-clicked in the file manager once the program has gone.
kill "$app"
wait "$app" 2>/dev/null || true
# Moved, so that no interrupted test is there to be discarded first.
mv "$user/rcv14.dat.interrotto.test" "$home/prova.test"
type=$("${as_user[@]}" gio info -a standard::content-type "$home/prova.test" | sed -n 's/^ *standard::content-type: //p')
[ "$type" = application/x-tessarondequiz-test ] || fail "prova.test is of type \"$type\""
# Read whole first: grep -q would close the pipe early, and pipefail count gio's SIGPIPE as a failure.
handlers=$("${as_user[@]}" gio mime application/x-tessarondequiz-test 2>&1) || true
[[ $handlers == *it.tessarondequiz.Tessarondequiz.desktop* ]] || fail "the menu entry does not open suspended tests"
(cd "$home" && exec "${as_user[@]}" gio open "$home/prova.test" >"$work/program.log" 2>&1)
app=$(pgrep -n -f "tessarondequiz $home/prova.test") || fail "gio open started no program"
# The quiz screen, not the start window it passes through: it takes the next answer.
for _ in $(seq 200); do
  resumed=$(xdotool search --onlyvisible --name "^Tessarondequiz - " 2>/dev/null | head -1) || true
  [ -n "$resumed" ] && [ "$(xdotool getwindowgeometry "$resumed" | grep Geometry)" != "$startsize" ] && break
  resumed=""
  sleep 0.1
done
[ -n "$resumed" ] || fail "no quiz screen for prova.test"
xdotool windowfocus --sync "$resumed"
xdotool key b
result=$(window "^Esito risposta$")
xdotool windowfocus --sync "$result"
xdotool key Return
answers() { grep -cE $'^DOM:[0-9/]+ [0-9:]+\\|[0-9]+\\|[01]\r$' "$user/rcv14.log"; }
for _ in $(seq 100); do [ "$(answers)" -ge 2 ] && break; sleep 0.1; done
[ "$(answers)" = 2 ] || fail "the resumed test recorded no answer"

snapshot >"$work/after"
diff "$work/before" "$work/after" >&2 || fail "the installed tree changed"
echo "installed program: answer recorded in $user, a kept test opened from the desktop, installed tree unchanged"
