#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the README's set-up on a new machine: bootstraps a minimal Debian 12 into a temporary folder, runs the
# README's test and run commands there as root in a chroot on a copy of the committed tree, and reports the time
# and the packages they installed. Needs root and the machine's Debian mirror.
set -euo pipefail
cd "$(dirname "$0")/.."

# The README's two commands, as a user types them after the clone.
readonly TEST_COMMAND='./make.sh test'
readonly RUN_COMMAND='./make.sh run'
readonly SUITE=bookworm

fail() {
    echo "fresh-check: $*" >&2
    exit 1
}

[[ $(id -u) -eq 0 ]] || fail "needs root (debootstrap, mount and chroot)."
for command in "$TEST_COMMAND" "$RUN_COMMAND"; do
    grep -qE "^ +${command//./\\.}( |$)" README.md || fail "README.md no longer gives '$command' as a set-up command."
done
git rev-parse --verify -q HEAD >/dev/null || fail "needs a git checkout: it checks the committed tree."

# The first mirror of the machine's sources for the suite: deb822 stanzas first, then one-line sources.
mirror() {
    local sources=/etc/apt/sources.list.d/debian.sources list=/etc/apt/sources.list uri=""
    if [[ -r $sources ]]; then
        uri=$(awk -v suite="$SUITE" 'BEGIN { RS = ""; FS = "\n" }
            { types = uris = suites = ""
              for (i = 1; i <= NF; i++) {
                  if ($i ~ /^Types:/) types = $i " "
                  if ($i ~ /^URIs:/) { split($i, field, /[ \t]+/); uris = field[2] }
                  if ($i ~ /^Suites:/) suites = $i " "
              }
              if (types ~ /[ \t]deb[ \t]/ && suites ~ "[ \t]" suite "[ \t]" && uris != "") { print uris; exit } }' \
            "$sources")
    fi
    if [[ -z $uri && -r $list ]]; then
        uri=$(sed -E 's/\[[^]]*\]//' "$list" | awk -v suite="$SUITE" '$1 == "deb" && $3 == suite { print $2; exit }')
    fi
    echo "${uri:-http://deb.debian.org/debian}"
}

work=$(mktemp -d "${TMPDIR:-/var/tmp}/rekko-fresh-check.XXXXXX")
root=$work/root
mounted=()

# Ends what the commands left running inside the chroot (an X server, a window manager), by process id.
stop_leftovers() {
    local link pid
    for link in /proc/[0-9]*/root; do
        [[ $(readlink "$link" 2>/dev/null) == "$root" ]] || continue
        pid=${link#/proc/}
        pid=${pid%/root}
        echo "fresh-check: ending process $pid left in the chroot: $(tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null)"
        kill "$pid" 2>/dev/null || true
    done
}

# Unmounts in reverse order and removes the folder, but only once nothing is mounted below it any more: with /dev
# still bound inside, removing it would remove the machine's device nodes.
clean_up() {
    local status=$? i
    stop_leftovers
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
        umount "${mounted[i]}" 2>/dev/null || umount --lazy "${mounted[i]}" || true
    done
    if awk -v work="$work/" 'index($2 "/", work) == 1 { found = 1 } END { exit !found }' /proc/self/mounts; then
        echo "fresh-check: something is still mounted below $work; it is left in place." >&2
    else
        rm -rf --one-file-system "$work"
    fi
    exit "$status"
}
trap clean_up EXIT
trap 'exit 130' INT
trap 'exit 143' TERM HUP

# Mounts into the chroot's folder given first, with the mount arguments that follow, and notes it for unmounting.
mount_in() {
    local target=$root/$1
    shift
    mount "$@" "$target"
    mounted+=("$target")
}

installed_packages() {
    chroot "$root" dpkg-query -W -f='${db:Status-Abbrev} ${Package}\n' | awk '$1 == "ii" { print $2 }' | sort
}

# Runs a command as root's login would: in the copy of the tree, with a clean environment and no display.
in_chroot() {
    chroot "$root" /usr/bin/env -i HOME=/root TERM="${TERM:-dumb}" \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        /bin/bash -c "cd /root/rekko && $1"
}

minutes() {
    printf '%d min %02d s' $(($1 / 60)) $(($1 % 60))
}

source=$(mirror)
echo "== Bootstrapping Debian $SUITE (minbase) from $source into $root"
start=$SECONDS
if ! debootstrap --variant=minbase "$SUITE" "$root" "$source" >"$work/debootstrap.log" 2>&1; then
    tail -n 30 "$work/debootstrap.log" >&2
    fail "debootstrap failed."
fi
bootstrap_time=$((SECONDS - start))
installed_packages >"$work/packages-before"

cp -L /etc/resolv.conf "$root/etc/resolv.conf"
mount_in proc -t proc proc
mount_in sys -t sysfs sysfs
mount_in dev --bind /dev
mount_in dev/pts --bind /dev/pts
mount_in dev/shm --bind /dev/shm

mkdir "$root/root/rekko"
git archive --format=tar HEAD | tar -x -C "$root/root/rekko"
echo "== Copied commit $(git rev-parse --short HEAD)$([[ -z $(git status --porcelain) ]] || echo \
    ' (uncommitted changes of this checkout are not part of the check)')"

echo "== $TEST_COMMAND"
start=$SECONDS
in_chroot "$TEST_COMMAND" || fail "'$TEST_COMMAND' failed."
test_time=$((SECONDS - start))

echo "== $RUN_COMMAND (no display)"
start=$SECONDS
in_chroot "$RUN_COMMAND" | tee "$work/run.log" || fail "'$RUN_COMMAND' failed."
run_time=$((SECONDS - start))
heading=$(printf '%d年%2d月' "$(date +%Y)" "$(date +%-m)")
grep -qF "$heading" "$work/run.log" || fail "'$RUN_COMMAND' did not print this month ($heading)."

installed_packages >"$work/packages-after"
added=$(comm -13 "$work/packages-before" "$work/packages-after")
echo
echo "== fresh-check passed on Debian $SUITE (minbase, $(wc -l <"$work/packages-before") packages)"
echo "bootstrap:         $(minutes "$bootstrap_time")"
echo "$TEST_COMMAND:   $(minutes "$test_time")"
echo "$RUN_COMMAND:    $(minutes "$run_time")"
echo "packages installed by the two commands: $(wc -l <<<"$added")"
fmt -w 118 <<<"$added"
