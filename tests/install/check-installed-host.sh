#!/bin/bash
# Installs the built library into a scratch prefix, then builds the host in
# this folder against the installed tree twice, through pkg-config and through
# the CMake package, and runs both builds and the installed ifx on the example
# design.
set -euo pipefail
build_dir=$1
example=$2
here=$(cd "$(dirname "$0")" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cmake --install "$build_dir" --prefix "$scratch/prefix" >/dev/null

export PKG_CONFIG_PATH="$scratch/prefix/lib/pkgconfig:$scratch/prefix/lib/x86_64-linux-gnu/pkgconfig"
# shellcheck disable=SC2046
g++ -std=c++17 -Wall -Wextra -o "$scratch/host-pkgconfig" "$here/host.cpp" \
    $(pkg-config --cflags --libs wjxmlinterfaceflowreader) -Wl,-rpath,"$scratch/prefix/lib"

cmake -S "$here" -B "$scratch/host-build" -DCMAKE_PREFIX_PATH="$scratch/prefix" >/dev/null
cmake --build "$scratch/host-build" >/dev/null

test -f "$scratch/prefix/share/wjxmlinterfaceflowreader/InterfaceExchangeSchema.xsd"
for host in "$scratch/host-pkgconfig" "$scratch/host-build/host"; do
    "$host" "$example" "$scratch/out.xml"
    xmllint --noout --schema "$scratch/prefix/share/wjxmlinterfaceflowreader/InterfaceExchangeSchema.xsd" \
        "$scratch/out.xml" "$scratch/out.xml.new"
done
# The installed ifx starts as it is, with no search path from the caller.
env -i "$scratch/prefix/bin/ifx" validate "$example"
echo "installed host: pkg-config and CMake package builds and the installed ifx passed"
