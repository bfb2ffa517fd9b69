#!/usr/bin/env bash
# Installs what the build, the tests and the run need; does nothing when all is there.
set -euo pipefail

need=()
have_cmd() { command -v "$1" >/dev/null 2>&1; }
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'ok installed'; }

# fuse3, python3-fusepy: the slow volume a launched-program test mounts.
# fonts-wine: Wine's Marlett, which its caption buttons are drawn with; only recommended by
# wine, so --no-install-recommends below would leave it out.
for p in cmake g++ googletest libgtest-dev g++-mingw-w64-x86-64-posix wine wine64 clang-format \
         clang-tidy xvfb xauth locales xdotool xclip imagemagick fonts-ipafont-gothic fonts-wine \
         lld zip unzip jq fuse3 python3-fusepy; do
  have_pkg "$p" || need+=("$p")
done

if [ ${#need[@]} -gt 0 ]; then
  echo "setup: installing ${need[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi

# The Windows build links with lld (CMakeLists.txt); this GCC takes it from beside its own linker,
# under that linker's name with ".lld" added.
gnu_ld=$(x86_64-w64-mingw32-g++-posix -print-prog-name=ld)
if [ ! -e "$gnu_ld.lld" ]; then
  echo "setup: linking $gnu_ld.lld to ld.lld"
  ln -s "$(command -v ld.lld)" "$gnu_ld.lld"
fi

# ja_JP for the program's own runs, en_US for the run in a system that is not Japanese.
for loc in ja_JP en_US; do
  if ! locale -a 2>/dev/null | grep -qi "^$loc\.utf-\?8$"; then
    echo "setup: generating $loc.UTF-8"
    sed -i "s/^# *\($loc.UTF-8 UTF-8\)/\1/" /etc/locale.gen
    grep -q "^$loc.UTF-8 UTF-8" /etc/locale.gen || echo "$loc.UTF-8 UTF-8" >>/etc/locale.gen
    locale-gen >/dev/null
  fi
done
