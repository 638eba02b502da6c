#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command in the session a screen reader's user has: a D-Bus session
# of its own with the accessibility bus, an X server with a window manager,
# and accessibility switched on as a screen reader switches it on.
# Usage: session.sh COMMAND [ARG...]
set -euo pipefail
if [ -z "${VERMONA_READER_SESSION:-}" ]; then
  export VERMONA_READER_SESSION=1
  exec dbus-run-session -- "$0" "$@"
fi
work=$(mktemp -d)
pids=()
cleanup() { kill "${pids[@]}" 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT

/usr/libexec/at-spi-bus-launcher --launch-immediately &
pids+=($!)
# The accessibility bus and its registry answer before anyone listens.
address=
for _ in $(seq 100); do
  address=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
              org.a11y.Bus.GetAddress 2>/dev/null | tr -d ' ') && [ -n "$address" ] && break
  sleep 0.1
done
[ -n "$address" ] || { echo "session.sh: no accessibility bus" >&2; exit 1; }
for _ in $(seq 100); do
  dbus-send --bus="$address" --print-reply --dest=org.a11y.atspi.Registry /org/a11y/atspi/registry \
    org.freedesktop.DBus.Peer.Ping >/dev/null 2>&1 && break
  sleep 0.1
done
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)
# What a screen reader does on starting: tell every program to speak AT-SPI.
for _ in $(seq 50); do
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled variant:boolean:true \
    >/dev/null 2>&1 && break
  sleep 0.1
done
unset QT_QPA_PLATFORM
"$@"
