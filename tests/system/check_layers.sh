#!/bin/sh
# The engine's layers use only the ones below them, and nothing of the programs above them:
# every #include "..." of a file in a layer must name a header of that layer or a lower one.
# Usage: check_layers.sh SOURCE_DIR
set -eu
cd "$1"
layers="engine/system engine/codecs engine/options engine/formats engine/settings engine/output engine/pipeline engine/run"
above="gui cli worker app"

# The layer (its position, from 1) that holds a header, or 0 when none does.
layer_of() {
    n=0
    for layer in $layers; do
        n=$((n + 1))
        [ -f "$layer/$1" ] && { echo $n; return; }
    done
    for program in $above; do
        [ -f "$program/$1" ] && { echo 99; return; }
    done
    echo 0
}

status=0
n=0
for layer in $layers; do
    n=$((n + 1))
    for file in "$layer"/*.h "$layer"/*.cpp; do
        [ -f "$file" ] || continue
        for header in $(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file"); do
            found=$(layer_of "$header")
            if [ "$found" -gt "$n" ]; then
                echo "FAIL: $file includes $header, which is above its layer"
                status=1
            fi
        done
    done
done
[ $status -eq 0 ] && echo "PASS: every layer uses only the ones below it"
exit $status
