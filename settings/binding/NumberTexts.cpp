#include "settings/binding/NumberTexts.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "core/helpers/Blanks.h"

namespace velvara::settings {
namespace {

// A decimal number at the start of text: an optional sign, digits with an
// optional fraction. The length read is 0 when there is none.
struct LeadingRun {
  double value = 0;
  std::size_t length = 0;
};

LeadingRun readLeadingRun(std::string_view text) {
  std::size_t start = 0;
  bool negative = false;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    negative = text[0] == '-';
    start = 1;
  }
  const std::string_view rest = text.substr(start);
  // A second sign would otherwise be taken by the reader below.
  if (!rest.empty() && (rest[0] == '+' || rest[0] == '-')) return {};
  double value = 0;
  const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), value, std::chars_format::fixed);
  if (error != std::errc{}) return {};
  return {negative ? -value : value, start + static_cast<std::size_t>(end - rest.data())};
}

}  // namespace

std::optional<std::int32_t> wholeNumber(std::string_view text, bool sixteenBits) {
  const std::string_view trimmed = core::trimBlanks(text);
  const LeadingRun run = readLeadingRun(trimmed);
  if (run.length == 0 || run.length != trimmed.size()) return std::nullopt;
  return wholeNumber(run.value, sixteenBits);
}

std::optional<std::int32_t> wholeNumber(double value, bool sixteenBits) {
  if (!std::isfinite(value)) return std::nullopt;
  const double rounded = std::nearbyint(value);  // the default rounding mode sends halves to even
  const double low = sixteenBits ? std::numeric_limits<std::int16_t>::min() : std::numeric_limits<std::int32_t>::min();
  const double high = sixteenBits ? std::numeric_limits<std::int16_t>::max() : std::numeric_limits<std::int32_t>::max();
  if (rounded < low || rounded > high) return std::nullopt;
  return static_cast<std::int32_t>(rounded);
}

double leadingNumber(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  const LeadingRun run = readLeadingRun(text);
  return run.length == 0 || !std::isfinite(run.value) ? 0 : run.value;
}

std::string decimalText(double value) {
  char buffer[64];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  std::string text = error == std::errc{} ? std::string(buffer, end) : std::string("0");
  if (text == "-0") text = "0";
  return text;
}

}  // namespace velvara::settings
