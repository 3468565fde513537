#!/usr/bin/env bash
# Two real processes contend for the guard; a copy killed with SIGKILL
# must not keep the next one out.
set -euo pipefail
probe="$1"
runtime="$(mktemp -d)"; chmod 700 "$runtime"
export XDG_RUNTIME_DIR="$runtime"
trap 'kill -9 ${first:-} ${third:-} 2>/dev/null || true; rm -rf "$runtime"' EXIT

wait_for_line() { for _ in $(seq 200); do [ -s "$1" ] && return 0; sleep 0.02; done; return 1; }

"$probe" > "$runtime/first.out" & first=$!
wait_for_line "$runtime/first.out"
[ "$(cat "$runtime/first.out")" = running ] || { echo "first copy did not run"; exit 1; }

second="$(timeout 5 "$probe")"; code=$?
[ "$second" = already ] && [ $code -eq 0 ] || { echo "second copy: '$second' exit $code"; exit 1; }
kill -0 "$first" || { echo "first copy disturbed"; exit 1; }


kill -9 "$first"; wait "$first" 2>/dev/null || true
"$probe" > "$runtime/third.out" & third=$!
wait_for_line "$runtime/third.out"
[ "$(cat "$runtime/third.out")" = running ] || { echo "stale lock after kill -9"; exit 1; }
echo "single instance guard: ok"
