#include "widgets/store/Variant.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace velvara::widgets {

namespace {

std::string numberText(double number) {
  char text[32];
  std::snprintf(text, sizeof text, "%.15G", number);
  return text;
}

std::int32_t roundToWhole(double number) {
  if (!std::isfinite(number)) throw std::out_of_range("number out of range");
  const double rounded = std::nearbyint(number);
  if (rounded < INT32_MIN || rounded > INT32_MAX) throw std::out_of_range("number out of range");
  return static_cast<std::int32_t>(rounded);
}

double parseNumber(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t");
  const std::size_t last = text.find_last_not_of(" \t");
  if (first == std::string::npos) throw std::invalid_argument("not a number");
  const std::string trimmed = text.substr(first, last - first + 1);
  char* end = nullptr;
  const double number = std::strtod(trimmed.c_str(), &end);
  if (end != trimmed.c_str() + trimmed.size()) throw std::invalid_argument("not a number");
  return number;
}

}  // namespace

std::string textOf(const Variant& value) {
  struct Visitor {
    std::string operator()(std::monostate) const { return {}; }
    std::string operator()(std::int16_t n) const { return std::to_string(n); }
    std::string operator()(std::int32_t n) const { return std::to_string(n); }
    std::string operator()(double n) const { return numberText(n); }
    std::string operator()(const std::string& text) const { return text; }
    std::string operator()(const Bytes& bytes) const { return std::string(bytes.begin(), bytes.end()); }
  };
  return std::visit(Visitor{}, value);
}

std::int32_t wholeNumberOf(const Variant& value) {
  struct Visitor {
    std::int32_t operator()(std::monostate) const { return 0; }
    std::int32_t operator()(std::int16_t n) const { return n; }
    std::int32_t operator()(std::int32_t n) const { return n; }
    std::int32_t operator()(double n) const { return roundToWhole(n); }
    std::int32_t operator()(const std::string& text) const { return roundToWhole(parseNumber(text)); }
    std::int32_t operator()(const Bytes&) const { throw std::invalid_argument("bytes are not a number"); }
  };
  return std::visit(Visitor{}, value);
}

}  // namespace velvara::widgets
