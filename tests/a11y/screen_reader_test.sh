#!/usr/bin/env bash
# The program on a display of its own, heard through the accessibility bus.
#
#   screen_reader_test.sh CLIENT PROGRAM [SECONDS]
#
# Starts a virtual X server on a free display and a D-Bus session of its own
# (whose accessibility bus is started on demand), then the program under xcb
# with a scratch home and scratch user folders, and lets CLIENT (the screen
# reader, screen_reader_client) hear it. SECONDS bounds every single wait
# (default 20). Everything started here is stopped on the way out; the
# program's exit code is its own, so a sanitizer's report at exit fails too.
set -euo pipefail

client=$1
program=$2
seconds=${3:-20}

if [[ ${GA_INSIDE_SESSION:-} != 1 ]]; then
  scratch=$(mktemp -d)
  xvfb_pid=
  stop() {
    if [[ -n $xvfb_pid ]]; then
      kill "$xvfb_pid" 2>/dev/null || true
      wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$scratch"
  }
  trap stop EXIT

  # -displayfd: the server takes the first free display and writes its number.
  # -noreset: the server stays up as its clients come and go (a reset refuses
  # whoever connects meanwhile).
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$scratch/display" \
    >"$scratch/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for ((tries = 0; tries < seconds * 10; ++tries)); do
    [[ -s $scratch/display ]] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  if [[ ! -s $scratch/display ]]; then
    echo "screen reader test: Xvfb did not start:" >&2
    cat "$scratch/xvfb.log" >&2
    exit 1
  fi
  DISPLAY=:$(head -n 1 "$scratch/display")
  export DISPLAY
  if ! xdotool getmouselocation >/dev/null; then
    echo "screen reader test: the display does not answer:" >&2
    cat "$scratch/xvfb.log" >&2
    exit 1
  fi

  mkdir -p "$scratch"/{home,config,data,cache,state,runtime}
  chmod 700 "$scratch/runtime"
  export HOME=$scratch/home XDG_CONFIG_HOME=$scratch/config XDG_DATA_HOME=$scratch/data \
    XDG_CACHE_HOME=$scratch/cache XDG_STATE_HOME=$scratch/state \
    XDG_RUNTIME_DIR=$scratch/runtime
  unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS
  # The session (and the accessibility bus it started) ends with this script's
  # second half; `timeout` bounds it should anything in it hang.
  # The buses' own chatter goes to a log, shown when the test fails; the
  # second half writes its own messages to descriptor 4.
  status=0
  GA_INSIDE_SESSION=1 timeout $((seconds * 8)) \
    dbus-run-session -- bash "$0" "$client" "$program" "$seconds" \
    4>&2 2>"$scratch/session.log" || status=$?
  if ((status != 0)); then
    ((status == 124)) && echo "screen reader test: FAILED: timed out" >&2
    echo "screen reader test: the sessions' output:" >&2
    cat "$scratch/session.log" >&2
  fi
  exit "$status"
fi

# Inside the session: the program, then the screen reader.
exec 2>&4
program_pid=
stop_program() {
  if [[ -n $program_pid ]] && kill -0 "$program_pid" 2>/dev/null; then
    kill -KILL "$program_pid" 2>/dev/null || true
    wait "$program_pid" 2>/dev/null || true
  fi
}
trap stop_program EXIT

export QT_QPA_PLATFORM=xcb
# Qt exports its objects only while the bus says a screen reader listens,
# unless told to always.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
"$program" >"$XDG_RUNTIME_DIR/program.log" 2>&1 &
program_pid=$!

show_log() {
  echo "screen reader test: the program's output:" >&2
  cat "$XDG_RUNTIME_DIR/program.log" >&2
}
client_status=0
"$client" "$program_pid" "$seconds" || client_status=$?
if ((client_status != 0)); then
  show_log
  exit "$client_status"
fi
# The client closed the program; it must end, and cleanly.
for ((tries = 0; tries < seconds * 10; ++tries)); do
  kill -0 "$program_pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$program_pid" 2>/dev/null; then
  echo "screen reader test: FAILED: the program did not end after Exit" >&2
  show_log
  exit 1
fi
program_status=0
wait "$program_pid" || program_status=$?
program_pid=
if ((program_status != 0)); then
  echo "screen reader test: FAILED: the program ended with code $program_status" >&2
  show_log
  exit 1
fi
echo "  the program ended with code 0"
