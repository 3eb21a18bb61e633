#!/usr/bin/env bash
# Installs what is missing, builds Trevalo in Release into build/release and starts it.
# Arguments are passed on to the program.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install_dependencies.sh run
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DTREVALO_BUILD_TESTS=OFF \
  -DTREVALO_BUILD_BENCHMARKS=OFF
cmake --build build/release -j "$(nproc)" --target trevalo
exec build/release/app/trevalo "$@"
