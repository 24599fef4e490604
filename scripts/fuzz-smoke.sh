#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for a few seconds, starting from its seed corpus.
set -euo pipefail
build=$1
seconds=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0
failed=0
while IFS= read -r target; do
  name=$(basename "$target")
  corpus="$work/$name"
  mkdir -p "$corpus"
  seeds=$(find fuzz -type d -path "*/corpus/$name" | head -n 1)
  [ -n "$seeds" ] && cp -r "$seeds"/. "$corpus"/
  if ASAN_OPTIONS=detect_leaks=1 "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
       "$corpus" >"$work/$name.log" 2>&1; then
    echo "fuzz $name: ok"
    passed=$((passed + 1))
  else
    echo "fuzz $name: FAILED"
    tail -n 40 "$work/$name.log"
    failed=$((failed + 1))
  fi
done < <(find "$build/fuzz" -type f -executable -name 'fuzz_*' | sort)
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
