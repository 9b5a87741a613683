#!/usr/bin/env bash
# Runs a fuzzer for a bounded time from the seed corpus, working on a copy so
# the committed seeds stay as they are. Usage: run-fuzzer.sh FUZZER SECONDS
set -euo pipefail
fuzzer=$1
seconds=$2
seeds=$(cd "$(dirname "$0")" && pwd)/corpus
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$seeds"/* "$work"/
"$fuzzer" -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
  -print_final_stats=1 "$work" 2>&1 | tail -n 15
