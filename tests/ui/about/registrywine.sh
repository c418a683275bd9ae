#!/usr/bin/env bash
# Cross-compiles registryprobe.cpp with the About box's registry code for
# Windows, writes the values it expects into a private wine registry and runs it.
# usage: registrywine.sh <about sources> <probe source> <work folder>
set -euo pipefail

about_src=$1
probe_src=$2
work=$3

cxx=x86_64-w64-mingw32-g++
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver64
for tool in "$(command -v "$cxx" || echo "$cxx")" "$wine" "$wineserver"; do
    if [ ! -x "$tool" ]; then
        echo "missing $tool: install g++-mingw-w64-x86-64 and wine64 (scripts/bootstrap.sh test does)" >&2
        exit 1
    fi
done

mkdir -p "$work"
"$cxx" -std=c++20 -O1 -Wall -Wextra -static -I"$about_src" "$about_src/registry.cpp" \
    "$about_src/advapi32registry.cpp" "$probe_src" -ladvapi32 -o "$work/registryprobe.exe"

export WINEPREFIX="$work/wineprefix" WINEARCH=win64 WINEDEBUG=-all DISPLAY=
# No Mono or Gecko installer prompts in a fresh prefix.
export WINEDLLOVERRIDES="mscoree,mshtml="
trap '"$wineserver" -k >/dev/null 2>&1 || true' EXIT

log="$work/wine.log"
: >"$log"
"$wine" wineboot --init >>"$log" 2>&1

reg_add() {
    if ! "$wine" reg add "$@" /f >>"$log" 2>&1; then
        echo "reg add $* failed" >&2
        cat "$log" >&2
        exit 1
    fi
}
key='HKCU\Software\Drawsmith\RegistryProbe'
"$wine" reg delete "$key" /f >>"$log" 2>&1 || true
reg_add "$key" /v Text /t REG_SZ /d 'Drawsmith test text'
reg_add "$key" /v Number /t REG_DWORD /d 305419896  # 0x12345678
reg_add "$key" /v SmallNumber /t REG_DWORD /d 2571  # 0x00000A0B
reg_add "$key" /v Expand /t REG_EXPAND_SZ /d '%SystemRoot%\system32'
reg_add "$key" /v Fits /t REG_SZ /d "$(printf 'f%.0s' $(seq 1023))"
reg_add "$key" /v JustTooLong /t REG_SZ /d "$(printf 'j%.0s' $(seq 1024))"
reg_add "$key" /v Long /t REG_SZ /d "$(printf 'l%.0s' $(seq 1100))"
reg_add 'HKLM\SOFTWARE\Microsoft\Shared Tools\MSINFO' /v PATH /t REG_SZ \
    /d 'C:\Program Files\Common Files\Microsoft Shared\MSInfo\msinfo32.exe'

"$wine" "$work/registryprobe.exe" 2>>"$log"
