#!/usr/bin/env bash
# Runs a command against a PulseAudio server of its own, whose one sink "exact"
# is a null sink at the clips' own rate and format, so what a program plays can
# be recorded unchanged from "exact.monitor". Exits 77 (skipped) where no such
# server can start.
set -u
if ! command -v pulseaudio >/dev/null || ! command -v parec >/dev/null; then
  echo "SKIPPED: pulseaudio and parec are not installed"
  exit 77
fi
runtime=$(mktemp -d)
chmod 700 "$runtime"
export XDG_RUNTIME_DIR=$runtime XDG_CONFIG_HOME=$runtime/config
unset PULSE_SERVER
stop_server() {
  [ -f "$runtime/pulse/pid" ] && kill "$(cat "$runtime/pulse/pid")" 2>/dev/null
  rm -rf "$runtime"
}
trap stop_server EXIT

if ! pulseaudio -D -n --exit-idle-time=-1 --disallow-exit --system=false \
    --load="module-null-sink sink_name=exact rate=11025 channels=1 format=s16le" \
    --load=module-native-protocol-unix 2>"$runtime/server.log" ||
   ! pactl info >/dev/null 2>&1; then
  echo "SKIPPED: no PulseAudio server could start here:"
  cat "$runtime/server.log"
  exit 77
fi
"$@"
