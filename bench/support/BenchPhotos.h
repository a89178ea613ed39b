#pragma once
// What the benchmarks share: a set of distinct photos made with libvips, and
// the process's memory as the kernel counts it.
#include <filesystem>
#include <string>

namespace velvara::bench {

// The file name of photo number index of a set: photo0000.jpg ...
std::string photoName(int index);

// count distinct JPEGs of width x height named photo0000.jpg ... in folder;
// those already there are kept, so a set is made once. They are made on
// every core.
void makePhotos(const std::filesystem::path& folder, int count, int width, int height);

// The largest resident size so far, and the resident size now, in MiB.
double peakMemoryMiB();
double residentMemoryMiB();

}  // namespace velvara::bench
