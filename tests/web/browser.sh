#!/bin/bash
# Serves the page of make web on localhost and runs the browser test
# (browser/browser_test.mjs) in the system's chromium against it.
# usage: browser.sh WEB_BUILD NATIVE_HEADLESS BUILT_DATA_DIR
set -eu
HERE=$(cd "$(dirname "$0")" && pwd)
PAGE=$(realpath "$1")
HEADLESS=$(realpath "$2")
DATA=$(realpath "$3")
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
python3 -m http.server "$port" --bind 127.0.0.1 --directory "$PAGE" >/dev/null 2>&1 &
server=$!
trap 'kill $server' EXIT
for _ in $(seq 50); do
    python3 -c "import urllib.request; urllib.request.urlopen('http://127.0.0.1:$port/')" 2>/dev/null && break
    sleep 0.1
done
stages=("$HERE"/../playthrough/stages/0[12]_*.keys)
node "$HERE/browser/browser_test.mjs" "http://127.0.0.1:$port/" "$PAGE" "$HEADLESS" "$DATA" "${stages[@]}"
