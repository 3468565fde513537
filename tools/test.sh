#!/usr/bin/env bash
# Installs what is needed, builds Tavrin twice (plain, and with ASan+UBSan)
# and runs every test: unit tests in both builds, the end-to-end tests on a
# virtual desktop, and a short fuzzing pass.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/tools/install-deps.sh"

"$root/tools/build.sh" "$root/build"
"$root/tools/build.sh" "$root/build-asan" -DTAVRIN_SANITIZE=ON

export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
status=0
echo "== unit and end-to-end tests (plain build)"
(cd "$root/build" && ctest --output-on-failure -j2 -LE e2e) || status=1
(cd "$root/build" && ctest --output-on-failure -L e2e) || status=1
echo "== unit tests (ASan+UBSan build)"
(cd "$root/build-asan" && ctest --output-on-failure -j2 -LE e2e) || status=1
if [ -x "$root/tools/run-fuzz.sh" ]; then
  echo "== fuzzing, short pass"
  "$root/tools/run-fuzz.sh" 15 || status=1
fi
exit $status
