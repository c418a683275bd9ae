#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs an end-to-end script under its own virtual display and private session bus.
# usage: run_e2e.sh <python3> <script.py> <arguments...>
set -eu
# xvfb-run -a takes the first free display from -n on; two runs starting at the same
# moment would both take :99, so each run starts looking somewhere else.
first=$((100 + $$ % 800))
exec xvfb-run -a -n "$first" -s "-screen 0 1600x1200x24 -nolisten tcp -noreset" sh -c '
    # The accessibility registry opens the display once, when the bus starts: let the
    # display take clients first (xdpyinfo comes with x11-utils).
    if command -v xdpyinfo >/dev/null; then
        tries=0
        until xdpyinfo >/dev/null 2>&1 || [ $tries -ge 300 ]; do
            tries=$((tries + 1))
            sleep 0.1
        done
        [ $tries -eq 0 ] || echo "# display ready after $tries tries"
    fi
    exec dbus-run-session -- "$@"' sh "$@"
