#!/usr/bin/env bash
# Builds the program and starts it on the demo catalogue.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh build
exec ./build/autoparts "$@"
