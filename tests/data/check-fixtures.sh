#!/bin/sh
# Validates the schema fixtures with xmllint. Run from the repository root.
#
#   tests/data/valid/*.xml        must validate against the schema
#   examples/board.xml            must validate against the schema
#   tests/data/invalid/*.xml      must be rejected with a validation error
#   tests/data/nonamespace/*.xml  must validate against the no-namespace
#                                 variant, which is the schema with the
#                                 targetNamespace and default xmlns
#                                 attributes deleted from its xs:schema tag
#
# Exits non-zero when any file does not behave as expected.

SCHEMA=schema/InterfaceExchangeSchema.xsd
DATA=tests/data

if ! command -v xmllint >/dev/null 2>&1; then
    echo "check-fixtures: xmllint not found" >&2
    exit 2
fi
if [ ! -f "$SCHEMA" ]; then
    echo "check-fixtures: $SCHEMA not found (run from the repository root)" >&2
    exit 2
fi

TMPDIR_CHECK=$(mktemp -d "${TMPDIR:-/tmp}/check-fixtures.XXXXXX") || exit 2
trap 'rm -rf "$TMPDIR_CHECK"' EXIT
trap 'exit 130' INT TERM
NONS_SCHEMA="$TMPDIR_CHECK/InterfaceExchangeSchema.xsd"

# Same derivation as the library: drop the two namespace attributes from the
# xs:schema start tag only.
sed -e '/<xs:schema[ >]/s/ targetNamespace="[^"]*"//' \
    -e '/<xs:schema[ >]/s/ xmlns="[^"]*"//' \
    "$SCHEMA" > "$NONS_SCHEMA" || exit 2
if grep -q 'targetNamespace=' "$NONS_SCHEMA"; then
    echo "check-fixtures: could not derive the no-namespace schema" >&2
    exit 2
fi

failures=0
checked=0

# expect_valid SCHEMA FILE
expect_valid() {
    checked=$((checked + 1))
    if ! out=$(xmllint --noout --schema "$1" "$2" 2>&1); then
        echo "FAIL (expected valid): $2"
        echo "$out" | sed 's/^/    /'
        failures=$((failures + 1))
    fi
}

# expect_invalid SCHEMA FILE: a schema validity error (xmllint status 3) is
# required; a file that is not well-formed or a broken schema does not count.
expect_invalid() {
    checked=$((checked + 1))
    out=$(xmllint --noout --schema "$1" "$2" 2>&1)
    status=$?
    if [ "$status" -ne 3 ]; then
        echo "FAIL (expected a validity error, xmllint status $status): $2"
        echo "$out" | sed 's/^/    /'
        failures=$((failures + 1))
    fi
}

for f in "$DATA"/valid/*.xml examples/board.xml; do
    [ -f "$f" ] && expect_valid "$SCHEMA" "$f"
done
for f in "$DATA"/invalid/*.xml; do
    [ -f "$f" ] && expect_invalid "$SCHEMA" "$f"
done
for f in "$DATA"/nonamespace/*.xml; do
    [ -f "$f" ] && expect_valid "$NONS_SCHEMA" "$f"
done

if [ "$checked" -eq 0 ]; then
    echo "check-fixtures: no fixtures found" >&2
    exit 2
fi
echo "check-fixtures: $checked files checked, $failures failed"
[ "$failures" -eq 0 ]
