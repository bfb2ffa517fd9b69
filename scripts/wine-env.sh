# Sourced: a throw-away Wine prefix with code page 932 (by default), for one run of tests,
# benchmarks or the program.
export WINEPREFIX="${PORUTENA_WINEPREFIX:-$(mktemp -d /tmp/porutena-wine.XXXXXX)}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# PORUTENA_LANG: another locale, for the runs that show the program outside Japan.
export LANG=${PORUTENA_LANG:-ja_JP.UTF-8}
export LC_ALL=$LANG
export WINEARCH=win64

# A display of its own (Xvfb) for the run, whose windows, keys and clipboard then meet no other
# run's, so runs can go side by side. porutena_wine_stop ends it.
porutena_wine_display() {
  local number
  number=$(mktemp)
  # Xvfb picks a free display and writes its number once it takes clients.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number" >/dev/null 2>&1 &
  PORUTENA_XVFB=$!
  for _ in $(seq 200); do
    grep -q '^[0-9]' "$number" && break
    sleep 0.05
  done
  export DISPLAY=:$(head -n1 "$number")
  rm -f "$number"
  [ "$DISPLAY" != : ] || { echo "porutena_wine_display: Xvfb did not start" >&2; return 1; }
}

# Boots the prefix once and keeps one server for every program of the run.
porutena_wine_start() {
  wineboot -i >/dev/null 2>&1 || true
  wineserver -p >/dev/null 2>&1 || true
  # Debian's Wine does not find its own Marlett, so the frames it draws itself (under Xvfb)
  # would show letters instead of the caption buttons' symbols.
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  if [ -f /usr/share/wine/fonts/marlett.ttf ] && [ -d "$fonts" ] && [ ! -f "$fonts/marlett.ttf" ]; then
    cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
  fi
}

# Keeps the prefix's desktop and OLE's service up until porutena_wine_stop, with a program that
# stays (pinging itself): they end a moment after the last program, and the next one then waits
# for them from one to over ten seconds. For runs of tests, whose programs come and go.
porutena_wine_keep() {
  wine ping -n 86400 127.0.0.1 >/dev/null 2>&1 &
}

# Under Xvfb there is no window manager, and Wine waits two seconds for one at every hidden
# window unless it manages the windows itself. Not for runs on a desktop: the windows would
# lose their frames there.
porutena_wine_headless() {
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
}

# The display's DPI for the programs started from now on (96 is 100 %, 144 is 150 %), where the
# display settings keep it. Wine 8 makes every program per-monitor aware whatever its manifest
# says, so each one sees this DPI (Windows shows 96 to programs that declare no awareness).
porutena_wine_dpi() {
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
}

porutena_wine_stop() {
  wineserver -k >/dev/null 2>&1 || true
  case "$WINEPREFIX" in /tmp/porutena-wine.*) rm -rf "$WINEPREFIX" ;; esac
  if [ -n "${PORUTENA_XVFB:-}" ]; then
    kill "$PORUTENA_XVFB" 2>/dev/null || true
    wait "$PORUTENA_XVFB" 2>/dev/null || true
    PORUTENA_XVFB=
  fi
}
