#!/usr/bin/env bash
# Configures and builds into a build folder (default: build).
# Usage: scripts/build.sh [BUILD_DIR] [extra cmake options...]
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${1:-build}"; shift || true
bash scripts/install-deps.sh
cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
cmake --build "$dir" -j "$(nproc)"
