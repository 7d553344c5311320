#!/bin/bash
# Builds the host in this folder against an installed tree twice, through
# pkg-config and through the CMake package, and runs both builds on the
# example design. The tree is the build installed into a scratch prefix
# (mode "install"), or the Debian package that CPack makes of the build,
# unpacked with dpkg-deb -x (mode "package"), whose metadata, SONAME link and
# ifx are checked as well. The installed ifx must start with no search path
# from the caller.
set -euo pipefail
mode=$1
build_dir=$2
example=$3
here=$(cd "$(dirname "$0")" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

if [ "$mode" = package ]; then
    cpack -G DEB -B "$scratch/cpack" --config "$build_dir/CPackConfig.cmake" >/dev/null
    deb=$(echo "$scratch"/cpack/wjxmlinterfaceflowreader_*.deb)
    dpkg-deb -x "$deb" "$scratch/root"
    prefix=$scratch/root/usr
    dpkg-deb -f "$deb" Depends | grep -q 'libxerces-c3.2'
    for doc in copyright README.md CHANGELOG.md examples/board.xml; do
        test -f "$prefix/share/doc/wjxmlinterfaceflowreader/$doc"
    done
    grep -q '^\.TH IFX 1' "$prefix/share/man/man1/ifx.1"
    soname=$(objdump -p "$prefix/lib/libwjxmlinterfaceflowreader.so" | awk '$1 == "SONAME" {print $2}')
    test -L "$prefix/lib/$soname"
else
    prefix=$scratch/prefix
    cmake --install "$build_dir" --prefix "$prefix" >/dev/null
fi

export PKG_CONFIG_PATH="$prefix/lib/pkgconfig:$prefix/lib/x86_64-linux-gnu/pkgconfig"
schema=$(pkg-config --variable=schemadir wjxmlinterfaceflowreader)/InterfaceExchangeSchema.xsd
test -f "$schema"
# shellcheck disable=SC2046
g++ -std=c++17 -Wall -Wextra -o "$scratch/host-pkgconfig" "$here/host.cpp" \
    $(pkg-config --cflags --libs wjxmlinterfaceflowreader) -Wl,-rpath,"$prefix/lib"
# shellcheck disable=SC2046
g++ -std=c++17 -Wall -Wextra -o "$scratch/interchange-pkgconfig" "$here/interchange_host.cpp" \
    $(pkg-config --cflags --libs wjxmlinterchange) -Wl,-rpath,"$prefix/lib"
"$scratch/interchange-pkgconfig"

cmake -S "$here" -B "$scratch/host-build" -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build "$scratch/host-build" >/dev/null

for host in "$scratch/host-pkgconfig" "$scratch/host-build/host"; do
    "$host" "$example" "$scratch/out.xml"
    xmllint --noout --schema "$schema" "$scratch/out.xml" "$scratch/out.xml.new"
done
# The installed ifx starts as it is, with no search path from the caller.
env -i "$prefix/bin/ifx" validate "$example" >/dev/null
# Debian's python3 imports the installed module from where the package puts
# it, when the module was built for its Python version.
if [ -x /usr/bin/python3 ] && ls "$prefix"/lib/python3/dist-packages/wjxmlinterfaceflowreader*.so >/dev/null 2>&1; then
    built_for=$(ls "$prefix"/lib/python3/dist-packages/wjxmlinterfaceflowreader*.so)
    if [ "$(/usr/bin/python3 -c 'import sysconfig; print(sysconfig.get_config_var("EXT_SUFFIX"))')" = \
         ".${built_for#*wjxmlinterfaceflowreader.}" ]; then
        env -i PYTHONPATH="$prefix/lib/python3/dist-packages" /usr/bin/python3 -c 'import wjxmlinterfaceflowreader'
    else
        echo "$mode host: the Python module is built for another Python than /usr/bin/python3; not imported"
    fi
fi
echo "$mode host: pkg-config and CMake package builds, the interchange host, the installed ifx and the Python module passed"
