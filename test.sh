#!/usr/bin/env bash
# Sets up everything the tests need and runs them all: the suite with warnings as
# errors, the check that the install list brings every build dependency, the Debian
# package check, the suite again under AddressSanitizer and UndefinedBehaviorSanitizer,
# and a bounded fuzzing run.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install_dependencies.sh test

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTREVALO_WARNINGS_AS_ERRORS=ON
cmake --build build/test -j "$jobs"
# Every header, library and CMake package the build used comes from the install list.
./scripts/check_build_dependencies.sh build/test
ctest --test-dir build/test --output-on-failure -j "$jobs" | tee build/test/ctest.log

rm -f build/test/trevalo_*.deb
(cd build/test && cpack -G DEB)
./scripts/check_package.sh build/test/trevalo_*.deb

cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTREVALO_WARNINGS_AS_ERRORS=ON \
  -DTREVALO_SANITIZE=ON -DTREVALO_BUILD_BENCHMARKS=OFF
cmake --build build/sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build/sanitize --output-on-failure -j "$jobs" | tee build/sanitize/ctest.log

./scripts/run_fuzzers.sh 20

# Every stage above stops the script on a failure, so reaching here means all passed.
counted() { grep -oE 'tests failed out of [0-9]+' "$1" | grep -oE '[0-9]+$' | tail -n 1; }
echo "tests: $(( $(counted build/test/ctest.log) + $(counted build/sanitize/ctest.log) )) passed, 0 failed"
