#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for a few seconds, starting from its seed corpus.
# The targets run side by side (at most one per processor), so the smoke run takes about
# `seconds` however many targets there are.
set -euo pipefail
build=$1
seconds=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
slots=$(nproc)

run_target() {
  local target=$1 name corpus seeds
  name=$(basename "$target")
  corpus="$work/$name"
  mkdir -p "$corpus"
  seeds=$(find fuzz -type d -path "*/corpus/$name" | head -n 1)
  [ -n "$seeds" ] && cp -r "$seeds"/. "$corpus"/
  if ASAN_OPTIONS=detect_leaks=1 "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
       "$corpus" >"$work/$name.log" 2>&1; then
    touch "$work/$name.ok"
  fi
}

targets=()
while IFS= read -r target; do
  targets+=("$target")
done < <(find "$build/fuzz" -type f -executable -name 'fuzz_*' | sort)

for target in "${targets[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$slots" ]; do
    wait -n || true
  done
  run_target "$target" &
done
wait

passed=0
failed=0
for target in "${targets[@]}"; do
  name=$(basename "$target")
  if [ -e "$work/$name.ok" ]; then
    echo "fuzz $name: ok"
    passed=$((passed + 1))
  else
    echo "fuzz $name: FAILED"
    tail -n 40 "$work/$name.log"
    failed=$((failed + 1))
  fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
