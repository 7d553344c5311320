#!/bin/bash
# Validates every file the test suites wrote (under <build>/test-output) with
# xmllint against the schema. A file whose root declares no namespace is
# validated against the schema without its target namespace, as the library
# reads it. The library writes elements up to 512 deep, past libxml2's
# default limit of 256: --huge lifts it. On success only the count is
# printed. Usage: validate-written.sh SCHEMA BUILD_DIR...
set -uo pipefail
schema=$1
shift
mapfile -t files < <(for dir in "$@"; do find "$dir/test-output" -name '*.xml' -size +0c; done | sort)
if [ "${#files[@]}" -eq 0 ]; then
    echo "validate-written: the tests wrote no files" >&2
    exit 1
fi
report=$(xmllint --huge --noout --schema "$schema" "${files[@]}" 2>&1)
status=$?

# The same derivation as the library's: the two namespace attributes go from
# the xs:schema start tag.
nonamespace_schema=$(mktemp "${TMPDIR:-/tmp}/validate-written.XXXXXX.xsd") || exit 2
trap 'rm -f "$nonamespace_schema"' EXIT
sed -e '/<xs:schema[ >]/s/ targetNamespace="[^"]*"//' \
    -e '/<xs:schema[ >]/s/ xmlns="[^"]*"//' "$schema" > "$nonamespace_schema" || exit 2
mapfile -t nonamespace < <(echo "$report" |
    grep ": No matching global declaration available for the validation root" | cut -d: -f1 | sort -u)
if [ "${#nonamespace[@]}" -gt 0 ]; then
    second=$(xmllint --huge --noout --schema "$nonamespace_schema" "${nonamespace[@]}" 2>&1)
    second_status=$?
    report=$(echo "$report" | grep -v -F -f <(printf '%s\n' "${nonamespace[@]}"))
    # The first status stands for the other files only when one of them failed.
    if ! echo "$report" | grep -q -E 'fails to validate|parser error|validity error'; then
        status=$second_status
    fi
    report+=$'\n'"$second"
fi
if [ "$status" -ne 0 ]; then
    echo "$report" | grep -v ' validates$' || true
fi
echo "xmllint: ${#files[@]} written files checked (${#nonamespace[@]} without a namespace), exit status $status"
exit $status
