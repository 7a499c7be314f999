#!/usr/bin/env bash
# Sets up the machine, builds, and starts the application.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
exec "${BUILD_DIR:-build}/tarvo" "$@"
