# Shared by the benchmarks that run the real program (plain build) offscreen
# against the device simulator: sourced, not run. The script sets `root` to
# the source tree and `build` to the build tree before it calls these.
#
#   check_programs            the program and the simulator are built
#   make_work                 a temporary folder, removed at exit with every
#                             process still running
#   prepare_run DIR ELEMENT...  DIR/{prog,home,xdg,ports,rec,sent} and the
#                             configuration: the golden default with
#                             NAME=VALUE elements set, recording into DIR/rec
#   start_simulator DIR DURATION "DEVICE..."  waits for "ready"
#   start_program DIR [NAME=VALUE...]  offscreen, with the loop-stats hook
#                             writing DIR/loop.txt and the screen log
#                             DIR/screens.log; extra environment given
#   stop_program NAME         SIGTERM, exit status 0 or the script fails
#   stop_simulator
#   wait_for_line FILE LINE SECONDS
#   figure NAME FILE          figure NAME of a loop-stats file

program="$build/TalbrenRecorder"
simulator="$build/tools/devicesim"
sim_pid=""
prog_pid=""
work=""

check_programs() {
  local f
  for f in "$program" "$simulator"; do
    [ -x "$f" ] || { echo "missing $f: build first (scripts/build build)" >&2; exit 2; }
  done
}

cleanup_runs() {
  [ -n "$prog_pid" ] && kill -KILL "$prog_pid" 2>/dev/null || true
  [ -n "$sim_pid" ] && kill -KILL "$sim_pid" 2>/dev/null || true
  [ -n "$work" ] && rm -rf "$work"
}

make_work() {
  work="$(mktemp -d)"
  trap cleanup_runs EXIT
}

# The golden default configuration with elements set: NAME=VALUE ...
configure() {
  local text
  text="$(cat "$root/tests/data/config/default.XML")"
  local pair name value
  for pair in "$@"; do
    name="${pair%%=*}"
    value="${pair#*=}"
    text="$(printf '%s' "$text" | sed "s|<$name>[^<]*</$name>|<$name>$value</$name>|")"
  done
  printf '%s\n' "$text"
}

prepare_run() {
  local dir="$1"
  shift
  rm -rf "$dir"
  mkdir -p "$dir"/{prog,home,xdg,ports,rec,sent}
  chmod 700 "$dir/xdg"
  configure "DIRECTORY=$dir/rec" "$@" >"$dir/prog/TalbrenRuvoveZaviZaredido.XML"
  [ -f "$build/Recorder.ico" ] && cp "$build/Recorder.ico" "$dir/prog/"
  return 0
}

wait_for_line() {  # file line seconds
  local i
  for ((i = 0; i < $3 * 50; i++)); do
    grep -qx "$2" "$1" 2>/dev/null && return 0
    sleep 0.02
  done
  return 1
}

# Figure NAME of the loop-stats file.
figure() { awk -v k="$1" '$1 == k { print $2 }' "$2"; }

start_simulator() {  # dir duration "device..."
  local dir="$1" duration="$2" devices="$3"
  # shellcheck disable=SC2086
  "$simulator" --ports-dir "$dir/ports" --sent-dir "$dir/sent" --duration "$duration" --hold -1 $devices \
    >"$dir/simulator.txt" 2>&1 &
  sim_pid=$!
  wait_for_line "$dir/simulator.txt" ready 30 || { echo "$dir: the simulator did not start" >&2; exit 1; }
}

start_program() {  # dir [NAME=VALUE...]
  local dir="$1"
  shift
  env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$dir/xdg" HOME="$dir/home" TALBREN_PROGRAM_DIR="$dir/prog" \
    TALBREN_PORTS_DIR="$dir/ports" TALBREN_MESSAGE_LOG="$dir/messages.log" TALBREN_LOOP_STATS="$dir/loop.txt" \
    TALBREN_SCREEN_LOG="$dir/screens.log" "$@" "$program" >"$dir/output.txt" 2>&1 &
  prog_pid=$!
}

stop_program() {  # name
  local status=0
  kill -TERM "$prog_pid"
  wait "$prog_pid" || status=$?
  prog_pid=""
  [ "$status" -eq 0 ] || { echo "$1: the program ended with status $status" >&2; exit 1; }
}

stop_simulator() {
  [ -n "$sim_pid" ] || return 0
  kill -TERM "$sim_pid" 2>/dev/null || true
  wait "$sim_pid" || true
  sim_pid=""
}
