// Finds the JPEG pictures a file actually holds by walking their markers:
// from a picture's SOI through its header segments (skipped by their
// lengths, so an Exif thumbnail is no picture of its own) and its scans to
// the EOI that ends them. What an MP index says is not consulted.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct WalkedPicture {
    std::uint64_t start = 0;
    std::uint64_t end = 0;      // just past its EOI; 0 when it has none
    bool beginsWithSoi = false;
    bool hasMPSegment = false;  // an APP2 "MPF" segment of its own

    bool whole() const { return beginsWithSoi && end != 0; }
};

// The picture whose SOI should be at `start` of the open file `fd` of
// `fileSize` bytes.
WalkedPicture walkPicture(int fd, std::uint64_t fileSize, std::uint64_t start);

// The pictures stored one after another from the start of the file: each
// found at the first SOI after the one before ends. The walk stops at the
// first picture that does not end at an EOI, which is then the last one
// returned (check whole()).
std::vector<WalkedPicture> findPictures(int fd, std::uint64_t fileSize, std::size_t mostPictures);

// Why the pictures a walk `found` cannot be joined anew into a file with a
// rebuilt MP index, in words that follow the file's name; empty when they
// can (two or more, each whole).
std::string rebuildObstacle(const std::vector<WalkedPicture> &found);
