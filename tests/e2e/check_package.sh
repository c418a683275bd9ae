#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from the build tree, as the README does, and has lintian judge
# it at its default level: any error or warning fails. lintian lets a package named twice in
# Depends pass, so that is checked here.
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
depends=$(dpkg-deb -f "$deb" Depends)
echo "$(basename "$deb"): Depends: $depends"
twice=$(echo "$depends" | tr ',|' '\n\n' | sed 's/^ *//; s/[ (].*//' | sort | uniq -d)
if [ -n "$twice" ]; then
    echo "FAIL: named more than once in Depends:" $twice
    exit 1
fi
lintian --fail-on error,warning "$deb"

# Hardening that lintian only mentions (Debian's compiler makes some of it the default, not
# every compiler does): full RELRO, stack protection, and a position-independent program.
dpkg-deb -x "$deb" "$out/root"
find "$out/root" -type f | while read -r elf; do
    kind=$(file -b "$elf")
    case $kind in
    *ELF*executable*) case $kind in *pie*) ;; *) echo "FAIL: $elf is not position-independent"; exit 1 ;; esac ;;
    *ELF*) ;;
    *) continue ;;
    esac
    readelf -dW "$elf" | grep -q BIND_NOW || { echo "FAIL: $elf is not linked with -z now"; exit 1; }
    readelf -lW "$elf" | grep -q GNU_RELRO || { echo "FAIL: $elf has no RELRO segment"; exit 1; }
    readelf -sW --dyn-syms "$elf" | grep -q __stack_chk_fail || { echo "FAIL: $elf has no stack protection"; exit 1; }
done
