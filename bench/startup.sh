#!/usr/bin/env bash
# Start-up cost of the whole process against a bare Qt window, all offscreen, run by run:
# median wall time (hyperfine, every command in one call) and median peak memory (GNU time).
# The program is measured as built and packed with a list (merrowdale-pack, few iterations:
# they cost nothing at start-up), which reads and checks the added records first.
#   bench/startup.sh [build directory, default build/release]   (after scripts/start.sh or
#   cmake --workflow --preset release)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
scripts/setup.sh
cmake --build "$build" --target startup_program startup_bare merrowdale-pack

export QT_QPA_PLATFORM=offscreen
program=$build/bench/startup_program
bare=$build/bench/startup_bare
packed=$build/bench/startup_packed
"$build/tools/packer/merrowdale-pack" --iterations 64 --program "$program" -o "$packed" \
    data/results.tsv >/dev/null
hyperfine --warmup 5 --runs 60 --export-json "$build/startup.json" -N "$bare" "$program" "$packed"

median_peak_kib() {
    for _ in $(seq 31); do /usr/bin/time -f %M "$1" 2>&1 >/dev/null | tail -n 1; done | sort -n | sed -n 16p
}
bare_kib=$(median_peak_kib "$bare")
program_kib=$(median_peak_kib "$program")
packed_kib=$(median_peak_kib "$packed")
python3 - "$build/startup.json" "$bare_kib" "$program_kib" "$packed_kib" <<'PY'
import json, sys
runs = {r["command"].rsplit("/", 1)[-1]: r["median"] for r in json.load(open(sys.argv[1]))["results"]}
bare_kib, program_kib, packed_kib = int(sys.argv[2]), int(sys.argv[3]), int(sys.argv[4])
ratio = runs["startup_program"] / runs["startup_bare"]
print(f"median wall time: bare {runs['startup_bare']*1000:.1f} ms, program {runs['startup_program']*1000:.1f} ms, ratio {ratio:.3f} (target at most 1.15)")
print(f"median peak memory: bare {bare_kib} KiB, program {program_kib} KiB, difference {(program_kib - bare_kib)/1024:.2f} MiB (target at most 2 MiB)")
packed = runs["startup_packed"] / runs["startup_program"]
print(f"packed: median wall time {runs['startup_packed']*1000:.1f} ms, {packed:.3f} of the program's (target at most 1.05); peak memory {packed_kib} KiB")
PY
