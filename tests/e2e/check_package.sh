#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from the build tree, as the README does, and has lintian judge
# it at its default level: any error or warning fails.
# usage: check_package.sh <cpack> <build dir>
set -eu
if ! command -v lintian >/dev/null; then
    echo "lintian is not installed (apt-get install lintian): the package is not checked"
    exit 77
fi
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
if ! "$1" -G DEB --config "$2/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1; then
    cat "$out/cpack.log"
    exit 1
fi
deb=$(ls "$out"/*.deb)
echo "$(basename "$deb"): Depends: $(dpkg-deb -f "$deb" Depends)"
lintian --fail-on error,warning "$deb"
