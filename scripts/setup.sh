#!/usr/bin/env bash
# Installs everything the build, the tests and the demo need on a Debian 12 machine (run as root).
# Idempotent: when every package is present it only checks and returns within a second or two.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  g++-mingw-w64-i686 binutils-mingw-w64-i686
  googletest libgtest-dev
  libsonic-dev
  wine wine32:i386
  clang libclang-rt-14-dev clang-tidy clang-format
  espeak-ng sox
  ca-certificates
)

have_all() {
  local p
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || return 1
  done
}

has_deb_src() {
  grep -rqsE '^(Types:.*deb-src|deb-src )' /etc/apt/sources.list /etc/apt/sources.list.d/
}

# apt-get source needs a deb-src entry. Derive one from the machine's own Debian entry so that no
# repository address has to be written anywhere by this project.
add_deb_src() {
  local src=/etc/apt/sources.list.d/debian.sources
  local dst=/etc/apt/sources.list.d/voxtools-deb-src.sources
  if [ -f "$src" ]; then
    sed -E 's/^Types:[[:space:]]*deb[[:space:]]*$/Types: deb-src/' "$src" >"$dst"
  elif [ -f /etc/apt/sources.list ]; then
    sed -nE 's/^deb[[:space:]]+/deb-src /p' /etc/apt/sources.list >/etc/apt/sources.list.d/voxtools-deb-src.list
  else
    echo "setup: no Debian apt source entry found to derive a deb-src entry from" >&2
    return 1
  fi
}

need_update=0
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  need_update=1
fi
if ! has_deb_src; then
  add_deb_src
  need_update=1
fi
if ! have_all; then
  need_update=1
fi

if [ "$need_update" = 1 ]; then
  export DEBIAN_FRONTEND=noninteractive
  echo "setup: updating package lists" >&2
  apt-get update -q
  if ! have_all; then
    echo "setup: installing packages (the first run takes several minutes)" >&2
    apt-get install -y -q --no-install-recommends "${packages[@]}"
  fi
fi
echo "setup: all packages present" >&2
