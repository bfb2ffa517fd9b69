# Sourced: a throw-away Wine prefix with code page 932 (by default), for one run of tests,
# benchmarks or the program.
export WINEPREFIX="${PORUTENA_WINEPREFIX:-$(mktemp -d /tmp/porutena-wine.XXXXXX)}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# PORUTENA_LANG: another locale, for the runs that show the program outside Japan.
export LANG=${PORUTENA_LANG:-ja_JP.UTF-8}
export LC_ALL=$LANG
export WINEARCH=win64

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
}
