#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time, starting
# from the saved corpus (new finds go to a scratch folder, not into the repository).
# Usage: run_fuzzers.sh [seconds per target, default 30]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}

CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTREVALO_BUILD_GUI=OFF -DTREVALO_BUILD_TESTS=OFF -DTREVALO_BUILD_BENCHMARKS=OFF \
  -DTREVALO_BUILD_FUZZERS=ON -DTREVALO_SANITIZE=ON -DTREVALO_WARNINGS_AS_ERRORS=ON
cmake --build build/fuzz -j "$(nproc)"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for corpus in analysis leading_number; do
  mkdir -p "$scratch/$corpus"
  cp engine/fuzz/corpus/$corpus/* "$scratch/$corpus/"
  echo "Fuzzing ${corpus} for ${seconds} s"
  (cd "$scratch" && "$OLDPWD/build/fuzz/engine/fuzz/${corpus}_fuzzer" -max_total_time="$seconds" \
     -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 "$scratch/$corpus" 2>&1 | tail -n 15)
done
