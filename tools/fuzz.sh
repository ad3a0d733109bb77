#!/bin/sh
# Builds the libFuzzer targets and runs each for a bounded time on a copy of its seed corpus, so
# the corpus the run grows stays out of the repository. Any finding fails the run.
# FUZZ_SECONDS sets each target's time (default 30).
set -e
cd "$(dirname "$0")/.."
seconds="${FUZZ_SECONDS:-30}"
cmake --preset fuzz
cmake --build --preset fuzz -j"$(nproc)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
for target in build/fuzz/fuzz/fuzz_*; do
    [ -f "$target" ] && [ -x "$target" ] || continue
    name="$(basename "$target")"
    mkdir -p "$work/$name"
    [ -d "fuzz/corpus/$name" ] && cp -r "fuzz/corpus/$name/." "$work/$name/"
    echo "== $name: $seconds s"
    (cd "$work" && "$OLDPWD/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -detect_leaks=0 \
        -print_final_stats=1 -artifact_prefix="$work/$name-" "$work/$name" 2>&1 | tail -n 12) || {
        echo "fuzz target $name failed; the input that failed:"
        ls "$work/$name-"* 2>/dev/null
        for f in "$work/$name-"*; do [ -f "$f" ] && od -c "$f" | head -n 20; done
        exit 1
    }
done
