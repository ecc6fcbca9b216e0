#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs on a desktop of its own (tests/support/own-display --wm): starts a program that reports its first paint and
# then ends, answering each box of the first start ("確認 -Rekko-") with Return as a user would. Prints the
# program's standard output; fails when it does not end within a minute.
# Usage: first-start.sh PROGRAM
set -u
out=$(mktemp)
trap 'rm -f "$out"' EXIT
"$1" >"$out" &
program=$!
for _ in $(seq 600); do
    kill -0 "$program" 2>/dev/null || break
    for box in $(xdotool search --name '確認 -Rekko-' 2>/dev/null); do
        xdotool windowactivate --sync "$box" key Return 2>/dev/null
    done
    sleep 0.1
done
if kill -0 "$program" 2>/dev/null; then
    kill "$program"
    echo "first-start: $1 did not end" >&2
    exit 1
fi
wait "$program"
status=$?
cat "$out"
exit $status
