#!/usr/bin/env bash
# End-to-end check of quelmara-designer as a disc author uses it: in an X
# server of its own, drag a button 40 pixels, resize a list by its corner,
# delete an edit field with the right-button menu, "Save layout"; then open
# the saved file again and compare the tree it writes and the picture it shows
# with what was on screen. Quit ends a saved layout at once; Escape on changes
# that are not saved warns first and ends at the second press. Exit 77 tells ctest the case was skipped.
#
#   designer.sh PROGRAM DISC OUTPUT_DIR
set -euo pipefail

program=$1
disc=$2
output=$3

mkdir -p "$output"
work=$(mktemp -d "${TMPDIR:-/tmp}/quelmara-designer-e2e-XXXXXX")
xvfb_pid=
app_pid=

# The designer may be showing a message box, which takes the end request for
# itself; it is killed outright.
cleanup() {
  [ -n "$app_pid" ] && kill -KILL "$app_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAILED (designer): $*"
  [ -f "$work/app.log" ] && { echo "--- program output"; tail -n 20 "$work/app.log"; }
  exit 1
}

for tool in Xvfb xdotool import compare; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

# The editor starts below the designer's 32-pixel bar.
bar=32
save_button=(60 16)
quit_button=(178 16)
empty_spot=(700 500)

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
[ -s "$work/display" ] || fail "the X server did not start"
export DISPLAY=":$(head -n 1 "$work/display")"

# The designer writes the number of mouse-button and key events it has handled
# to this file whenever it has shown everything and waits for more.
ready="$work/ready"
export QUELMARA_READY_FILE="$ready"

inputs_handled() {
  cat "$ready" 2>/dev/null || echo -1
}

# Waits until the designer has handled at least $1 input events and is idle.
wait_until_idle() {
  for _ in $(seq 600); do
    [ "$(inputs_handled)" -ge "$1" ] && return 0
    kill -0 "$app_pid" 2>/dev/null || fail "the designer ended"
    sleep 0.05
  done
  fail "the designer did not become idle after $1 input events"
}

# Runs an xdotool command that makes $1 button or key events (a press and a
# release each) and waits until the designer has handled them.
act() {
  local before
  before=$(inputs_handled)
  xdotool "${@:2}"
  wait_until_idle $((before + $1))
}

start_designer() {
  rm -f "$ready"
  "$program" --disc "$disc" "$1" >"$work/app.log" 2>&1 &
  app_pid=$!
  wait_until_idle 0
  window=$(xdotool search --onlyvisible --name '^Quelmara$' | head -n 1) || fail "no window appeared"
  [ -n "$window" ] || fail "no window appeared"
}

expect_exit() {
  for _ in $(seq 50); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$app_pid" 2>/dev/null && fail "the designer did not end"
  local status=0
  wait "$app_pid" || status=$?
  app_pid=
  [ "$status" = 0 ] || fail "the designer ended with status $status"
}

expect_quit() {
  xdotool mousemove --window "$window" "${quit_button[@]}" click 1
  expect_exit
}

at() { xdotool mousemove --window "$window" "$1" $(($2 + bar)); }

drag() {
  at "$1" "$2"
  act 1 mousedown 1
  at $((($1 + $3) / 2)) $((($2 + $4) / 2))
  at "$3" "$4"
  act 1 mouseup 1
}

# The editor area of the window, the pointer resting where nothing is framed.
editor_shot() {
  at "${empty_spot[@]}"
  act 2 key shift
  import -window "$window" "$work/full.png"
  cp "$work/full.png" "$output/designer-$1.png"
  convert "$work/full.png" -crop +0+$bar +repage "$work/$1.png"
}

cat >"$work/layout.scr" <<'LAYOUT'
Desktop(784,572)
{
	Button[40,40]("Go") "go";
	List[300,100,200,150] "names";
	Edit[40,200,200,22]("bye") "bye";
};
LAYOUT

start_designer "$work/layout.scr"
drag 60 50 100 50
drag 495 245 535 275
at 60 210
act 2 click 3
at 80 234
act 2 click 1
at 400 400
act 2 click 1
act 2 mousemove --window "$window" "${save_button[@]}" click 1
editor_shot edited
expect_quit

grep -q 'Button\[80,40,114,28\]("Go") "go";' "$work/layout.scr" || fail "the button did not move 40 pixels: $(cat "$work/layout.scr")"
grep -q 'List\[300,100,240,180\] "names";' "$work/layout.scr" || fail "the list was not resized: $(cat "$work/layout.scr")"
grep -q '"bye"' "$work/layout.scr" && fail "the deleted edit field was saved"

cp "$work/layout.scr" "$work/saved.scr"
start_designer "$work/layout.scr"
editor_shot reloaded
act 2 mousemove --window "$window" "${save_button[@]}" click 1
cmp -s "$work/saved.scr" "$work/layout.scr" || fail "the reloaded layout writes another tree"
drag 100 50 140 50
act 2 key Escape
kill -0 "$app_pid" 2>/dev/null || fail "Escape dropped changes that were not saved"
act 2 key Return
xdotool key Escape
expect_exit
differing=$(compare -metric AE "$work/edited.png" "$work/reloaded.png" null: 2>&1 || true)
[ "$differing" = "0" ] || fail "the reloaded layout looks different ($differing pixels)"
echo "1 passed, 0 failed"
