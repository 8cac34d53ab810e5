#!/usr/bin/env bash
# usage: run_example.sh PNG_CHECK PROGRAM PNG [ARGS...]
# Runs PROGRAM headless with --png PNG (and ARGS), then checks that the picture shows
# something.
set -euo pipefail
check=$1 program=$2 png=$3
shift 3
rm -f "$png"
ZYN_BACKEND=headless "$program" "$@" --png "$png"
"$check" "$png"
