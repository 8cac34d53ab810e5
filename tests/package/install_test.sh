#!/usr/bin/env bash
# Installs the package from the build folder into a scratch prefix, builds the consumer
# program against it with find_package and runs it headless.
set -euo pipefail
build_dir=$1
source_dir=$(cd "$(dirname "$0")" && pwd)/consumer
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cmake --install "$build_dir" --prefix "$scratch/prefix" >/dev/null
cmake -S "$source_dir" -B "$scratch/build" -DCMAKE_PREFIX_PATH="$scratch/prefix" \
      -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$scratch/build" >/dev/null
output=$(ZYN_BACKEND=headless "$scratch/build/consumer")
echo "$output"
[ "$output" = "$(printf 'backend=headless value=0.5\nread=TBevel')" ]
