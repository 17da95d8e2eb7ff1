#!/bin/bash
# Sets up, builds everything and runs every test through CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh build -DTALLYRUN_WERROR=ON
cmake --build build
cd build
ctest --output-on-failure --parallel 2 --timeout 300
