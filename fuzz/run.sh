#!/usr/bin/env bash
# Builds the conversions fuzz target with clang in build-fuzz and runs it for $1 seconds (default 30)
# on a copy of fuzz/corpus; fails on a crash, a sanitizer report or a broken property.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-30}"
build="$root/build-fuzz"

CC=clang CXX=clang++ cmake -S "$root" -B "$build" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTAVRIN_FUZZ=ON -DTAVRIN_TESTS=OFF -DTAVRIN_SANITIZE=ON \
    -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link >/dev/null
cmake --build "$build" --target fuzz_conversions -j"$(nproc)"

# The committed seeds stay as they are: libFuzzer writes new inputs into the copy.
work="$(mktemp -d "$build/corpus.XXXXXX")"
trap 'rm -rf "$work"' EXIT
cp "$root"/fuzz/corpus/* "$work"/
mkdir -p "$build/artifacts"

"$build/fuzz/fuzz_conversions" -max_total_time="$seconds" -timeout=10 -max_len=4096 \
    -artifact_prefix="$build/artifacts/" "$work"
