#!/usr/bin/env bash
# The package as shared libraries, as a distribution would ship it: every installed library
# carries its SONAME (lib<name>.so.<major>.<minor>), the consumer and every example build
# and run against the installed libraries (classes registered at load time included), and
# cpack makes a Debian package holding them.
#
# usage: shared_test.sh BUILD_DIR      (a build configured with -DBUILD_SHARED_LIBS=ON)
set -euo pipefail
build_dir=$1
here=$(cd "$(dirname "$0")" && pwd)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build_dir/CMakeCache.txt")
soversion=${version%.*}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cmake --install "$build_dir" --prefix "$scratch/prefix" >/dev/null
count=0
for lib in "$scratch"/prefix/lib/lib*.so; do
  name=$(basename "$lib")
  soname=$(readelf -d "$lib" | sed -n 's/.*(SONAME).*\[\(.*\)\]/\1/p')
  if [ "$soname" != "$name.$soversion" ]; then
    echo "shared_test: $name has SONAME '$soname', not $name.$soversion" >&2
    exit 1
  fi
  count=$((count + 1))
done
if [ "$count" -eq 0 ]; then
  echo "shared_test: no shared library installed (configured without BUILD_SHARED_LIBS=ON?)" >&2
  exit 1
fi
echo "shared_test: $count shared libraries with SONAME *.so.$soversion"

"$here/install_test.sh" "$build_dir" "" "" consumer
"$here/install_test.sh" "$build_dir" "" "" examples

(cd "$build_dir" && cpack -G DEB >/dev/null)
deb=$(ls "$build_dir"/zynguipack_"$version"_*.deb)
listing=$(dpkg-deb -c "$deb")
for want in "usr/lib/libzyn_meter.so.$soversion" "usr/lib/pkgconfig/zynguipack.pc" \
            "usr/lib/cmake/zynguipack/zynguipackConfig.cmake" "usr/include/zynguipack/meter/Zyn_Meter.h" \
            "usr/include/zynguipack/zynguipack/Version.h"; do
  if ! grep -q " \./$want" <<<"$listing"; then
    echo "shared_test: $(basename "$deb") lacks $want" >&2
    exit 1
  fi
done
echo "shared_test: $(basename "$deb") holds the libraries, headers and package files"
