#!/usr/bin/env bash
# Installs the package from the build folder into a scratch prefix, builds the consumer
# program against it with find_package and runs it headless.
#
# usage: install_test.sh BUILD_DIR [CXX_COMPILER [FLAGS]]
# A package built with sanitizers needs the same compiler and the same flags (for compiling
# and linking) in the program that uses it, or the sanitizer runtime is missing at link time.
set -euo pipefail
build_dir=$1
compiler=${2:-}
flags=${3:-}
source_dir=$(cd "$(dirname "$0")" && pwd)/consumer
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cmake --install "$build_dir" --prefix "$scratch/prefix" >/dev/null
options=(-DCMAKE_PREFIX_PATH="$scratch/prefix" -DCMAKE_BUILD_TYPE=Release)
[ -n "$compiler" ] && options+=(-DCMAKE_CXX_COMPILER="$compiler")
[ -n "$flags" ] && options+=(-DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="$flags")
cmake -S "$source_dir" -B "$scratch/build" "${options[@]}" >/dev/null
cmake --build "$scratch/build" >/dev/null
output=$(ZYN_BACKEND=headless "$scratch/build/consumer")
echo "$output"
[ "$output" = "$(printf 'backend=headless value=0.5\nread=TBevel')" ]
