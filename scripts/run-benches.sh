#!/usr/bin/env bash
# Runs every benchmark against a build directory and prints its figures.
# Usage: scripts/run-benches.sh BUILD_DIR [--quality]
# The randomness quality report takes a few minutes, so it runs only with --quality.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build}
quality=${2:-}

echo "# $(date -u +%Y-%m-%d) on $(nproc) cores: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ //')"
for bench in "$build_dir"/bench/*Bench; do
  name=$(basename "$bench")
  if [[ "$name" == QualityBench && "$quality" != --quality ]]; then
    continue
  fi
  echo "## $name"
  QT_QPA_PLATFORM=offscreen "$bench"
done
echo "## startup"
# Beside the bare Qt window, which is no *Bench and so not run above.
/usr/bin/python3 bench/startup.py --binary "$build_dir/zolvenar" --bare "$build_dir/bench/BareWindow"
