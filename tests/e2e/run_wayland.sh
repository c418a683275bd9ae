#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command as a Wayland client of its own headless weston, in a private runtime folder.
# usage: run_wayland.sh <command> <arguments...>
set -eu
if ! command -v weston >/dev/null; then
    echo "SKIP: weston is missing (Debian: weston)"
    exit 77
fi
runtime=$(mktemp -d "${TMPDIR:-/tmp}/drawsmith-wayland.XXXXXX")
chmod 700 "$runtime"
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket=wayland-drawsmith --idle-time=0 \
    --log="$runtime/weston.log" &
weston=$!
trap 'kill "$weston" 2>/dev/null || true; wait "$weston" 2>/dev/null || true; rm -rf "$runtime"' EXIT
tries=0
until [ -S "$runtime/wayland-drawsmith" ]; do
    tries=$((tries + 1))
    if [ $tries -ge 300 ] || ! kill -0 "$weston" 2>/dev/null; then
        echo "weston did not start:"
        cat "$runtime/weston.log"
        exit 1
    fi
    sleep 0.1
done
unset DISPLAY
export XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=wayland-drawsmith QT_QPA_PLATFORM=wayland
# The headless output has no seat, and Qt 6.4's Wayland text input then fails on the first
# pop-up list it opens; no input method is needed here.
export QT_IM_MODULE=none
status=0
"$@" || status=$?
exit $status
