#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-compiles registryprobe.cpp with the About box's registry code for Windows,
# writes the values it reads into a private wine registry and runs it.
# usage: registrywine.sh <about sources> <probe source> <work folder>
set -euo pipefail
about_src=$1 probe_src=$2 work=$3
cxx=x86_64-w64-mingw32-g++ wine=/usr/lib/wine/wine64 wineserver=/usr/lib/wine/wineserver64
for tool in "$(command -v "$cxx" || echo "$cxx")" "$wine" "$wineserver"; do
    [ -x "$tool" ] || { echo "missing $tool: install g++-mingw-w64-x86-64 and wine64 (scripts/bootstrap.sh test does)" >&2; exit 1; }
done

mkdir -p "$work"
"$cxx" -std=c++20 -O1 -Wall -Wextra -static -I"$about_src" "$about_src/registry.cpp" \
    "$about_src/advapi32registry.cpp" "$probe_src" -ladvapi32 -o "$work/registryprobe.exe"

# A private prefix, with no Mono or Gecko installer prompts.
export WINEPREFIX="$work/wineprefix" WINEARCH=win64 WINEDEBUG=-all DISPLAY= WINEDLLOVERRIDES="mscoree,mshtml="
trap '"$wineserver" -k >/dev/null 2>&1 || true' EXIT
log="$work/wine.log"
"$wine" wineboot --init >"$log" 2>&1

reg_add() { "$wine" reg add "$@" /f >>"$log" 2>&1 || { echo "reg add $* failed" >&2; cat "$log" >&2; exit 1; }; }
key='HKCU\Software\Drawsmith'
"$wine" reg delete "$key" /f >>"$log" 2>&1 || true
reg_add "$key" /v Fits1023 /t REG_SZ /d "$(printf 'f%.0s' $(seq 1023))"
reg_add "$key" /v TooLong1024 /t REG_SZ /d "$(printf 't%.0s' $(seq 1024))"
reg_add "$key" /v ZeroTopByteTakenForTerminator /t REG_DWORD /d 2571 # 0x00000A0B, stored low byte first
reg_add "$key" /v ExpandableNotKept /t REG_EXPAND_SZ /d '%SystemRoot%\system32'
reg_add 'HKLM\SOFTWARE\Microsoft\Shared Tools\MSINFO' /v PATH /t REG_SZ /d 'C:\msinfo32.exe'

"$wine" "$work/registryprobe.exe" 2>>"$log"
