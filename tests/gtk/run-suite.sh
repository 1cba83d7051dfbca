#!/usr/bin/env bash
# The end-to-end suite of the GTK build. Builds the tool pointed at a sample
# marketplace on a free 127.0.0.1 port, then runs tests/gtk/suite.py under a
# private Xvfb display and D-Bus session (for the accessibility bus), with a
# temporary home whose default browser is a handler that writes down every
# address it is given. Everything it starts is stopped on the way out.
#
# VELLORAN_SUITE_BUILD=Asan (or Tsan, Debug) runs it on that build of the tool.
set -uo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d /tmp/velloran-gtk-suite.XXXXXX)
xvfb=""

finish() {
  [[ -n "$xvfb" ]] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap finish EXIT
trap 'exit 130' INT TERM

fail_all() {
  echo "$1" >&2
  echo "0 passed, 1 failed"
  exit 1
}

port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
type=${VELLORAN_SUITE_BUILD:-RelWithDebInfo}
build="$top/build/gtk-suite-$type"
echo "building the GTK tool for http://127.0.0.1:$port/ into $build"
cmake -S "$top" -B "$build" -G Ninja -DVELLORAN_GTK=ON -DVELLORAN_TESTS=OFF -DCMAKE_BUILD_TYPE="$type" \
  -DVELLORAN_SOURCE_ADDRESS="http://127.0.0.1:$port/" >"$work/cmake.log" 2>&1 &&
  cmake --build "$build" -j "$(nproc)" --target velloran velloran_gtk_window_thread_test >>"$work/cmake.log" 2>&1 ||
  { cat "$work/cmake.log" >&2; fail_all "the GTK build failed"; }

# A home of its own, and a default browser that only writes addresses down.
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
export XDG_CACHE_HOME="$work/home/.cache" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME/applications" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
captured="$work/opened.txt"
cat >"$work/capture-browser" <<EOF
#!/bin/sh
printf '%s\n' "\$1" >>"$captured"
EOF
chmod +x "$work/capture-browser"
cat >"$XDG_DATA_HOME/applications/velloran-capture.desktop" <<EOF
[Desktop Entry]
Type=Application
Name=Capturing browser
Exec=$work/capture-browser %u
MimeType=x-scheme-handler/http;x-scheme-handler/https;
NoDisplay=true
EOF
cat >"$XDG_CONFIG_HOME/mimeapps.list" <<EOF
[Default Applications]
x-scheme-handler/http=velloran-capture.desktop
x-scheme-handler/https=velloran-capture.desktop
EOF
unset http_proxy https_proxy HTTP_PROXY HTTPS_PROXY all_proxy ALL_PROXY no_proxy NO_PROXY
export NO_AT_BRIDGE=0 GTK_A11Y=atk
# GTK and its libraries keep some memory for the life of the process.
export ASAN_OPTIONS=detect_leaks=0:halt_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# Xvfb picks a free display itself and tells us its number.
exec {displayfd}<> <(:)
Xvfb -displayfd "$displayfd" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
read -r -t 30 display <&"$displayfd" || fail_all "Xvfb did not start"
export DISPLAY=":$display"

# The system's Python: it has the GObject bindings for AT-SPI.
dbus-run-session -- /usr/bin/python3 "$top/tests/gtk/suite.py" "$build/velloran" "$port" "$work" "$captured" \
  2> >(grep -v -e '^dbus-daemon\[' -e 'SpiRegistry daemon' >&2) | tee "$work/suite.out"
status=${PIPESTATUS[0]}
grep -qE '^[0-9]+ passed, [0-9]+ failed$' "$work/suite.out" || fail_all "the suite ended before its summary"
exit "$status"
