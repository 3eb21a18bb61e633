#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time, starting
# from the saved corpus (new finds go to a scratch folder, not into the repository).
# Usage: run_fuzzers.sh [seconds per target, default 30]
# The runs start from a fixed seed, so a clean clone fuzzes as the test command did on the
# developer's machine; TREVALO_FUZZ_SEED=0 draws a new seed each run, for longer explorations.
# The project reader needs Qt Core, so the fuzz build finds it without the forms.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
seed=${TREVALO_FUZZ_SEED:-1}

CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTREVALO_BUILD_GUI=OFF -DTREVALO_BUILD_TESTS=OFF -DTREVALO_BUILD_BENCHMARKS=OFF \
  -DTREVALO_BUILD_FUZZERS=ON -DTREVALO_SANITIZE=ON -DTREVALO_WARNINGS_AS_ERRORS=ON
cmake --build build/fuzz -j "$(nproc)"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# target, its saved corpus
for pair in engine/fuzz/analysis_fuzzer:engine/fuzz/corpus/analysis \
            engine/fuzz/leading_number_fuzzer:engine/fuzz/corpus/leading_number \
            engine/fuzz/simulation_fuzzer:engine/fuzz/corpus/simulation \
            project/fuzz/project_reader_fuzzer:project/fuzz/corpus; do
  target=${pair%%:*}
  corpus=$scratch/$(basename "$target")
  mkdir -p "$corpus"
  cp "${pair#*:}"/* "$corpus/"
  echo "Fuzzing $(basename "$target") for ${seconds} s"
  (cd "$scratch" && "$OLDPWD/build/fuzz/$target" -max_total_time="$seconds" -seed="$seed" \
     -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 "$corpus" 2>&1 | tail -n 15)
done
