#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs whatever is missing, builds Drawsmith, then starts it in the current
# directory (run), runs every test (test) or builds the Debian package and has
# lintian check it (package). Safe to run again.
set -euo pipefail

mode=${1:-run}
case "$mode" in
run | test | package) ;;
*)
    echo "usage: $0 [run|test|package]" >&2
    exit 2
    ;;
esac

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-webengine-dev qt6-tools-dev qt6-svg-dev
    qt6-image-formats-plugins libgl-dev fonts-liberation fonts-urw-base35 fonts-dejavu-core
    libxcb1-dev libfontconfig-dev file dpkg-dev)
# The translation tools, and Qt's own translations for the standard buttons.
packages+=(qt6-l10n-tools qt6-translations-l10n)
# cpack reads the program's libraries with file and dpkg-shlibdeps (dpkg-dev) to list what
# the package depends on; lintian checks the package.
if [ "$mode" != run ]; then
    packages+=(lintian)
fi
if [ "$mode" = test ]; then
    # Window tests under a virtual display and a headless Wayland compositor, the
    # end-to-end test through the accessibility bus, the registry test under wine,
    # the bash completion, and printed slips read back.
    packages+=(xvfb xauth x11-utils weston qt6-wayland dbus dbus-x11 at-spi2-core python3 python3-pyatspi bash-completion
        poppler-utils g++-mingw-w64-x86-64 wine64 appstream desktop-file-utils)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
fi

(cd "$root" && cmake --preset default >/dev/null && cmake --build --preset default)

if [ "$mode" = run ]; then
    exec "$root/build/default/drawsmith"
fi

if [ "$mode" = package ]; then
    cd "$root/build/default"
    deb=$(cpack -G DEB | sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p')
    [ -n "$deb" ] || exit 1
    lintian --fail-on error,warning "$deb"
    echo "$deb"
    exit 0
fi

cd "$root"
exec ctest --preset default
