#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs make with the given arguments (./make.sh run, ./make.sh test), installing make first where a fresh Debian
# lacks it. Without root it prints the apt-get command to run instead.
set -euo pipefail
cd "$(dirname "$0")"
command -v make >/dev/null || ./tools/install-packages.sh make
exec make "$@"
