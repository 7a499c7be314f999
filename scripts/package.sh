#!/usr/bin/env bash
# Sets up the machine, builds, and makes the Debian package in ./build. Its path is the only
# line on stdout (deb=$(bash scripts/package.sh)); everything else goes to stderr.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh >&2
bash scripts/build.sh >&2
build_dir=${BUILD_DIR:-build}
log=$(cd "$build_dir" && cpack -G DEB)
echo "$log" >&2
echo "$log" | sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p'
