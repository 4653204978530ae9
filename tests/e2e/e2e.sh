#!/usr/bin/env bash
# End-to-end checks of the real program. Each case starts an X server of its
# own (so cases may run side by side), starts quelmara on the sample disc with
# HOME and XDG_CONFIG_HOME in a scratch folder, drives it with xdotool and
# looks at what it left on disk. Every step leaves a screenshot in the output
# folder. Exit 77 tells ctest the case was skipped.
#
#   e2e.sh CASE PROGRAM DISC OUTPUT_DIR BUILD_DIR
set -euo pipefail

case_name=$1
program=$2
disc=$3
output=$4
build_dir=$5

mkdir -p "$output"
label=$case_name
source "$(dirname "$0")/lib.sh"
shot_count=0

# Positions in the window: controls from the disc's layout, the folder
# browser's parts from the program's own layout of it (placed in its window's
# coordinates); list rows are as high as the program makes them.
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
browser_layout="$source_dir/app/layouts/FolderBrowser.scr"
row_height=$(sed -nE 's/.*kListRowHeight = ([0-9]+);.*/\1/p' "$source_dir/app/ScreenMetrics.h")

# "left top width height" of the control with the identifier, in window
# coordinates: the statement's [x,y,w,h] plus the positions of the blocks
# around it.
layout_rect() {
  awk -v id="\"$1\"" '
    { sub(/\r$/, ""); sub(/#.*/, "") }
    match($0, /\[[-0-9,]+\]/) {
      split(substr($0, RSTART + 1, RLENGTH - 2), r, ",")
      x = r[1]; y = r[2]; w = r[3]; h = r[4]
    }
    index($0, id) { print left[depth] + x, top[depth] + y, w + 0, h + 0; found = 1; exit }
    /\{/ { depth++; left[depth] = left[depth - 1] + x; top[depth] = top[depth - 1] + y }
    /\}/ { depth-- }
    /;/ { x = 0; y = 0 }
    END { exit !found }
  ' "$disc/_data/layout.scr" || fail "no control \"$1\" in the layout"
}

# x and y of the control with that identifier in the folder browser's layout.
browser_origin() {
  local place
  place=$(sed -nE "s/^[^[]*\[([0-9]+),([0-9]+)[],].*\"$1\".*/\1 \2/p" "$browser_layout" | head -n 1)
  [ -n "$place" ] || fail "no control \"$1\" in $browser_layout"
  echo "$place"
}

control_centre() {
  local left top width height
  read -r left top width height < <(layout_rect "$1")
  echo $((left + width / 2)) $((top + height / 2))
}

game_row() {
  local left top width height
  read -r left top width height < <(layout_rect gamelist)
  echo $((left + width / 4)) $((top + row_height * $1 + row_height / 2))
}

browser_row() {
  local window_x window_y x y
  read -r window_x window_y < <(browser_origin folderbrowser)
  read -r x y < <(browser_origin folders)
  echo $((window_x + x + 40)) $((window_y + y + row_height * $1 + row_height / 2))
}

# A point just inside the browser's button with that identifier.
browser_button() {
  local window_x window_y x y
  read -r window_x window_y < <(browser_origin folderbrowser)
  read -r x y < <(browser_origin "$1")
  echo $((window_x + x + 10)) $((window_y + y + 8))
}

# A home and a settings folder of the case's own.
use_own_home() {
  export HOME="$work/home" XDG_CONFIG_HOME="$work/config"
  mkdir -p "$HOME"
}

start_program() {
  use_own_home
  launch "$program" "$disc"
}

# Taken once the program is idle, so every paint has reached the X server.
shot() {
  shot_count=$((shot_count + 1))
  import -window root "$output/$case_name-$shot_count-$1.png"
}

write_settings() {
  mkdir -p "$work/config"
  printf '%s' "$1" >"$work/config/quelmara.ini"
}

expect_same_file() {
  [ -e "$2" ] || fail "no $2"
  cmp -s "$1" "$2" || fail "$2 differs from $1"
}

case "$case_name" in
exports)
  need nm
  names=$(nm -D --defined-only "$program")
  for name in GUIControlMouse GUIControlCreateFromFile GUIListAdd GUIEditSet GfxAPIInit \
              GfxAPITextGetWidth GUISkinLoad pGUIControlRoot pGUISkinFont sGUIButtonType \
              pGUIListSkinInit __dalloc pGUIEditorLCtrl; do
    grep -qE " $name\$" <<<"$names" || fail "$name is not exported"
  done
  ;;
no_display)
  status=0
  env -u DISPLAY -u WAYLAND_DISPLAY "$program" "$disc" >"$work/app.log" 2>&1 || status=$?
  [ "$status" = 1 ] || fail "exit status $status without a display, not 1"
  grep -q "no display found" "$work/app.log" || fail "no plain message: $(cat "$work/app.log")"
  status=0
  "$program" "$work/no such disc" >"$work/app.log" 2>&1 || status=$?
  [ "$status" = 1 ] || fail "exit status $status for a missing disc folder, not 1"
  grep -q "cannot open the disc folder" "$work/app.log" || fail "no plain message: $(cat "$work/app.log")"
  for option in --help --version; do
    status=0
    env -u DISPLAY "$program" "$option" >"$work/app.log" 2>&1 || status=$?
    [ "$status" = 0 ] || fail "exit status $status for $option, not 0"
  done
  grep -q "^quelmara [0-9]" "$work/app.log" || fail "no version: $(cat "$work/app.log")"
  ;;
install)
  dest="$work/dest"
  DESTDIR="$dest" cmake --install "$build_dir" --prefix /opt/quelmara >"$work/install.log"
  root="$dest/opt/quelmara"
  [ -x "$root/bin/quelmara" ] || fail "no program installed"
  [ -f "$root/share/quelmara/_data/layout.scr" ] || fail "no disc installed"
  [ -f "$root/share/quelmara/OrbitCourier/OrbitCourier.prc" ] || fail "no games installed"
  entry="$root/share/applications/quelmara.desktop"
  [ -f "$entry" ] || fail "no desktop entry"
  grep -qx 'Exec="/opt/quelmara/bin/quelmara" "/opt/quelmara/share/quelmara"' "$entry" ||
    fail "the launcher does not start the installed disc: $(grep ^Exec "$entry")"
  grep -qx 'Icon=quelmara' "$entry" || fail "the launcher has no icon"
  [ -f "$root/share/icons/hicolor/scalable/apps/quelmara.svg" ] || fail "no icon installed"
  [ -x "$root/bin/quelmara-designer" ] || fail "no designer installed"
  [ -f "$root/share/quelmara-designer/gallery.scr" ] || fail "no gallery installed"
  grep -qx 'Exec="/opt/quelmara/bin/quelmara-designer" --disc "/opt/quelmara/share/quelmara" %f' \
    "$root/share/applications/quelmara-designer.desktop" || fail "no designer launcher"
  ;;
click_install)
  # A game inside the category "Puzzles" (row 4).
  start_display
  write_settings "$work/hotsync/"
  start_program
  shot started
  click $(game_row 5)
  shot selected
  click $(control_centre instb)
  expect_same_file "$disc/Puzzles/GlacierSlide/GlacierSlide.prc" \
    "$work/hotsync/Glacier Slide/GlacierSlide.prc"
  shot installed
  [ ! -e "$work/hotsync/Glacier Slide/_details" ] || fail "the game's own texts were copied"
  [ "$(ls "$work/hotsync")" = "Glacier Slide" ] || fail "more than the game was installed"
  ;;
install_category)
  # "Strategy" (row 9) holds two sub-categories with three games between them.
  start_display
  write_settings "$work/hotsync/"
  start_program
  shot started
  click $(game_row 9)
  shot selected
  click $(control_centre instb)
  expect_same_file "$disc/Strategy/Cards/MosswoodSolitaire/Mosswood.prc" \
    "$work/hotsync/Mosswood Solitaire/Mosswood.prc"
  expect_same_file "$disc/Strategy/Tactics/CopperRails/CopperRails.prc" \
    "$work/hotsync/Copper Rails/CopperRails.prc"
  expect_same_file "$disc/Strategy/Tactics/TidepoolTactics/Tidepool.prc" \
    "$work/hotsync/Tidepool Tactics/Tidepool.prc"
  [ "$(ls "$work/hotsync" | wc -l)" = 3 ] || fail "not the category's three games: $(ls "$work/hotsync")"
  shot installed
  ;;
search_install)
  start_display
  write_settings "$work/hotsync/"
  start_program
  click $(control_centre stext)
  act 8 type goat
  shot typed
  act 2 key Return
  shot searched
  click $(control_centre instb)
  expect_same_file "$disc/OrbitCourier/OrbitCourier.prc" "$work/hotsync/Orbit Courier/OrbitCourier.prc"
  shot installed
  ;;
exit_button)
  need xprop
  start_display
  write_settings "$work/hotsync/"
  start_program
  shot started
  icon=$(xprop -id "$window" _NET_WM_ICON)
  grep -q "48 x 48" <<<"$icon" || fail "the window has no icon: $icon"
  last_click $(control_centre exitb)
  expect_exit_status 0
  ;;
escape)
  start_display
  write_settings "$work/hotsync/"
  start_program
  click $(game_row 1)
  xdotool key Escape
  expect_exit_status 0
  ;;
first_start_browser)
  start_display
  mkdir -p "$work/home/Documents" "$work/home/Palm Desktop/install"
  start_program
  shot browser
  click $(browser_row 1)
  shot entered
  click $(browser_button ok)
  settings=$(cat "$work/config/quelmara.ini" 2>/dev/null || true)
  [ "$settings" = "$work/home/Palm Desktop/" ] || fail "settings hold \"$settings\""
  shot chosen
  click $(game_row 1)
  click $(control_centre instb)
  expect_same_file "$disc/Action/BeetleDerby/BeetleDerby.prc" \
    "$work/home/Palm Desktop/Beetle Derby/BeetleDerby.prc"
  last_click $(control_centre exitb)
  expect_exit_status 0
  ;;
first_start_cancel)
  start_display
  start_program
  shot browser
  last_click $(browser_button cancel)
  expect_exit_status 255
  [ ! -e "$work/config/quelmara.ini" ] || fail "a cancelled choice wrote the settings"
  ;;
first_start_zenity)
  # A stand-in for the desktop's chooser: it notes its arguments and answers.
  mkdir -p "$work/bin" "$work/chosen"
  cat >"$work/bin/zenity" <<EOF
#!/bin/sh
printf '%s\n' "\$@" > "$work/zenity-arguments"
echo "$work/chosen"
EOF
  chmod +x "$work/bin/zenity"
  export PATH="$work/bin:$PATH"
  start_display
  start_program
  settings=$(cat "$work/config/quelmara.ini" 2>/dev/null || true)
  [ "$settings" = "$work/chosen/" ] || fail "settings hold \"$settings\""
  grep -qx -- '--directory' "$work/zenity-arguments" || fail "zenity was not asked for a folder"
  grep -qx -- '--title=Select your Hotsync folder.' "$work/zenity-arguments" ||
    fail "zenity got no title"
  shot chosen
  ;;
layout_pipe)
  # A pipe in the layout's place: the start-up says so and ends, it does not
  # hang. The message goes to a message box where the X server can show one
  # (Return closes it), else to standard error.
  cp -rs "$disc" "$work/disc"
  rm "$work/disc/_data/layout.scr"
  mkfifo "$work/disc/_data/layout.scr"
  start_display
  write_settings "$work/hotsync/"
  use_own_home
  spawn "$program" "$work/disc"
  for _ in $(seq 100); do
    grep -q "layout.scr is missing or is not a file" "$work/app.log" && break
    sleep 0.1
  done
  grep -q "layout.scr is missing or is not a file" "$work/app.log" || fail "no message"
  shot message
  kill -0 "$app_pid" 2>/dev/null && xdotool key Return
  expect_exit_status 1
  ;;
*)
  fail "unknown case"
  ;;
esac
echo "passed: $case_name"
