#!/bin/bash
# The build's folder check (cmake/CheckLayer.cmake): it refuses an include against the direction of the
# folders and a table of folders that closes a circle, and lets the allowed dependencies through.
# Usage: folder-check-test.sh <source root>
set -u
root=$1
check=$root/cmake/CheckLayer.cmake
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

source_file() { # path include
    mkdir -p "$(dirname "$work/src/$1")"
    printf '#pragma once\n\n#include "%s"\n' "$2" >"$work/src/$1"
    echo "$work/src/$1"
}

run_check() { # script sources windows
    cmake -DSOURCES="$2" -DSTAMP="$work/stamp" -DWINDOWS="$3" -P "$1" >"$work/out" 2>&1
}

expect() { # name refused|accepted pattern script sources windows
    run_check "$4" "$5" "$6"
    local status=$?
    if [[ $2 == refused && ($status -eq 0 || -z $(grep -F "$3" "$work/out")) ]] \
        || [[ $2 == accepted && $status -ne 0 ]]; then
        echo "FAIL: $1"
        cat "$work/out"
        failures=$((failures + 1))
    fi
}

expect "a fan window may not include the fan views above it" refused "fans must not include fanviews" \
    "$check" "$(source_file fans/ui/CircleWindow.h fanviews/ui/FanSheetWindow.h)" ON
expect "fan selection may not include a calculation that calls it" refused "fans must not include smoke" \
    "$check" "$(source_file fans/SelectionDuty.h smoke/SmokeDuty.h)" OFF
expect "a calculation window hands a duty to fan selection" accepted "" \
    "$check" "$(source_file smoke/ui/HandOverWindow.h fans/HandedDuty.h)" ON
expect "a folder of its own and common" accepted "" \
    "$check" "$(source_file unit/print/Page.h unit/UnitResult.h);$(source_file unit/Calc.h common/NumberText.h)" OFF

sed 's/^set(folder_ui common printing)$/set(folder_ui common printing fans)/' "$check" >"$work/circle.cmake"
if cmp -s "$check" "$work/circle.cmake"; then
    echo "FAIL: the table line of ui was not found"
    failures=$((failures + 1))
fi
expect "a table with a circle" refused "the folder dependencies form a circle" "$work/circle.cmake" "" OFF

exit $((failures > 0))
