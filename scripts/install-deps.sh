#!/bin/sh
# Installs the Debian packages the build, the tests and the game need.
# Does nothing when they are all present; uses sudo when not run as root.
set -e
# With "web": only what the browser build and its tests add (make web,
# make web-test); npm comes with some builds of node, else from its package.
PACKAGES="g++ python3 clang libclang-rt-dev cmake make pkg-config zlib1g-dev libsdl2-dev libsdl2-mixer-dev libx11-dev libvorbis-dev libgtest-dev libbenchmark-dev xvfb xdotool x11-utils x11-apps dpkg-dev lintian"
if [ "${1:-}" = web ]; then
  PACKAGES="emscripten node-acorn nodejs chromium"
  command -v npm >/dev/null || PACKAGES="$PACKAGES npm"
fi
missing=""
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q || true
$SUDO apt-get install -y -q $missing
