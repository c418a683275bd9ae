#!/usr/bin/env bash
# Installs whatever is missing, builds Drawsmith, then either starts it in the
# current directory (run) or runs every test (test). Safe to run again.
set -euo pipefail

mode=${1:-run}
case "$mode" in
run | test) ;;
*)
    echo "usage: $0 [run|test]" >&2
    exit 2
    ;;
esac

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-webengine-dev qt6-tools-dev qt6-svg-dev
    qt6-image-formats-plugins libgl-dev fonts-liberation fonts-urw-base35 fonts-dejavu-core)
# The translation tools, and Qt's own translations for the standard buttons.
packages+=(qt6-l10n-tools qt6-translations-l10n)
if [ "$mode" = test ]; then
    # Window tests under a virtual display, the end-to-end test through the
    # accessibility bus, and the registry test under wine.
    packages+=(xvfb xauth x11-utils dbus dbus-x11 at-spi2-core python3 python3-pyatspi
        g++-mingw-w64-x86-64 wine64 appstream desktop-file-utils)
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

cd "$root"
exec ctest --preset default
