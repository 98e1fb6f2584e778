#!/usr/bin/env bash
# Runs a test program with a small tmpfs of its own, a disk that fills up for real. The
# program finds it in SCINDORA_TMPFS (a Windows path: Wine maps / to Z:), or the reason it
# could not be mounted in SCINDORA_TMPFS_SKIP. Usage: with_tmpfs.sh SIZE PROGRAM [ARGS...]
set -u
size=$1
shift
mnt=$(mktemp -d /tmp/scindora-tmpfs.XXXXXX)
if why=$(mount -t tmpfs -o "size=$size,mode=0755" scindora-test "$mnt" 2>&1); then
  trap 'umount "$mnt" && rmdir "$mnt"' EXIT
  export SCINDORA_TMPFS="Z:${mnt//\//\\}"
else
  rmdir "$mnt"
  export SCINDORA_TMPFS_SKIP="cannot mount a tmpfs: ${why:-mount failed}"
fi
"$@"
