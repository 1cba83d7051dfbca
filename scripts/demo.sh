#!/usr/bin/env bash
# The Linux build against the sample marketplace, no network needed: starts
# tests/marketplace/serve.py on 127.0.0.1, builds the tool pointed at it into
# build/gtk-demo/, runs it on $DISPLAY (or, with none, on a private Xvfb),
# waits for the harvest, saves a screenshot of the window to
# docs/screenshots/gtk.png and stops what it started. On your own display the
# window stays up until you close it.
#
# The tool opens two shop pages in the default browser at every start; here
# they go to a stand-in browser that only lists them, so the demo never
# reaches the real marketplace.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh" core gtk

work=$(mktemp -d /tmp/velloran-demo.XXXXXX)
pids=()
finish() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap finish EXIT
trap 'exit 130' INT TERM

# A fixed port keeps the demo build from being rebuilt every time; any free
# one does when it is taken.
port=$(python3 - <<'EOF'
import socket
for port in (18080, 0):
    s = socket.socket()
    try:
        s.bind(("127.0.0.1", port))
    except OSError:
        continue
    print(s.getsockname()[1])
    break
EOF
)
python3 "$top/tests/marketplace/serve.py" --port "$port" --log "$work/requests.log" 2>"$work/server.log" &
pids+=($!)

build="$top/build/gtk-demo"
echo "demo: building the tool for the sample marketplace http://127.0.0.1:$port/ into $build"
cmake -S "$top" -B "$build" -G Ninja -DVELLORAN_GTK=ON -DVELLORAN_TESTS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVELLORAN_SOURCE_ADDRESS="http://127.0.0.1:$port/" >"$work/cmake.log" || { cat "$work/cmake.log"; exit 1; }
cmake --build "$build" -j "$(nproc)"

own_display=false
if [[ -n "${DISPLAY:-}" ]] && xdpyinfo >/dev/null 2>&1; then
  own_display=true
else
  exec {displayfd}<> <(:)
  Xvfb -displayfd "$displayfd" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
  pids+=($!)
  read -r -t 30 display <&"$displayfd" || { echo "demo: Xvfb did not start" >&2; exit 1; }
  export DISPLAY=":$display"
  echo "demo: no display; running on a private Xvfb ($DISPLAY)"
fi

# The stand-in browser, for the tool's process only.
mkdir -p "$work/data/applications" "$work/config"
cat >"$work/browser" <<EOF
#!/bin/sh
printf '%s\n' "\$1" >>"$work/opened.txt"
EOF
chmod +x "$work/browser"
printf '[Desktop Entry]\nType=Application\nName=Demo browser\nExec=%s %%u\nNoDisplay=true\n' "$work/browser" \
  >"$work/data/applications/velloran-demo-browser.desktop"
printf '[Default Applications]\nx-scheme-handler/http=velloran-demo-browser.desktop\nx-scheme-handler/https=velloran-demo-browser.desktop\n' \
  >"$work/config/mimeapps.list"

XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" "$build/velloran" &
tool=$!
pids+=("$tool")

# The walk ends with the eighth item page; give the view a moment to show it.
for _ in $(seq 1 240); do
  grep -q "GET /item/8.htm" "$work/requests.log" 2>/dev/null && break
  kill -0 "$tool" 2>/dev/null || { echo "demo: the tool ended early" >&2; exit 1; }
  sleep 0.25
done
grep -q "GET /item/8.htm" "$work/requests.log" || { echo "demo: the harvest did not finish in 60 s" >&2; exit 1; }
sleep 2
window=$(xdotool search --onlyvisible --name '^Velloran$' | head -1)
mkdir -p "$top/docs/screenshots"
import -window "$window" "$top/docs/screenshots/gtk.png"
echo "demo: the keywords harvested from the sample marketplace are in $top/docs/screenshots/gtk.png"
echo "demo: the tool asked the default browser to open:"
sed 's/^/  /' "$work/opened.txt" 2>/dev/null || true

if $own_display; then
  echo "demo: close the Velloran window to end the demo"
  wait "$tool" || true
fi
