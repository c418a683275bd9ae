#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The bash completion as bash runs it: options, and game names from the catalogue here or
# from the one --catalogue names.
# usage: check_completion.sh <completion file> <drawsmith>
set -u
[ -r /usr/share/bash-completion/bash_completion ] || { echo "bash-completion is not installed"; exit 77; }
source /usr/share/bash-completion/bash_completion
source "$1"
program=$2
cd "$(mktemp -d)" || exit 1
trap 'rm -rf "$PWD"' EXIT
printf 'California Lotto, 6, 1, 51, 0, 0\r\nPower Ball, 5, 1, 49, 1, 42\r\nPower Play,6,1,40,0,0\r\n' >games.dat
mkdir other && printf 'Lotto Texas, 6, 1, 50, 0, 0\r\n' >other/games.dat

failed=0
# complete <expected> <words...>: the last word is the one being completed.
complete_as() {
    local expected=$1
    shift
    COMP_WORDS=("$program" "$@")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMP_LINE="${COMP_WORDS[*]}"
    COMP_POINT=${#COMP_LINE}
    COMPREPLY=()
    _drawsmith
    local got
    got=$(printf '%s|' "${COMPREPLY[@]}")
    if [ "$got" != "$expected" ]; then
        echo "FAIL: $* -> $got, expected $expected"
        failed=1
    fi
}
complete_as '--pick|' --pi
complete_as '--count|--catalogue|' --c
complete_as 'California\ Lotto|Power\ Ball|Power\ Play|' --pick ''
complete_as 'Power\ Ball|Power\ Play|' --odds Pow
complete_as 'Power\ Ball|' --pick 'Power\ B'
complete_as 'Lotto\ Texas|' --catalogue other/games.dat --pick ''
[ $failed = 0 ] && echo "completion ok"
exit $failed
