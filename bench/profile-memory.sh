#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Peak memory of one start of Rekko to its first paint, over the sample data folder and over the heavy user's folder
# (fifty years, written by write_heavy_data): the peak resident size, and massif's peak heap with the places that
# hold it.
#
#   bench/profile-memory.sh [BUILD_DIR]     (make profile-memory; needs valgrind and Xvfb)
#
# The massif files and ms_print reports stay in BUILD_DIR/memory-profile/.
set -euo pipefail
build=$(readlink -f "${1:-build}")
out=$build/memory-profile
rm -rf "$out" && mkdir -p "$out"
for kind in sample heavy; do
    mkdir -p "$out/$kind/run" && chmod 700 "$out/$kind/run"
    cp "$build/bin/Rekko" "$out/$kind/"
done
cp -r tests/data/sample/. "$out/sample/"
"$build/bench/write_heavy_data" "$out/heavy"

export OUT=$out
tests/support/own-display bash -c '
  set -e
  for kind in sample heavy; do
    cd "$OUT/$kind"
    ja=(env -u LC_ALL -u LC_MESSAGES -u LANGUAGE LANG=ja_JP.UTF-8 XDG_RUNTIME_DIR="$OUT/$kind/run"
        REKKO_REPORT_FIRST_PAINT=1)
    "${ja[@]}" ./Rekko >/dev/null # the first start writes the settings file
    "${ja[@]}" /usr/bin/time -f "%M" -o "$OUT/$kind.rss" ./Rekko >/dev/null
    "${ja[@]}" valgrind -q --tool=massif --massif-out-file="$OUT/$kind.massif" ./Rekko >/dev/null
    ms_print "$OUT/$kind.massif" >"$OUT/$kind.txt"
  done'

peakHeap() { grep -o 'mem_heap_B=[0-9]*' "$out/$1.massif" | cut -d= -f2 | sort -n | tail -n 1; }
for kind in sample heavy; do
    printf '%-7s peak resident %6.1f MB, peak heap %6.1f MB\n' "$kind" \
        "$(awk '{ print $1 / 1024 }' "$out/$kind.rss")" "$(awk -v b="$(peakHeap "$kind")" 'BEGIN { print b / 1048576 }')"
done
printf 'heavy - sample: %+.1f MB resident (goal <= 10)\n' \
    "$(awk -v h="$(cat "$out/heavy.rss")" -v s="$(cat "$out/sample.rss")" 'BEGIN { print (h - s) / 1024 }')"
echo "The heap at the peak, by place: $out/sample.txt and $out/heavy.txt (ms_print)."
