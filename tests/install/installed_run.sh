#!/usr/bin/env bash
# The installed program as a candidate meets it. Installed into a staging prefix made
# read-only and started from elsewhere with a fresh HOME, it answers --version and --help
# without a display, its menu entry and metadata validate, it builds a test and takes an
# answer, and the statistics and the log land in the per-user data folder while the
# installed tree stays as it was.
# Usage: installed_run.sh BUILD_DIR. Exit 77 (skipped) when Xvfb, xdotool or a validator is missing.
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

for tool in Xvfb xdotool desktop-file-validate appstreamcli; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (scripts/deps installs it): skipped"; exit 77; }
done
desktop-file-validate "$stage"/share/applications/*.desktop || fail "the menu entry does not validate"
appstreamcli validate --no-net "$stage"/share/metainfo/*.metainfo.xml >/dev/null || fail "the metainfo does not validate"

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
as_user=(env -i HOME="$home" XDG_RUNTIME_DIR="$work/runtime" DISPLAY="$DISPLAY" PATH=/usr/bin:/bin
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

snapshot >"$work/after"
diff "$work/before" "$work/after" >&2 || fail "the installed tree changed"
echo "installed program: answer recorded in $user, installed tree unchanged"
