#!/bin/sh
# Builds the Debian package of a build into a temporary folder and checks what a user would
# get from it: every file at its place and nothing else, the dependencies, the entry's launcher
# path, and no error from lintian when it is installed.
# Usage: check_package.sh CPACK BUILD_DIR APP_ID VERSION
set -eu
export LC_ALL=C
cpack=$1 build=$2 id=$3 version=$4

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*"
    exit 1
}

"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack could not build the package"; }
deb=$work/tarvo_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $deb; cpack made: $(ls "$work")"

# Files and links only: the folders follow from them.
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $1, $6 }' | sort -k2 >"$work/contents"
sed 's/ .*//' "$work/contents" | grep -v '^-rw-r--r--$' | grep -v '^-rwxr-xr-x$' &&
    fail "odd file modes: $(cat "$work/contents")"
awk '{ print $2 }' "$work/contents" >"$work/files"
awk '$1 == "-rwxr-xr-x" { print $2 }' "$work/contents" >"$work/programs"

{
    echo ./usr/bin/tarvo
    echo ./usr/bin/tarvo-convert
    echo ./usr/libexec/tarvo/tarvo-desktop
    echo ./usr/libexec/tarvo/tarvo-worker
    echo "./usr/share/applications/$id.desktop"
    echo ./usr/share/doc/tarvo/changelog.gz
    echo ./usr/share/doc/tarvo/copyright
    for size in 16 24 32 48 64 96 128 256; do
        echo "./usr/share/icons/hicolor/${size}x$size/apps/tarvo.png"
    done
    echo ./usr/share/man/man1/tarvo-convert.1.gz
    echo ./usr/share/man/man1/tarvo.1.gz
    echo "./usr/share/metainfo/$id.metainfo.xml"
} | sort >"$work/expected"
diff -u "$work/expected" "$work/files" || fail "the package's files differ from the list above"
head -n 4 "$work/expected" | diff -u - "$work/programs" || fail "the programs are not executable"

field() {
    dpkg-deb -f "$deb" "$1"
}
[ "$(field Package)" = tarvo ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Section)" = graphics ] || fail "Section: $(field Section)"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
[ "$(field Description | wc -l)" -gt 3 ] || fail "no long description: $(field Description)"
depends=$(field Depends)
echo "Depends: $depends"
# The plug-ins by name; the libraries as dpkg-shlibdeps found them in the programs.
for package in kimageformat-plugins qt5-image-formats-plugins libc6 libqt5widgets5 \
    libgraphicsmagick++-q16-12 libopenjp2-7 libwebp7 libwebpmux3 libwebpdemux2 libjxl0.7 \
    libavif15 libseccomp2; do
    echo "$depends" | tr -d ' ' | tr ',' '\n' | grep -q "^$package\((.*)\)\?$" ||
        fail "Depends lacks $package"
done

dpkg-deb --fsys-tarfile "$deb" | tar -xOf - "./usr/share/applications/$id.desktop" >"$work/entry"
grep -qx 'Exec=/usr/libexec/tarvo/tarvo-desktop %F' "$work/entry" ||
    fail "the entry does not start the packaged launcher: $(grep ^Exec= "$work/entry")"

if command -v lintian >/dev/null; then
    lintian --allow-root "$deb" >"$work/lintian" 2>&1 || true
    cat "$work/lintian"
    ! grep -q '^E:' "$work/lintian" || fail "lintian found errors"
else
    echo "lintian is not installed: its check is skipped"
fi
echo "PASS: $deb"
