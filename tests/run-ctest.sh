#!/bin/bash
# Runs ctest in a build tree with its output in a log; on success prints one
# line with the count, on failure the failing tests' output and the summary.
# Usage: run-ctest.sh NAME BUILD_DIR [ctest options...]
set -uo pipefail
name=$1
dir=$2
shift 2
log=$dir/test-output/ctest.log
mkdir -p "$dir/test-output"
(cd "$dir" && ctest --output-on-failure "$@") > "$log" 2>&1
status=$?
if [ "$status" -ne 0 ]; then
    sed -n '/^[0-9]*\/[0-9]* Test *#[0-9]*: .*\*\*\*/,$p' "$log"
    echo "$name: ctest failed, the whole log is $log" >&2
    exit "$status"
fi
echo "$name: $(grep -E '^[0-9]+% tests passed' "$log")"
