#!/usr/bin/env bash
# Fails when a C++ file changed here is not laid out as .clang-format says. Changed: differing
# from the branch this one tracks (or, without one, or on it, from the commit before the last)
# and not yet committed. Sections between "clang-format off" and "on" are left as they are.
# Usage: check_format.sh [BASE]  (a commit to compare with instead)
set -euo pipefail
cd "$(dirname "$0")/.."
git rev-parse --git-dir >/dev/null 2>&1 || { echo "not a git checkout: nothing to check"; exit 0; }

base=${1:-}
if [ -z "$base" ]; then
    upstream=$(git rev-parse -q --verify '@{upstream}' 2>/dev/null || true)
    if [ -n "$upstream" ] && [ "$(git merge-base HEAD "$upstream")" != "$(git rev-parse HEAD)" ]; then
        base=$(git merge-base HEAD "$upstream")
    elif git rev-parse -q --verify HEAD~1 >/dev/null; then
        base=HEAD~1
    else
        base=$(git hash-object -t tree /dev/null) # the first commit: every file
    fi
fi

mapfile -t files < <( { git diff --name-only --diff-filter=d "$base" -- '*.cpp' '*.h';
    git ls-files --others --exclude-standard -- '*.cpp' '*.h'; } | sort -u)
bad=0
for file in "${files[@]}"; do
    [ -f "$file" ] || continue
    if ! clang-format --dry-run --Werror "$file" 2>/dev/null; then
        echo "FAIL: $file is not laid out as .clang-format says: clang-format -i $file"
        bad=1
    fi
done
[ $bad -eq 0 ] && echo "PASS: ${#files[@]} changed C++ files laid out as .clang-format says"
exit $bad
