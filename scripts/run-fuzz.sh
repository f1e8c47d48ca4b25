#!/usr/bin/env bash
# Runs every libFuzzer target of a build for a bounded time, each from an empty
# corpus of its own. Usage: scripts/run-fuzz.sh BUILD_DIR SECONDS
# Exits non-zero when a target is missing, crashes or a sanitizer reports.
set -euo pipefail

build_dir=${1:?usage: run-fuzz.sh BUILD_DIR SECONDS}
seconds=${2:?usage: run-fuzz.sh BUILD_DIR SECONDS}
build_dir=$(cd "$build_dir" && pwd)

mapfile -t targets < <(find "$build_dir/tests" -maxdepth 1 -type f -name '*Fuzz' -perm -u+x | sort)
if ((${#targets[@]} == 0)); then
  echo "run-fuzz: no fuzz targets in $build_dir/tests (configure with -DZOLVENAR_FUZZ=ON)" >&2
  exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=0:detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

status=0
for target in "${targets[@]}"; do
  name=$(basename "$target")
  corpus="$work/$name-corpus"
  artifacts="$work/$name-artifacts"
  mkdir -p "$corpus" "$artifacts"
  echo "run-fuzz: $name for ${seconds}s"
  # Crash inputs are kept beside the build so a failure can be replayed.
  if ! (cd "$work" && "$target" "$corpus" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$artifacts/" -print_final_stats=1 >"$work/$name.log" 2>&1); then
    status=1
    mkdir -p "$build_dir/fuzz-artifacts"
    cp -r "$artifacts/." "$build_dir/fuzz-artifacts/" 2>/dev/null || true
    tail -n 60 "$work/$name.log" >&2
    echo "run-fuzz: $name FAILED; inputs in $build_dir/fuzz-artifacts" >&2
  elif grep -qE 'ERROR: (Address|Undefined|Leak)Sanitizer|runtime error:' "$work/$name.log"; then
    status=1
    tail -n 60 "$work/$name.log" >&2
    echo "run-fuzz: $name reported a sanitizer error" >&2
  else
    grep -E '^stat::(number_of_executed_units|peak_rss_mb)' "$work/$name.log" || true
    echo "run-fuzz: $name passed"
  fi
done
exit "$status"
