# Sourced by the launched-program tests: finding the program's window, pressing Ctrl+A until
# the X clipboard holds what is expected, and closing the program. Every wait has a limit.

# Prints the id of the visible window titled ぽるてな, waiting at most a minute; fails without.
porutena_window() {
  porutena_window_named 'ぽるてな'
}

# porutena_copy_all WID EXPECTED: presses Ctrl+A (a press before the window takes keys is
# lost, so again) until the clipboard holds EXPECTED, for half a minute at most. Sets `got`
# to what the clipboard held last, line ends kept.
porutena_copy_all() {
  porutena_copy_until "$1" porutena_got "$2"
}
porutena_got() { [ "$got" = "$1" ]; }

# porutena_copy_until WID CHECK [ARGS...]: the same until CHECK ARGS, which reads `got`, passes.
porutena_copy_until() {
  local wid=$1
  shift
  got=
  for ((deadline = SECONDS + 30; SECONDS < deadline; )); do
    timeout 5 xdotool windowfocus --sync "$wid" 2>/dev/null || true
    xdotool key --clearmodifiers ctrl+a
    for _ in 1 2 3 4 5; do
      # The mark keeps a trailing line end from being cut off.
      got=$(timeout 5 xclip -o -selection clipboard 2>/dev/null; echo .)
      got=${got%.}
      "$@" && return 0
      sleep 0.2
    done
  done
  return 1
}

# porutena_close PID: closes the program as its close button does and sets `rc` to its exit
# code; fails when it is still running ten seconds later.
porutena_close() {
  local pid=$1
  timeout 30 wine taskkill /im porutena.exe >/dev/null 2>&1 || true
  for _ in $(seq 1 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$pid" 2>/dev/null && return 1
  rc=0
  wait "$pid" || rc=$?
}

# Prints the id of the first visible window whose title matches the pattern, waiting at most
# the seconds given (a minute); fails without.
porutena_window_named() {
  local wid
  for ((deadline = SECONDS + ${2:-60}; SECONDS < deadline; )); do
    wid=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1 || true)
    [ -n "$wid" ] && { echo "$wid"; return 0; }
    sleep 0.2
  done
  return 1
}
