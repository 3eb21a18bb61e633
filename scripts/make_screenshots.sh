#!/usr/bin/env bash
# Builds the screenshot walker and grabs every form of the program into docs/*.png,
# on the offscreen platform (no display needed).
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install_dependencies.sh run
cmake -S . -B build/screenshots -G Ninja -DCMAKE_BUILD_TYPE=Release -DTREVALO_BUILD_TESTS=ON \
  -DTREVALO_BUILD_BENCHMARKS=OFF
cmake --build build/screenshots -j "$(nproc)" --target trevalo_screenshots
QT_QPA_PLATFORM=offscreen build/screenshots/app/trevalo_screenshots docs
