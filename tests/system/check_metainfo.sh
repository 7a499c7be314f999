#!/bin/sh
# Validates the AppStream metainfo and checks that every screenshot it announces is a
# picture in the repository, where its address (the configured base) will serve it from.
# Usage: check_metainfo.sh METAINFO URL_BASE SOURCE_DIR
set -eu
metainfo=$1 base=$2 source=$3

appstreamcli validate --no-net "$metainfo"

images=$(sed -n 's:.*<image>\(.*\)</image>.*:\1:p' "$metainfo")
[ -n "$images" ] || { echo "FAIL: no screenshot"; exit 1; }
for url in $images; do
    path=${url#"$base"/}
    [ "$path" != "$url" ] || { echo "FAIL: $url is not under $base"; exit 1; }
    head -c 8 "$source/$path" | od -An -c | grep -q 'P   N   G' ||
        { echo "FAIL: $url: $source/$path is not a PNG picture"; exit 1; }
done
echo "PASS: $images"
