#!/usr/bin/env bash
# Sets up the machine, builds, and starts the application in the caller's working directory
# (where it keeps its settings file, tarvo.ini).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh"
exec "$root/${BUILD_DIR:-build}/tarvo" "$@"
