#!/usr/bin/env bash
# Installs every Debian package that building, testing and running the converter need.
# Idempotent: when everything is already there it only asks dpkg and returns.
set -euo pipefail

packages=(
    build-essential cmake pkg-config
    qtbase5-dev qtbase5-dev-tools libqt5svg5
    libgraphicsmagick++1-dev graphicsmagick
    libopenjp2-7-dev libjpeg-dev liblcms2-dev zlib1g-dev libseccomp-dev
    # the encoders of our own beside the library's
    libwebp-dev libjxl-dev libavif-dev
    kimageformat-plugins qt5-image-formats-plugins
    xvfb xauth
    # the hostile-file tests watch the system calls of a run
    strace
    # the packaging checks and the man page
    appstream desktop-file-utils help2man lintian
    # the layout check of changed sources
    clang-format
    # the test that splits a job into shards as a cluster would
    parallel
    # translations: lupdate and lrelease, and Qt's own texts for its dialogs in every language
    qttools5-dev-tools qttools5-dev qttranslations5-l10n
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
