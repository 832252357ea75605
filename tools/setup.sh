#!/usr/bin/env bash
# Installs every Debian package that building and testing the project needs. Safe to run
# again: when everything is there it installs nothing. Runs as root or through sudo.
set -euo pipefail

packages=(
  cmake ninja-build ccache pkg-config g++
  libgtest-dev libgmock-dev libbenchmark-dev
  libsimdjson-dev libcpp-httplib-dev libsqlite3-dev libhpdf-dev fonts-dejavu-core
  poppler-utils sqlite3
  g++-mingw-w64-x86-64-posix
  qt6-base-dev libfreexl-dev fonts-liberation2
  qt6-webengine-dev xvfb xauth
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo >/dev/null; then
  as_root=(sudo)
else
  echo "setup: these packages are missing and there is neither root nor sudo: ${missing[*]}" >&2
  exit 1
fi

echo "setup: installing ${missing[*]}"
"${as_root[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
