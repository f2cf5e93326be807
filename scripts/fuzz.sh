#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (in build-fuzz/) and runs each for a bounded time,
# one after another, on one core. Findings land in build-fuzz/findings/TARGET/; the final
# statistics of every run are collected in build-fuzz/fuzz-summary.txt.
#
#   scripts/fuzz.sh [SECONDS_PER_TARGET [TARGET...]]     default: 60 seconds, every target
#
# The corpus each target grows is kept in build-fuzz/corpus/TARGET/ and reused by the next run.
# An input that breaks a target belongs, once fixed, in fuzz/regressions/TARGET/, where the
# ordinary tests replay it.
set -euo pipefail
cd "$(dirname "$0")/.."

SECONDS_PER_TARGET=${1:-60}
shift || true
BUILD_DIR=${SPECEDIT_FUZZ_BUILD_DIR:-build-fuzz}

scripts/dev.sh install

[ -f "$BUILD_DIR/build.ninja" ] ||
  cmake -S . -B "$BUILD_DIR" -G Ninja -DSPECEDIT_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_COMPILER=clang++
cmake --build "$BUILD_DIR"

export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
root=$(cd "$BUILD_DIR" && pwd)
summary="$root/fuzz-summary.txt"
while read -r name program seeds; do
  [ -n "$name" ] || continue
  if [ $# -gt 0 ] && ! printf '%s\n' "$@" | grep -qx "$name"; then continue; fi
  corpus="$root/corpus/$name"
  findings="$root/findings/$name"
  run="$root/runs/$name-$(date +%Y%m%d-%H%M%S)"
  mkdir -p "$corpus" "$findings" "$run"
  echo "== $name: $SECONDS_PER_TARGET s"
  # With -jobs libFuzzer runs the fuzzing in a child that writes fuzz-0.log into the current
  # folder, hence one folder per run. A finding ends the job; go on with the next target.
  # shellcheck disable=SC2086  # the seed folders are separate words
  (cd "$run" && "$program" "$corpus" $seeds -max_total_time="$SECONDS_PER_TARGET" -timeout=10 \
      -rss_limit_mb=2048 -jobs=1 -workers=1 -print_final_stats=1 -artifact_prefix="$findings/" \
      >driver.log 2>&1) || true
  {
    echo "== $name ($(date -Is), $SECONDS_PER_TARGET s) logs: $run"
    cat "$run"/fuzz-*.log 2>/dev/null | grep -E '^stat::(number_of_executed_units|new_units_added|peak_rss_mb)' || true
    echo "findings: $(find "$findings" -type f | wc -l)"
  } | tee -a "$summary"
done <"$BUILD_DIR/fuzz-targets.txt"
