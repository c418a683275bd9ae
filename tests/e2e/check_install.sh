#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build tree into a scratch root and checks the program, its modules, the browser program, the
# icons and the launcher's data folder.
# usage: check_install.sh <cmake> <build dir> <games dir> <libdir>
set -eu
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR=$root "$1" --install "$2" --prefix /usr >/dev/null
usr=$root/usr
fail() { echo "FAIL: $*"; exit 1; }
games=$usr/$3
[ -x "$games/drawsmith" ] || fail "no program in $3"
[ -x "$usr/$4/drawsmith/drawsmith-browser" ] || fail "no browser program in $4/drawsmith"
[ -f "$usr/$4/drawsmith/drawsmith_window.so" ] || fail "no window module in $4/drawsmith"
[ -f "$usr/share/bash-completion/completions/drawsmith" ] || fail "no bash completion"
# The installed program finds its window module, and answers without it in the terminal.
"$games/drawsmith" --version | grep -q "^drawsmith " || fail "--version of the installed program"
icons=$usr/share/icons/hicolor
[ -f "$icons/scalable/apps/drawsmith.svg" ] || fail "no scalable icon"
for size in 16 24 32 48 64 128 256; do
    # A PNG's width and height are big-endian words at bytes 16 and 20.
    [ "$(od -An -tx1 -j16 -N8 "$icons/${size}x$size/apps/drawsmith.png" | tr -d ' \n')" = \
      "$(printf '%08x%08x' "$size" "$size")" ] || fail "no ${size}x$size PNG icon"
done

# The launcher, started through a link as a menu may do, with a stand-in program that
# records its working folder.
printf '#!/bin/sh\npwd > "$RECORD"\n' > "$games/drawsmith"
ln -s "$games/drawsmith-launcher" "$root/menu-link"
launch() {
    (cd "$root" && env -i PATH="$PATH" HOME="$root/home" RECORD="$root/record" XDG_DATA_HOME="$1" sh menu-link) ||
        fail "the launcher failed"
}
launch "$root/data"
[ "$(cat "$root/record")" = "$root/data/Drawsmith" ] || fail "started in $(cat "$root/record"), not XDG_DATA_HOME"
cmp -s "$root/data/Drawsmith/finger.cur" "$usr/share/drawsmith/finger.cur" || fail "finger.cur not copied"
# A relative XDG_DATA_HOME is ignored; the user's own pointer picture is kept.
mkdir -p "$root/home/.local/share/Drawsmith"
echo mine > "$root/home/.local/share/Drawsmith/finger.cur"
launch relative
[ "$(cat "$root/record")" = "$root/home/.local/share/Drawsmith" ] || fail "relative XDG_DATA_HOME not ignored"
[ "$(cat "$root/home/.local/share/Drawsmith/finger.cur")" = mine ] || fail "the user's finger.cur overwritten"
echo "install layout and launcher ok"
