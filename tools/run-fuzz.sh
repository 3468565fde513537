#!/usr/bin/env bash
# Builds the libFuzzer targets of the file readers with clang (ASan+UBSan)
# in build-fuzz and runs each one for a while from a generated seed corpus.
#
#   tools/run-fuzz.sh [seconds-per-target]      (default 20)
#
# Any crash, sanitizer report, leak, time-out or out-of-memory is a finding:
# the script then exits non-zero and the reproducer is left in
# build-fuzz/artifacts/. A longer run, e.g. before a release:
#
#   tools/run-fuzz.sh 1800
#
# and one target on its own, with its grown corpus kept between runs:
#
#   build-fuzz/fuzz/fuzz_cursor_file -max_total_time=3600 build-fuzz/corpus/cursor_file
#
# Set TAVRIN_FUZZ_BUILD_DIR to build somewhere else.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-20}"
build="${TAVRIN_FUZZ_BUILD_DIR:-$root/build-fuzz}"
targets=(cursor_file ini_file color_from_text jpeg_decoder bmp_reader)

cmake -S "$root" -B "$build" -G Ninja -DTAVRIN_FUZZ=ON -DTAVRIN_TESTS=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" -j2 --target fuzz_make_seeds $(printf 'fuzz_%s ' "${targets[@]}")

"$build/fuzz/fuzz_make_seeds" "$build/seeds"
mkdir -p "$build/artifacts"

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
status=0
for target in "${targets[@]}"; do
  corpus="$build/corpus/$target"
  mkdir -p "$corpus"
  echo "== fuzz_$target for ${seconds}s"
  if ! "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=25 -rss_limit_mb=2048 \
        -max_len=65536 -print_final_stats=1 -artifact_prefix="$build/artifacts/$target-" \
        "$corpus" "$build/seeds/$target" >"$build/fuzz_$target.log" 2>&1; then
    echo "!! fuzz_$target found a problem; log: $build/fuzz_$target.log"
    tail -n 40 "$build/fuzz_$target.log"
    status=1
  else
    grep -E '^stat::number_of_executed_units|^stat::new_units_added' "$build/fuzz_$target.log" || true
  fi
done
exit $status
