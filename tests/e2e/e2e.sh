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
work=$(mktemp -d "${TMPDIR:-/tmp}/quelmara-e2e-XXXXXX")
xvfb_pid=
app_pid=
shot_count=0

cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAILED ($case_name): $*"
  [ -f "$work/app.log" ] && { echo "--- program output"; tail -n 40 "$work/app.log"; }
  exit 1
}

need() {
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
  done
}

# Places in the window, read from the layouts: the disc's for the main screen,
# the program's own for its folder browser (whose controls are placed in its
# window's coordinates); list rows are as high as the program makes them.
source_dir=$(dirname "$disc")
main_layout="$disc/_data/layout.scr"
browser_layout="$source_dir/app/layouts/FolderBrowser.scr"
row_height=$(sed -nE 's/.*kListRowHeight = ([0-9]+);.*/\1/p' "$source_dir/app/ScreenMetrics.h")

# x and y of the control with that identifier in a layout.
origin_of() {
  local place
  place=$(sed -nE "s/^[^[]*\[([0-9]+),([0-9]+)[],].*\"$2\".*/\1 \2/p" "$1" | head -n 1)
  [ -n "$place" ] || fail "no control \"$2\" in $1"
  echo "$place"
}

# A point just inside that control, shifted by the origin of the one holding it.
point_in() {
  local x y holder_x=0 holder_y=0
  read -r x y <<<"$(origin_of "$1" "$2")"
  [ -z "${3:-}" ] || read -r holder_x holder_y <<<"$(origin_of "$1" "$3")"
  echo $((holder_x + x + 10)) $((holder_y + y + 8))
}

read -r game_view_x game_view_y <<<"$(origin_of "$main_layout" gameview)"
game_row_x=$((game_view_x + 40))
game_row_y() { echo $((game_view_y + row_height * $1 + row_height / 2)); }
read -r -a search_field <<<"$(point_in "$main_layout" stext)"
read -r -a install_button <<<"$(point_in "$main_layout" instb)"
read -r -a exit_button <<<"$(point_in "$main_layout" exitb)"
read -r browser_x browser_y <<<"$(origin_of "$browser_layout" folderbrowser)"
read -r folders_x folders_y <<<"$(origin_of "$browser_layout" folders)"
browser_row_x=$((browser_x + folders_x + 40))
browser_row_y() { echo $((browser_y + folders_y + row_height * $1 + row_height / 2)); }
read -r -a browser_ok <<<"$(point_in "$browser_layout" ok folderbrowser)"
read -r -a browser_cancel <<<"$(point_in "$browser_layout" cancel folderbrowser)"

start_display() {
  need Xvfb xdotool import
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
  xvfb_pid=$!
  for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
  done
  [ -s "$work/display" ] || fail "the X server did not start: $(cat "$work/xvfb.log")"
  export DISPLAY=":$(head -n 1 "$work/display")"
}

start_program() {
  export HOME="$work/home" XDG_CONFIG_HOME="$work/config"
  mkdir -p "$HOME"
  "$program" "$disc" >"$work/app.log" 2>&1 &
  app_pid=$!
  window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Quelmara$' | head -n 1) ||
    fail "no window appeared"
  [ -n "$window" ] || fail "no window appeared"
}

# The screen is drawn once the program takes input again; a short pause lets
# the last clicks' paints reach the X server before the picture is taken.
shot() {
  shot_count=$((shot_count + 1))
  sleep 0.5
  import -window root "$output/$case_name-$shot_count-$1.png"
}

click() {
  xdotool mousemove --window "$window" "$1" "$2" click 1
}

wait_for_file() {
  for _ in $(seq 300); do
    [ -e "$1" ] && return 0
    sleep 0.1
  done
  fail "timed out waiting for $1"
}

# Waits for the program to end by itself and checks its exit status.
expect_exit_status() {
  for _ in $(seq 300); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$app_pid" 2>/dev/null && fail "the program did not end"
  local status=0
  wait "$app_pid" || status=$?
  app_pid=
  [ "$status" = "$1" ] || fail "exit status $status, not $1"
}

write_settings() {
  mkdir -p "$work/config"
  printf '%s' "$1" >"$work/config/quelmara.ini"
}

expect_same_file() {
  wait_for_file "$2"
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
  ;;
click_install)
  # A game inside the category "Puzzles" (row 4).
  start_display
  write_settings "$work/hotsync/"
  start_program
  shot started
  click "$game_row_x" "$(game_row_y 5)"
  shot selected
  click "${install_button[@]}"
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
  click "$game_row_x" "$(game_row_y 9)"
  shot selected
  click "${install_button[@]}"
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
  click "${search_field[@]}"
  xdotool type --delay 40 goat
  shot typed
  xdotool key Return
  shot searched
  click "${install_button[@]}"
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
  click "${exit_button[@]}"
  expect_exit_status 0
  ;;
escape)
  start_display
  write_settings "$work/hotsync/"
  start_program
  click "$game_row_x" "$(game_row_y 1)"
  xdotool key Escape
  expect_exit_status 0
  ;;
first_start_browser)
  start_display
  mkdir -p "$work/home/Documents" "$work/home/Palm Desktop/install"
  start_program
  shot browser
  click "$browser_row_x" "$(browser_row_y 1)"
  shot entered
  click "${browser_ok[@]}"
  wait_for_file "$work/config/quelmara.ini"
  settings=$(cat "$work/config/quelmara.ini")
  [ "$settings" = "$work/home/Palm Desktop/" ] || fail "settings hold \"$settings\""
  shot chosen
  click "$game_row_x" "$(game_row_y 1)"
  click "${install_button[@]}"
  expect_same_file "$disc/Action/BeetleDerby/BeetleDerby.prc" \
    "$work/home/Palm Desktop/Beetle Derby/BeetleDerby.prc"
  click "${exit_button[@]}"
  expect_exit_status 0
  ;;
first_start_cancel)
  start_display
  start_program
  shot browser
  click "${browser_cancel[@]}"
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
  wait_for_file "$work/config/quelmara.ini"
  settings=$(cat "$work/config/quelmara.ini")
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
  export HOME="$work/home" XDG_CONFIG_HOME="$work/config"
  "$program" "$work/disc" >"$work/app.log" 2>&1 &
  app_pid=$!
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
