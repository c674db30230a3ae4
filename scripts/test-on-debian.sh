#!/usr/bin/env bash
# Runs the test command on another Debian release, as a newcomer there would:
# a root of that release made with debootstrap inside the build folder, a
# clean clone of this checkout's HEAD in it, and ./scripts/test.sh run there.
# usage: test-on-debian.sh RELEASE   (for example trixie)
set -euo pipefail
RELEASE="${1:-}"
if [ -z "$RELEASE" ]; then
    echo "usage: $0 RELEASE (a Debian release name, for example trixie)" >&2
    exit 2
fi
QUILLET_ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD="${QUILLET_BUILD_DIR:-$QUILLET_ROOT/build}"
MIRROR="${QUILLET_DEBIAN_MIRROR:-http://deb.debian.org/debian}"
WORK="$BUILD/debian-$RELEASE"
ROOT="$WORK/root"

if [ "$(id -u)" != 0 ]; then
    echo "Cannot test on Debian $RELEASE: making a Debian root and mounting /proc and /dev" \
        "in it needs root. Run this script as root." >&2
    exit 2
fi
if ! command -v debootstrap >/dev/null; then
    echo "Installing: debootstrap"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap >/dev/null
fi

MOUNTED=()
# Ends every process still running in the root (a Wine server, say), then
# takes the mounts away, last first.
unmount_all() {
    local i p
    for p in /proc/[0-9]*; do
        [[ "$(readlink "$p/root" 2>/dev/null)" == "$ROOT"* ]] && kill -9 "${p#/proc/}" 2>/dev/null
    done
    for ((i = ${#MOUNTED[@]} - 1; i >= 0; i--)); do
        umount "${MOUNTED[$i]}" 2>/dev/null || umount -l "${MOUNTED[$i]}" 2>/dev/null || true
    done
    MOUNTED=()
}
trap unmount_all EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

mount_in_root() { # TYPE SOURCE TARGET [OPTIONS]
    local target="$ROOT$3"
    mkdir -p "$target"
    if ! mount -t "$1" ${4:+-o "$4"} "$2" "$target"; then
        echo "Cannot test on Debian $RELEASE: mounting $1 on $target was refused" \
            "(this machine gives no right to mount)." >&2
        exit 2
    fi
    MOUNTED+=("$target")
}

# A fresh root each run, so that nothing a former run installed is relied on.
# A root left mounted by a killed run is unmounted before it is removed.
if [ -d "$ROOT" ]; then
    for m in $(awk -v r="$ROOT" 'index($2, r) == 1 {print $2}' /proc/mounts | sort -r); do
        umount -l "$m" 2>/dev/null || true
    done
    rm -rf --one-file-system "$ROOT"
fi
mkdir -p "$WORK"
echo "Making a Debian $RELEASE root in $ROOT"
if ! debootstrap --variant=minbase "$RELEASE" "$ROOT" "$MIRROR" >"$WORK/debootstrap.log" 2>&1; then
    tail -n 20 "$WORK/debootstrap.log" >&2
    echo "Cannot test on Debian $RELEASE: debootstrap failed (see $WORK/debootstrap.log)." >&2
    exit 2
fi

mount_in_root proc proc /proc
mount_in_root sysfs sysfs /sys
mount_in_root devtmpfs udev /dev
mount_in_root devpts devpts /dev/pts newinstance,ptmxmode=0666
mount_in_root tmpfs shm /dev/shm mode=1777
mount_in_root tmpfs tmp /tmp mode=1777
cp /etc/resolv.conf "$ROOT/etc/resolv.conf"

# The checkout as committed: what CI would see.
git clone -q --no-local "$QUILLET_ROOT" "$ROOT/quillet"
echo "Running the test command on Debian $(cat "$ROOT/etc/debian_version")"
# In the background, so that a signal reaches the traps above at once.
chroot "$ROOT" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
    TERM="${TERM:-dumb}" /bin/bash -c 'cd /quillet && ./scripts/test.sh' &
wait $!
