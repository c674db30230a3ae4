#!/usr/bin/env bash
# Runs a command with QUILLET_FULL_DISK naming a small tmpfs of its own, where
# a file can be created but not written once it is full. Without the right to
# mount, the tests that need it skip and say so.
# usage: run_on_full_disk.sh WINE EXE [ARGS...]
set -u
dir="$(mktemp -d /tmp/quillet-full.XXXXXX)"
if mount -t tmpfs -o size=1m tmpfs "$dir" 2>/dev/null; then
    export QUILLET_FULL_DISK="$dir"
else
    echo "mounting a tmpfs was refused: the full-disk tests skip"
fi
"$@"
status=$?
umount "$dir" 2>/dev/null
rmdir "$dir"
exit $status
