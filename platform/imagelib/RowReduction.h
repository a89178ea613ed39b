#pragma once
// Private to the image library: making an 8-bit picture smaller on our own
// rows, byte for byte as libvips' resize with its Lanczos 3 filter makes it
// (the resize its thumbnail uses): the same whole-pixel averaging first, the
// same filter coefficients, the same fixed-point sums and the same rounding.
//
// libvips compiles vector code for every resampling operation it builds, and
// those operations are built one at a time (see BuiltPipeline), so pictures
// resampled by libvips queue behind one another. Rows reduced here build
// nothing: pictures are reduced side by side on every core.
#include <cstdint>
#include <vector>

namespace velvara::imagelib::detail {

// 8-bit samples, the top row first, the bands of a pixel side by side and no
// padding between rows.
struct SampleRows {
  int width = 0;
  int height = 0;
  int bands = 0;
  std::vector<std::uint8_t> samples;

  std::uint8_t* row(int y) { return samples.data() + static_cast<std::size_t>(y) * width * bands; }
  const std::uint8_t* row(int y) const { return samples.data() + static_cast<std::size_t>(y) * width * bands; }
};

// in resized by hscale across and vscale down, both greater than 0 and at
// most 1: what libvips' resize gives for these scales with its default
// filter. A scale of 1 leaves that direction alone.
SampleRows reduceRows(const SampleRows& in, double hscale, double vscale);

}  // namespace velvara::imagelib::detail
