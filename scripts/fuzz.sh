#!/usr/bin/env bash
# Fuzzes the results list reader (tools/resultslist), seeded with data/results.tsv as it is and as
# Excel exports it (tests/tools/officeexports.py) and the broken and warned lists of the builder's
# tests in UTF-8 and GB18030, for a bounded time, then the sealed lookup for a quarter of that time
# more; fails on a crash, a leak, a slow input or a broken property, leaving the input in
# build/fuzz/crashes/.
#   scripts/fuzz.sh [seconds]     the parser's time, default 60
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
lookup_seconds=$((seconds / 4))
scripts/setup.sh --fuzz
cmake --preset fuzz
cmake --build --preset fuzz

seeds=build/fuzz/seeds
corpus=build/fuzz/corpus
mkdir -p "$corpus" build/fuzz/crashes
build/fuzz/tests/fuzz/fuzz_seeds "$seeds"
cp data/results.tsv "$seeds/results.tsv"
python3 tests/tools/officeexports.py data/results.tsv "$seeds"
# New inputs go to the first directory, so the seeds stay as the tests wrote them.
build/fuzz/tests/fuzz/fuzz_resultslist -max_total_time="$seconds" -timeout=10 \
    -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix=build/fuzz/crashes/ \
    "$corpus" "$seeds"

# Seeds: the exact pairs of records 1 and 1117 (two bytes of record number, a split of 0).
mkdir -p build/fuzz/corpus-sealedlookup build/fuzz/seeds-sealedlookup
printf '\001\000\000' >build/fuzz/seeds-sealedlookup/record1
printf '\135\004\000' >build/fuzz/seeds-sealedlookup/record1117
build/fuzz/tests/fuzz/fuzz_sealedlookup -max_total_time="$lookup_seconds" -timeout=10 \
    -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix=build/fuzz/crashes/ \
    build/fuzz/corpus-sealedlookup build/fuzz/seeds-sealedlookup
