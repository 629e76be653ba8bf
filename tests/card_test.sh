#!/bin/sh
# Every writer on the file systems pictures live on: a folder of the build
# (ext4 most often), tmpfs, and FAT and exFAT images mounted through FUSE, as
# an SD card or the 3DS card holds them. FAT and exFAT have neither unnamed
# files nor hard links. On each: a split of a file into its own folder, twice
# (the second run's names get -1, nothing is replaced), a join, a stereo view,
# a 3DS pair twice (the next number), a repair; a join onto a taken name is
# refused and leaves that file as it was; a split whose writes fail halfway
# leaves nothing; no hidden file is left behind.
# Where FUSE or its tools are missing, the card file systems are skipped with
# a message (exit 77, which ctest shows as skipped), never passed in silence.
# usage: card_test.sh BUILD_FOLDER
set -eu
build=$1
scratch=$(mktemp -d)
mounted=""
loop=""
cleanup() {
    for point in $mounted; do fusermount -u "$point" 2>/dev/null || umount "$point" 2>/dev/null || true; done
    [ -n "$loop" ] && losetup -d "$loop" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT

fail() { echo "FAILED on $place: $*"; exit 1; }

# A pair to work on, and its pictures split where nothing is in doubt.
"$build/make_sample_mpo" "$scratch/pair.MPO" >/dev/null
mkdir "$scratch/reference"
"$build/mposplit" -o "$scratch/reference" "$scratch/pair.MPO" >/dev/null

writers_on() {
    place=$1
    folder=$2
    cp "$scratch/pair.MPO" "$folder/pair.MPO"
    "$build/mposplit" "$folder/pair.MPO" >/dev/null || fail "mposplit"
    "$build/mposplit" "$folder/pair.MPO" >/dev/null || fail "mposplit, a second time"
    for n in 001 002; do
        cmp -s "$scratch/reference/pair_$n.JPG" "$folder/pair_$n.JPG" || fail "pair_$n.JPG differs"
        cmp -s "$scratch/reference/pair_$n.JPG" "$folder/pair_$n-1.JPG" || fail "pair_$n-1.JPG differs"
    done
    "$build/mpojoin" -o "$folder/joined.MPO" "$folder/pair_001.JPG" "$folder/pair_002.JPG" >/dev/null || fail "mpojoin"
    cp "$folder/joined.MPO" "$scratch/joined.MPO"
    if "$build/mpojoin" -o "$folder/joined.MPO" "$folder/pair_002.JPG" "$folder/pair_001.JPG" >/dev/null 2>&1; then
        fail "mpojoin replaced a file"
    fi
    cmp -s "$scratch/joined.MPO" "$folder/joined.MPO" || fail "joined.MPO changed"
    "$build/mpostereo" -m parallel -o "$folder" "$folder/joined.MPO" >/dev/null || fail "mpostereo"
    "$build/mpostereo" --3ds -o "$folder" "$folder/joined.MPO" >/dev/null 2>&1 || fail "mpostereo --3ds"
    "$build/mpostereo" --3ds -o "$folder" "$folder/joined.MPO" >/dev/null 2>&1 || fail "mpostereo --3ds, a second time"
    "$build/mpocheck" --repair -o "$folder" "$folder/joined.MPO" >/dev/null || fail "mpocheck --repair"
    for written in joined_stereo.jpg HNI_0001.MPO HNI_0002.MPO joined_repaired.MPO; do
        [ -s "$folder/$written" ] || fail "$written is missing"
    done
    "$build/mpocheck" "$folder/HNI_0002.MPO" "$folder/joined_repaired.MPO" >/dev/null || fail "a written MPO file is unsound"
    # A write that fails halfway (files may grow to 10 KiB here) leaves no cut file.
    mkdir "$folder/limited"
    if sh -c "trap '' XFSZ; ulimit -f 10; exec \"$build/mposplit\" -o \"$folder/limited\" \"$folder/pair.MPO\"" \
        >/dev/null 2>&1; then
        fail "mposplit succeeded where no picture fits"
    fi
    [ -z "$(ls -A "$folder/limited")" ] || fail "a failed split left $(ls -A "$folder/limited")"
    left=$(find "$folder" -name '.*unfinished*' | wc -l)
    [ "$left" -eq 0 ] || fail "$left hidden files left"
    echo "$place: every writer wrote whole and replaced nothing"
}

mkdir "$scratch/build-folder"
writers_on "the build's file system" "$scratch/build-folder"
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
    shm=$(mktemp -d /dev/shm/card-test.XXXXXX)
    writers_on tmpfs "$shm"
    rm -rf "$shm"
fi

skipped=""
if [ "$(id -u)" -ne 0 ] || [ ! -e /dev/fuse ]; then
    skipped="FAT and exFAT (mounting through FUSE needs root and /dev/fuse)"
fi
if [ -z "$skipped" ]; then
    if command -v fusefat >/dev/null && command -v mkfs.vfat >/dev/null; then
        truncate -s 64M "$scratch/fat.img"
        mkfs.vfat "$scratch/fat.img" >/dev/null
        mkdir "$scratch/fat"
        if fusefat -o rw+ "$scratch/fat.img" "$scratch/fat" >/dev/null 2>&1; then
            mounted="$scratch/fat"
            writers_on FAT "$scratch/fat"
        else
            skipped="FAT (fusefat could not mount an image here)"
        fi
    else
        skipped="FAT (fusefat and dosfstools are needed)"
    fi
    # exfat-fuse mounts block devices only: the image goes through a loop device.
    if command -v mount.exfat-fuse >/dev/null && command -v mkfs.exfat >/dev/null &&
        truncate -s 64M "$scratch/exfat.img" && mkfs.exfat "$scratch/exfat.img" >/dev/null 2>&1 &&
        loop=$(losetup -f --show "$scratch/exfat.img" 2>/dev/null) && mkdir "$scratch/exfat" &&
        mount.exfat-fuse "$loop" "$scratch/exfat" >/dev/null 2>&1; then
        mounted="$mounted $scratch/exfat"
        writers_on exFAT "$scratch/exfat"
    else
        skipped="${skipped:+$skipped; }exFAT (exfat-fuse, exfatprogs, a loop device and a FUSE mount are needed)"
    fi
fi
if [ -n "$skipped" ]; then
    echo "SKIPPED: $skipped"
    exit 77
fi
