# Shell helpers of the end-to-end scripts, sourced by them: a scratch folder,
# an X server of the script's own, the program's ready signal and input
# through xdotool. The script sets `label` (named in failures) before it
# sources this file; the program it starts is $app_pid, its window $window.

work=$(mktemp -d "${TMPDIR:-/tmp}/quelmara-$label-XXXXXX")
xvfb_pid=
app_pid=

# The program may be showing a message box, which takes the end request for
# itself; it is killed outright.
cleanup() {
  [ -n "$app_pid" ] && kill -KILL "$app_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAILED ($label): $*"
  [ -f "$work/app.log" ] && { echo "--- program output"; tail -n 40 "$work/app.log"; }
  exit 1
}

need() {
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
  done
}

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

# The program writes the number of mouse-button and key events it has handled
# to this file whenever it has shown everything and waits for more.
ready="$work/ready"
export QUELMARA_READY_FILE="$ready"

inputs_handled() {
  cat "$ready" 2>/dev/null || echo -1
}

# Waits until the program has handled at least $1 input events and is idle.
wait_until_idle() {
  for _ in $(seq 600); do
    [ "$(inputs_handled)" -ge "$1" ] && return 0
    kill -0 "$app_pid" 2>/dev/null || fail "the program ended"
    sleep 0.05
  done
  fail "the program did not become idle after $1 input events"
}

# Starts the command line given, its output in app.log, and waits for its
# window.
# Starts the program in the background, its output in $work/app.log.
spawn() {
  rm -f "$ready"
  "$@" >"$work/app.log" 2>&1 &
  app_pid=$!
}

launch() {
  spawn "$@"
  wait_until_idle 0
  window=$(xdotool search --onlyvisible --name '^Quelmara$' | head -n 1) || fail "no window"
  [ -n "$window" ] || fail "no window"
}

# Runs an xdotool command that makes $1 button or key events (a press and a
# release each) and waits until the program has handled them.
act() {
  local before
  before=$(inputs_handled)
  xdotool "${@:2}"
  wait_until_idle $((before + $1))
}

# A left click at x y of the window, and the wait until it is handled.
click() {
  act 2 mousemove --window "$window" "$1" "$2" click 1
}

# A click that ends the program.
last_click() {
  xdotool mousemove --window "$window" "$1" "$2" click 1
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
