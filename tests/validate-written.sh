#!/bin/bash
# Validates every file the test suites wrote (under <build>/test-output) with
# xmllint against the schema. Usage: validate-written.sh SCHEMA BUILD_DIR...
set -uo pipefail
schema=$1
shift
mapfile -t files < <(for dir in "$@"; do find "$dir/test-output" -name '*.xml' -size +0c; done | sort)
if [ "${#files[@]}" -eq 0 ]; then
    echo "validate-written: the tests wrote no files" >&2
    exit 1
fi
report=$(xmllint --noout --schema "$schema" "${files[@]}" 2>&1)
status=$?
echo "$report" | grep -v ' validates$' || true
echo "xmllint: ${#files[@]} written files checked, exit status $status"
exit $status
