#!/bin/bash
# Sets up, builds and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh build
cmake --build build --target tallyrun
exec build/app/tallyrun "$@"
