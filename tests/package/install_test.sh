#!/usr/bin/env bash
# Installs the package from the build folder into a scratch prefix and builds a program
# against it as an application would, then runs it headless.
#
# usage: install_test.sh BUILD_DIR [CXX_COMPILER [FLAGS [WHAT]]]
#   WHAT consumer (default): tests/package/consumer, built once through find_package and
#        once through pkg-config; its output names the backend and a class read from a
#        form file (so every class registered itself, also from shared libraries)
#   WHAT examples: tests/examples, every program of examples/ run with --png and its
#        picture checked (that project's own tests)
# A package built with sanitizers needs the same compiler and the same flags (for compiling
# and linking) in the program that uses it, or the sanitizer runtime is missing at link time.
set -euo pipefail
build_dir=$1
compiler=${2:-}
flags=${3:-}
what=${4:-consumer}
tests_dir=$(cd "$(dirname "$0")/.." && pwd)
case $what in
  consumer) source_dir=$tests_dir/package/consumer ;;
  examples) source_dir=$tests_dir/examples ;;
  *) echo "install_test.sh: unknown project '$what'" >&2; exit 2 ;;
esac
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cmake --install "$build_dir" --prefix "$scratch/prefix" >/dev/null
options=(-DCMAKE_PREFIX_PATH="$scratch/prefix" -DCMAKE_BUILD_TYPE=Release)
[ -n "$compiler" ] && options+=(-DCMAKE_CXX_COMPILER="$compiler")
[ -n "$flags" ] && options+=(-DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="$flags")
# ccache keeps the second run cheap: with the scratch folder as its base, the prefix's
# include paths are hashed relative to it and so are the same in every run.
if command -v ccache >/dev/null; then
  options+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  export CCACHE_BASEDIR=$scratch CCACHE_NOHASHDIR=1
fi
# Programs find the shared libraries of a shared build in the scratch prefix.
export LD_LIBRARY_PATH="$scratch/prefix/lib${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}"
cmake -S "$source_dir" -B "$scratch/build" "${options[@]}" >/dev/null
cmake --build "$scratch/build" -j"${JOBS:-2}" >/dev/null

if [ "$what" = examples ]; then
  (cd "$scratch/build" && ctest --output-on-failure -j"${JOBS:-2}")
  exit
fi

expected=$(printf 'backend=headless value=0.5\nread=TBevel')
output=$(ZYN_BACKEND=headless "$scratch/build/consumer")
echo "$output"
[ "$output" = "$expected" ]

# The same program from the pkg-config file, as a Makefile would build it.
export PKG_CONFIG_PATH="$scratch/prefix/lib/pkgconfig${PKG_CONFIG_PATH:+:$PKG_CONFIG_PATH}"
# shellcheck disable=SC2046,SC2086
${compiler:-c++} -std=c++20 $flags "$source_dir/main.cpp" -o "$scratch/consumer-pc" \
  $(pkg-config --cflags --libs zynguipack)
output=$(ZYN_BACKEND=headless "$scratch/consumer-pc")
echo "$output (pkg-config)"
[ "$output" = "$expected" ]
