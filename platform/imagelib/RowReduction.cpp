#include "platform/imagelib/RowReduction.h"

#include <vips/vips.h>
// After vips.h, which it needs.
#include <vips/vector.h>

#include <algorithm>
#include <cmath>
#include <cstring>

// Every step below repeats one of libvips 8.14's, in its order and in its
// arithmetic, so that the result is the same to the byte; the names of the
// steps are libvips' own. This file is compiled without contracting
// multiplications and additions into one, as libvips is.
namespace velvara::imagelib::detail {
namespace {

// The filter's weights are tabulated for this many positions between two
// source pixels (and one more for the next pixel), with 12 fractional bits;
// the vector code holds them with 6.
constexpr int kPositions = 64;
constexpr int kFixedShift = 12;
constexpr int kFixedOne = 1 << kFixedShift;
constexpr int kVectorShift = 6;
constexpr int kVectorOne = 1 << kVectorShift;
// Lanczos 3.
constexpr int kLobes = 3;
constexpr double kPi = 3.14159265358979323846;
// resize first averages whole pixels while the rest would still shrink by
// at least this factor.
constexpr double kGap = 2.0;
// A picture read from the top is reduced downwards in strips of this many
// rows, each strip's rows placed from the strip's first.
constexpr int kStripRows = 10;

int pointsFor(double shrink) { return static_cast<int>(2 * std::rint(kLobes * shrink) + 1); }

// The Lanczos weights of the points around x (0 to 1 between two source
// pixels), normalised to a sum of 1.
void lanczosWeights(double* weights, double shrink, double x) {
  const int points = pointsFor(shrink);
  const double half = x + points / 2.0 - 1;
  double sum = 0;
  for (int i = 0; i < points; i++) {
    const double xp = (i - half) / shrink;
    double weight;
    if (xp == 0.0) {
      weight = 1.0;
    } else if (xp < -kLobes || xp > kLobes) {
      weight = 0.0;
    } else {
      weight = static_cast<double>(kLobes) * std::sin(kPi * xp) * std::sin(kPi * xp / static_cast<double>(kLobes)) /
               (kPi * kPi * xp * xp);
    }
    weights[i] = weight;
    sum += weight;
  }
  for (int i = 0; i < points; i++) weights[i] /= sum;
}

// One direction's reduction after the whole-pixel averaging: the residual
// shrink, its weights for every position, and where the first output pixel
// samples.
struct Filter {
  int points = 0;
  double shrink = 1;
  double offset = 0;
  std::vector<int> weights;

  const int* at(double coordinate) const {
    const int scaled = coordinate * kPositions * 2;
    const int position = ((scaled & (kPositions * 2 - 1)) + 1) >> 1;
    return weights.data() + static_cast<std::size_t>(position) * points;
  }
};

struct Reduction {
  int size = 0;         // pixels out
  int wholeShrink = 1;  // averaged first
  double shrink = 1;    // left to the filter
  double extra = 0;     // pixels the filter invents at the ends (negative: drops)
};

Reduction planReduction(int size, double shrink) {
  Reduction plan;
  plan.size = static_cast<int>(static_cast<double>(size) / shrink + 0.5);
  plan.extra = plan.size * shrink - size;
  plan.shrink = shrink;
  plan.wholeShrink = static_cast<int>(std::max(1.0, std::floor(static_cast<double>(size) / plan.size / kGap)));
  if (plan.wholeShrink > 1) {
    plan.shrink /= plan.wholeShrink;
    plan.extra /= plan.wholeShrink;
  }
  return plan;
}

// withVectorWeights: the weights the vector code uses, else the 12-bit ones.
Filter makeFilter(const Reduction& plan, bool withVectorWeights) {
  Filter filter;
  filter.shrink = plan.shrink;
  filter.points = pointsFor(plan.shrink);
  filter.offset = (1 + plan.extra) / 2.0 - 1;
  const std::size_t points = static_cast<std::size_t>(filter.points);
  filter.weights.resize((kPositions + 1) * points);
  std::vector<double> exact(points);
  for (int position = 0; position <= kPositions; position++) {
    lanczosWeights(exact.data(), plan.shrink, static_cast<float>(position) / kPositions);
    int* weights = filter.weights.data() + position * points;
    if (withVectorWeights) {
      vips_vector_to_fixed_point(exact.data(), weights, filter.points, kVectorOne);
    } else {
      for (std::size_t i = 0; i < points; i++) weights[i] = static_cast<int>(exact[i] * kFixedOne);
    }
  }
  return filter;
}

// The rows of in with the edge rows repeated beyond either end: source row
// i of a reduction whose weights start pad rows above row 0.
const std::uint8_t* clampedRow(const SampleRows& in, int row) { return in.row(std::clamp(row, 0, in.height - 1)); }

std::uint8_t clampToByte(int value) { return static_cast<std::uint8_t>(std::clamp(value, 0, 255)); }

SampleRows averageRows(const SampleRows& in, int factor) {
  SampleRows out{in.width, static_cast<int>(std::ceil(static_cast<double>(in.height) / factor)), in.bands, {}};
  const std::size_t line = static_cast<std::size_t>(in.width) * in.bands;
  out.samples.resize(line * out.height);
  std::vector<int> sums(line);
  for (int y = 0; y < out.height; y++) {
    std::fill(sums.begin(), sums.end(), 0);
    for (int k = 0; k < factor; k++) {
      const std::uint8_t* from = clampedRow(in, y * factor + k);
      for (std::size_t z = 0; z < line; z++) sums[z] += from[z];
    }
    std::uint8_t* to = out.row(y);
    for (std::size_t z = 0; z < line; z++) to[z] = static_cast<std::uint8_t>((sums[z] + factor / 2) / factor);
  }
  return out;
}

SampleRows averageColumns(const SampleRows& in, int factor) {
  SampleRows out{static_cast<int>(std::ceil(static_cast<double>(in.width) / factor)), in.height, in.bands, {}};
  out.samples.resize(static_cast<std::size_t>(out.width) * out.bands * out.height);
  const int bands = in.bands;
  for (int y = 0; y < in.height; y++) {
    const std::uint8_t* from = in.row(y);
    std::uint8_t* to = out.row(y);
    for (int x = 0; x < out.width; x++) {
      for (int b = 0; b < bands; b++) {
        int sum = 0;
        for (int k = 0; k < factor; k++) sum += from[std::min(x * factor + k, in.width - 1) * bands + b];
        to[x * bands + b] = static_cast<std::uint8_t>((sum + factor / 2) / factor);
      }
    }
  }
  return out;
}

// Whether the 6-bit sums of weights can leave 16 bits: the vector code
// saturates every partial sum, which only matters when they can.
bool mayOverflowSixteenBits(const Filter& filter) {
  for (std::size_t start = 0; start < filter.weights.size(); start += filter.points) {
    int positive = 0, negative = 0;
    for (int i = 0; i < filter.points; i++) {
      const int weight = filter.weights[start + i];
      (weight > 0 ? positive : negative) += std::abs(weight);
    }
    if (positive > 128 || negative > 128) return true;
  }
  return false;
}

// One output row from rows[0 .. points-1] with weights. With 6-bit weights:
// the vector code's 16-bit sum from half a unit, shifted down; when no
// partial sum can leave 16 bits, its saturation never acts and the sums run
// on 16-bit vectors. With 12-bit weights: the sum rounded to nearest.
struct RowSums {
  std::vector<std::int16_t> narrow;
  std::vector<int> wide;
};

void weighRows(const std::uint8_t* const* rows, const int* weights, int points, std::size_t count, bool sixBit,
               bool saturating, RowSums& sums, std::uint8_t* to) {
  if (sixBit && saturating) {
    for (std::size_t z = 0; z < count; z++) {
      int sum = kVectorOne / 2;
      for (int i = 0; i < points; i++) {
        const int term = static_cast<std::int16_t>(rows[i][z] * weights[i]);
        sum = std::clamp(sum + term, -32768, 32767);
      }
      to[z] = clampToByte(sum >> kVectorShift);
    }
  } else if (sixBit) {
    std::int16_t* sum = sums.narrow.data();
    std::fill(sum, sum + count, static_cast<std::int16_t>(kVectorOne / 2));
    for (int i = 0; i < points; i++) {
      const std::uint8_t* from = rows[i];
      const std::int16_t weight = static_cast<std::int16_t>(weights[i]);
      for (std::size_t z = 0; z < count; z++) sum[z] = static_cast<std::int16_t>(sum[z] + weight * from[z]);
    }
    for (std::size_t z = 0; z < count; z++) to[z] = clampToByte(sum[z] >> kVectorShift);
  } else {
    int* sum = sums.wide.data();
    std::fill(sum, sum + count, 0);
    for (int i = 0; i < points; i++) {
      const std::uint8_t* from = rows[i];
      const int weight = weights[i];
      for (std::size_t z = 0; z < count; z++) sum[z] += weight * from[z];
    }
    for (std::size_t z = 0; z < count; z++) to[z] = clampToByte((sum[z] + kFixedOne / 2) >> kFixedShift);
  }
}

// libvips' reducev: 8-bit rows are reduced by its vector code when vector
// code is enabled, else by its plain code with 12-bit weights.
SampleRows reduceDown(const SampleRows& source, double shrink) {
  const Reduction plan = planReduction(source.height, shrink);
  SampleRows averaged;
  const SampleRows& in = plan.wholeShrink > 1 ? (averaged = averageRows(source, plan.wholeShrink)) : source;
  if (plan.shrink == 1.0) return in;
  const bool sixBit = vips_vector_isenabled();
  const Filter filter = makeFilter(plan, sixBit);
  const bool saturating = sixBit && mayOverflowSixteenBits(filter);
  const int pad = static_cast<int>(std::ceil(filter.points / 2.0)) - 1;
  SampleRows out{in.width, plan.size, in.bands, {}};
  const std::size_t line = static_cast<std::size_t>(in.width) * in.bands;
  out.samples.resize(line * out.height);
  RowSums sums;
  if (sixBit && !saturating) {
    sums.narrow.resize(line);
  } else {
    sums.wide.resize(line);
  }
  std::vector<const std::uint8_t*> rows(static_cast<std::size_t>(filter.points));
  for (int top = 0; top < out.height; top += kStripRows) {
    double y = (top + 0.5) * filter.shrink - 0.5 - filter.offset;
    for (int row = top; row < std::min(top + kStripRows, out.height); row++) {
      const int first = static_cast<int>(y);
      for (int i = 0; i < filter.points; i++) rows[i] = clampedRow(in, first + i - pad);
      weighRows(rows.data(), filter.at(y), filter.points, line, sixBit, saturating, sums, out.row(row));
      y += filter.shrink;
    }
  }
  return out;
}

// One output pixel from the pixels at points with 12-bit weights, rounded
// to nearest; colour pixels with their three sums side by side.
void weighPoints(const std::uint8_t* points, const int* weights, int count, int bands, std::uint8_t* to) {
  if (bands == 3) {
    int red = 0, green = 0, blue = 0;
    for (int i = 0; i < count; i++, points += 3) {
      red += weights[i] * points[0];
      green += weights[i] * points[1];
      blue += weights[i] * points[2];
    }
    to[0] = clampToByte((red + kFixedOne / 2) >> kFixedShift);
    to[1] = clampToByte((green + kFixedOne / 2) >> kFixedShift);
    to[2] = clampToByte((blue + kFixedOne / 2) >> kFixedShift);
    return;
  }
  for (int b = 0; b < bands; b++) {
    int sum = 0;
    for (int i = 0; i < count; i++) sum += weights[i] * points[i * bands + b];
    to[b] = clampToByte((sum + kFixedOne / 2) >> kFixedShift);
  }
}

// libvips' reduceh, which has only plain code: 12-bit weights.
SampleRows reduceAcross(const SampleRows& source, double shrink) {
  const Reduction plan = planReduction(source.width, shrink);
  SampleRows averaged;
  const SampleRows& in = plan.wholeShrink > 1 ? (averaged = averageColumns(source, plan.wholeShrink)) : source;
  if (plan.shrink == 1.0) return in;
  const Filter filter = makeFilter(plan, false);
  const int pad = static_cast<int>(std::ceil(filter.points / 2.0)) - 1;
  const int bands = in.bands;
  SampleRows out{plan.size, in.height, bands, {}};
  out.samples.resize(static_cast<std::size_t>(out.width) * bands * out.height);
  // A row with its edge pixels repeated pad pixels to the left and far
  // enough to the right for the last output pixel's points.
  const int padded = in.width + 2 * filter.points + 2;
  std::vector<std::uint8_t> line(static_cast<std::size_t>(padded) * bands);
  for (int y = 0; y < in.height; y++) {
    const std::uint8_t* from = in.row(y);
    for (int x = 0; x < padded; x++) {
      const int source_x = std::clamp(x - pad, 0, in.width - 1);
      std::memcpy(&line[static_cast<std::size_t>(x) * bands], from + static_cast<std::size_t>(source_x) * bands,
                  static_cast<std::size_t>(bands));
    }
    std::uint8_t* to = out.row(y);
    double x = 0.5 * filter.shrink - 0.5 - filter.offset;
    for (int column = 0; column < out.width; column++) {
      const std::uint8_t* points = &line[static_cast<std::size_t>(static_cast<int>(x)) * bands];
      weighPoints(points, filter.at(x), filter.points, bands, to + static_cast<std::size_t>(column) * bands);
      x += filter.shrink;
    }
  }
  return out;
}

}  // namespace

SampleRows reduceRows(const SampleRows& in, double hscale, double vscale) {
  // Neither side below one pixel; downwards first, then across.
  hscale = std::max(hscale, 1.0 / in.width);
  vscale = std::max(vscale, 1.0 / in.height);
  SampleRows reduced = vscale < 1.0 ? reduceDown(in, 1.0 / vscale) : in;
  if (hscale < 1.0) return reduceAcross(reduced, 1.0 / hscale);
  return reduced;
}

}  // namespace velvara::imagelib::detail
