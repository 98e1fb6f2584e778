#!/usr/bin/env bash
# Split throughput and memory against GNU split, on a 2 GiB and a 100 MiB file, with the
# Zip and floppy fragment sizes. One command:  bash bench/run.sh
#   BUILD_DIR   build folder (default build/); the source files are made once in it
#   BENCH_RUNS  pairs per case (default 5)
#   BENCH_OUT   where the fragments go (default /dev/shm, a tmpfs: no disk writeback
#               noise, so the figures compare the two programs' own work; give a folder
#               on a disk to time that disk too). Removed before every run and at the end.
# Our side runs under Wine with a warm wineserver.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
export BUILD_DIR="${BUILD_DIR:-$here/build}"
runs="${BENCH_RUNS:-5}"

cmake -S "$here" -B "$BUILD_DIR" -DCMAKE_TOOLCHAIN_FILE="$here/cmake/i686-w64-mingw32.cmake" >/dev/null
cmake --build "$BUILD_DIR" --target SplitBench -j "$(nproc)" >/dev/null
set +e
source "$here/scripts/wine-env.sh"
set -e

data="$BUILD_DIR/bench-data"
mkdir -p "$data"
make_source() {  # name, MiB: random bytes, made once
  [ -f "$data/$1" ] && [ "$(stat -c %s "$data/$1")" -eq $(($2 * 1048576)) ] && return
  echo "making $data/$1 ($2 MiB)..."
  head -c $(($2 * 1048576)) /dev/urandom >"$data/$1.part" && mv "$data/$1.part" "$data/$1"
}
make_source src-2048M.bin 2048
make_source src-100M.bin 100

winpath() { echo "Z:${1//\//\\}"; }
out=$(mktemp -d "${BENCH_OUT:-/dev/shm}/scindora-bench.XXXXXX")
ours="$out/ours"
theirs="$out/split"
bench="$BUILD_DIR/bench/SplitBench.exe"
trap 'rm -rf "$out"' EXIT

# The wineserver of our prefix serves every Wine process and outlives them: not in the
# per-run figures, so its own size is shown before and after.
server=
for p in $(pgrep wineserver || true); do
  tr '\0' '\n' <"/proc/$p/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" && server=$p
done
rss() { [ -n "$server" ] && awk '/VmRSS/ {printf "%.1f MiB\n", $2 / 1024}' "/proc/$server/status" || echo "?"; }
echo "fragments written to $out ($(df --output=fstype "$out" | tail -1))"
echo "wineserver (shared, kept warm) RSS before: $(rss)"

for src in src-2048M.bin src-100M.bin; do
  for size in 100431872 1457664; do
    echo
    echo "$src, fragments of $size bytes:"
    python3 "$here/bench/pairs.py" --runs "$runs" \
      --prepare "rm -rf '$ours' '$theirs' && mkdir -p '$ours' '$theirs' && sync" \
      --name-a "ours (wine SplitBench.exe)" --name-b "split -b" \
      "wine '$bench' '$(winpath "$data/$src")' '$(winpath "$ours")' $size" \
      "split -b $size -d -a 8 --additional-suffix=.frg '$data/$src' '$theirs/'"
  done
done
echo
echo "wineserver RSS after: $(rss)"
