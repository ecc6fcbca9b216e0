#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Generates the glibc locales given as arguments (for example ja_JP.UTF-8) that the system lacks, through Debian's
# /etc/locale.gen and locale-gen, so that they stay when the locales package is upgraded. Without root it prints
# the commands to run and fails.
set -euo pipefail
# locale -a spells ja_JP.UTF-8 as ja_JP.utf8.
available=$(locale -a 2>/dev/null | tr '[:upper:]' '[:lower:]' | sed 's/utf-8/utf8/')
missing=()
for name in "$@"; do
    spelled=$(tr '[:upper:]' '[:lower:]' <<<"$name" | sed 's/utf-8/utf8/')
    grep -qxF "$spelled" <<<"$available" || missing+=("$name")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0
# /etc/locale.gen lists them as "ja_JP.UTF-8 UTF-8", commented out until wanted.
lines=()
for name in "${missing[@]}"; do
    lines+=("$name ${name##*.}")
done
if [[ $(id -u) -ne 0 ]]; then
    echo "Missing locales. Run as root:" >&2
    for line in "${lines[@]}"; do
        echo "  echo '$line' >> /etc/locale.gen" >&2
    done
    echo "  locale-gen" >&2
    exit 1
fi
echo "Generating locales: ${missing[*]}"
for line in "${lines[@]}"; do
    sed -i "s/^# *\\($line\\)\$/\\1/" /etc/locale.gen
    grep -qxF "$line" /etc/locale.gen || echo "$line" >> /etc/locale.gen
done
locale-gen
