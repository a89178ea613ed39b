#pragma once
// What the benchmarks share: a set of distinct photos made with libvips, and
// the process's memory as the kernel counts it.
#include <filesystem>

namespace velvara::bench {

// Photo number index of a set: a distinct JPEG of width x height named
// photo0000.jpg ... in folder, made unless it is there already.
void makePhoto(const std::filesystem::path& folder, int index, int width, int height);

// count distinct JPEGs of width x height named photo0000.jpg ... in folder;
// those already there are kept, so a set is made once.
void makePhotos(const std::filesystem::path& folder, int count, int width, int height);

// The largest resident size so far, and the resident size now, in MiB.
double peakMemoryMiB();
double residentMemoryMiB();

}  // namespace velvara::bench
