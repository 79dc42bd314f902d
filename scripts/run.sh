#!/usr/bin/env bash
# Builds and starts a program in its demonstration folder (created on first use):
#   scripts/run.sh            MIRSAClient, in demo/mirsaclient
#   scripts/run.sh tallisk    Tallisk, in demo/tallisk
# Without a display it runs the program under Xvfb, waits for its first window, saves a
# screenshot of the screen and exits.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$(pwd)
bash scripts/install-deps.sh

program=${1:-mirsaclient}
cmake -S . -B build/run -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
case "$program" in
  mirsaclient)
    cmake --build build/run --target MIRSAClient
    demo=$top/demo/mirsaclient
    binary=$top/build/run/mirsaclient/MIRSAClient
    first_window=TALVORA
    if [ ! -d "$demo" ]; then
      mkdir -p "$demo/MIRSA"
      cp data/DISTRICTS.TXT "$demo/DISTRICTS.TXT"
      # The demonstration branch's parameters, stored as the client stores them.
      /usr/bin/python3 - "$demo/MIRSA/Param.tlv" <<'PY'
import sys
fields = ["000100020003", "DEMO BANK MAIN BRANCH", "1", "2", "3", "12.5",
          "1 MARKET ROAD", "PUNE", "411001", "2345678", "020", "2345679", "020",
          "MAKER1", "maker1pass", "MAKER2", "maker2pass", "CHECKER", "checkerpass",
          "127.0.0.1", "branch@demo.example", "My Connection"]
plain = "|".join(fields).encode("ascii")
open(sys.argv[1], "wb").write(bytes(b ^ 0xC7 for b in plain))
PY
      chmod 600 "$demo/MIRSA/Param.tlv"
    fi
    ;;
  tallisk)
    cmake --build build/run --target Tallisk
    demo=$top/demo/tallisk
    binary=$demo/Tallisk
    first_window="Please enter your Member ID"
    mkdir -p "$demo"
    [ -f "$demo/tvpans.txt" ] || [ -f "$demo/header$(date +%Y).txt" ] || cp tallisk/demo/tvpans.txt "$demo/"
    # The calculator keeps its files beside its program file.
    cp "$top/build/run/tallisk/Tallisk" "$binary"
    ;;
  *)
    echo "usage: scripts/run.sh [tallisk]" >&2
    exit 2
    ;;
esac

cd "$demo"
if [ -n "${DISPLAY:-}" ]; then
  exec "$binary"
fi

shot=$demo/screenshot.png
echo "No display: running under Xvfb; the screenshot goes to $shot"
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
"$binary" &
app=$!
found=
for _ in $(seq 100); do
  if xwininfo -root -tree 2>/dev/null | grep -q "\"$first_window\""; then found=1; break; fi
  sleep 0.1
done
sleep 0.5  # let the window finish painting
import -window root "$shot"
kill $app 2>/dev/null || true
wait $app 2>/dev/null || true
[ -n "$found" ] || { echo "The window \"$first_window\" did not appear." >&2; exit 1; }
echo "Screenshot: $shot"
