#!/usr/bin/env bash
# End-to-end check of quelmara-designer as a disc author uses it: in an X
# server of its own, drag a button 40 pixels, resize a list by its corner,
# delete an edit field with the right-button menu, "Save layout"; then open
# the saved file again and compare the tree it writes and the picture it shows
# with what was on screen. Quit ends a saved layout at once; Escape on changes
# that are not saved warns first and ends at the second press. Exit 77 tells
# ctest the case was skipped.
#
#   designer.sh PROGRAM DISC OUTPUT_DIR
set -euo pipefail

program=$1
disc=$2
output=$3

mkdir -p "$output"
label=designer
source "$(dirname "$0")/lib.sh"
need xdotool import compare

# The editor starts below the designer's 32-pixel bar.
bar=32
save_button=(60 16)
quit_button=(178 16)
empty_spot=(700 500)

start_designer() {
  launch "$program" --disc "$disc" "$1"
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

start_display
start_designer "$work/layout.scr"
drag 60 50 100 50
drag 495 245 535 275
at 60 210
act 2 click 3
at 80 234
act 2 click 1
at 400 400
act 2 click 1
click "${save_button[@]}"
editor_shot edited
last_click "${quit_button[@]}"
expect_exit_status 0

grep -q 'Button\[80,40,114,28\]("Go") "go";' "$work/layout.scr" || fail "the button did not move 40 pixels: $(cat "$work/layout.scr")"
grep -q 'List\[300,100,240,180\] "names";' "$work/layout.scr" || fail "the list was not resized: $(cat "$work/layout.scr")"
grep -q '"bye"' "$work/layout.scr" && fail "the deleted edit field was saved"

cp "$work/layout.scr" "$work/saved.scr"
start_designer "$work/layout.scr"
editor_shot reloaded
click "${save_button[@]}"
cmp -s "$work/saved.scr" "$work/layout.scr" || fail "the reloaded layout writes another tree"
drag 100 50 140 50
act 2 key Escape
kill -0 "$app_pid" 2>/dev/null || fail "Escape dropped changes that were not saved"
act 2 key Return
xdotool key Escape
expect_exit_status 0
differing=$(compare -metric AE "$work/edited.png" "$work/reloaded.png" null: 2>&1 || true)
[ "$differing" = "0" ] || fail "the reloaded layout looks different ($differing pixels)"
echo "1 passed, 0 failed"
