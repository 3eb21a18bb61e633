#!/usr/bin/env bash
# Sets up everything the tests need, builds, and runs the whole test suite twice:
# once with warnings as errors, once under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install_dependencies.sh test

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTREVALO_WARNINGS_AS_ERRORS=ON
cmake --build build/test -j "$jobs"
ctest --test-dir build/test --output-on-failure -j "$jobs"

cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTREVALO_WARNINGS_AS_ERRORS=ON \
  -DTREVALO_SANITIZE=ON -DTREVALO_BUILD_BENCHMARKS=OFF
cmake --build build/sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build/sanitize --output-on-failure -j "$jobs"

# Fuzz the analysis and the number reading for about a minute together.
./scripts/run_fuzzers.sh 30

# Build the Debian package and check it, including a start of the installed program.
(cd build/test && cpack -G DEB)
./scripts/check_package.sh build/test/trevalo_*.deb
