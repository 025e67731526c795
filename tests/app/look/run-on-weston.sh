#!/bin/sh
# run-on-weston.sh PROGRAM [ARGUMENTS…]: runs a test program as a Wayland
# client of weston, nested in an X display of its own, so that the test can
# move and click the pointer there with xdotool. weston runs kiosk-shell:
# the window fills weston's output, which fills the display from its corner,
# so a window's points are the display's. Exits 77, which CTest counts as
# skipped, when the display or weston cannot start.
set -u
program=$1
shift
for tool in Xvfb weston xdotool; do
  command -v "$tool" >/dev/null 2>&1 || { echo "skipped: $tool is not installed"; exit 77; }
done
runtime=$(mktemp -d)
chmod 700 "$runtime"
xvfb=
weston=
cleanup() {
  [ -n "$weston" ] && kill "$weston" 2>/dev/null
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$runtime"
}
trap cleanup EXIT INT TERM

# A display number no one else holds, told by the server itself.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$runtime/display" >"$runtime/xvfb.log" 2>&1 &
xvfb=$!
waited=0
while [ ! -s "$runtime/display" ]; do
  [ "$waited" -ge 100 ] && { echo "skipped: Xvfb did not start"; exit 77; }
  sleep 0.1
  waited=$((waited + 1))
done
DISPLAY=:$(cat "$runtime/display")
export DISPLAY

XDG_RUNTIME_DIR=$runtime weston --backend=x11-backend.so --width=1200 --height=900 --shell=kiosk-shell.so \
  --socket=ornival-test --no-config --log="$runtime/weston.log" >/dev/null 2>&1 &
weston=$!
waited=0
while [ ! -S "$runtime/ornival-test" ]; do
  if [ "$waited" -ge 100 ] || ! kill -0 "$weston" 2>/dev/null; then
    echo "skipped: weston could not start:"
    tail -n 5 "$runtime/weston.log"
    exit 77
  fi
  sleep 0.1
  waited=$((waited + 1))
done

XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=ornival-test QT_QPA_PLATFORM=wayland \
  QT_WAYLAND_DISABLE_WINDOWDECORATION=1 "$program" "$@"
