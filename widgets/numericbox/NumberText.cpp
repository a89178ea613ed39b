#include "widgets/numericbox/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace velvara::widgets {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }

// The length of the number at text's start (0 when none) and its value.
std::size_t scanNumber(std::string_view text, char localeSeparator, double& value) {
  std::string plain;
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) plain += text[i++];
  std::size_t digits = 0;
  while (i < text.size() && isDigit(text[i])) plain += text[i++], ++digits;
  if (i < text.size() && (text[i] == '.' || text[i] == localeSeparator)) {
    std::size_t fraction = i + 1;
    std::string part = ".";
    while (fraction < text.size() && isDigit(text[fraction])) part += text[fraction++], ++digits;
    if (digits > 0) {
      plain += part;
      i = fraction;
    }
  }
  if (digits == 0) return 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t exponent = i + 1;
    std::string part = "e";
    if (exponent < text.size() && (text[exponent] == '-' || text[exponent] == '+')) part += text[exponent++];
    const std::size_t firstDigit = exponent;
    while (exponent < text.size() && isDigit(text[exponent])) part += text[exponent++];
    if (exponent > firstDigit) {
      plain += part;
      i = exponent;
    }
  }
  // Read without the C library's locale, which may take "," for the point.
  const bool negative = plain.front() == '-';
  const std::size_t unsignedStart = plain.front() == '-' || plain.front() == '+' ? 1 : 0;
  const auto read = std::from_chars(plain.data() + unsignedStart, plain.data() + plain.size(), value);
  if (read.ec == std::errc::result_out_of_range) {
    // Too large is infinite, as the box then refuses it; too small is 0.
    value = plain.find("e-") == std::string::npos ? HUGE_VAL : 0.0;
  }
  if (negative) value = -value;
  return i;
}

}  // namespace

double leadingNumber(std::string_view text, char localeSeparator) {
  std::size_t start = 0;
  while (start < text.size() && isBlank(text[start])) ++start;
  double value = 0;
  return scanNumber(text.substr(start), localeSeparator, value) > 0 ? value : 0;
}

bool isNumberText(std::string_view text, char localeSeparator) {
  std::size_t start = 0;
  while (start < text.size() && isBlank(text[start])) ++start;
  std::size_t end = text.size();
  while (end > start && isBlank(text[end - 1])) --end;
  double value = 0;
  const std::string_view body = text.substr(start, end - start);
  return !body.empty() && scanNumber(body, localeSeparator, value) == body.size();
}

std::string formatNumber(double value, std::string_view pattern, char localeSeparator) {
  const std::size_t first = pattern.find_first_of("0#");
  if (first == std::string_view::npos) {
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    std::string text(buffer, written.ptr);
    if (auto point = text.find('.'); point != std::string::npos) text[point] = localeSeparator;
    return std::string(pattern) + text;
  }
  const std::size_t last = pattern.find_last_of("0#.");
  const std::string_view places = pattern.substr(first, last - first + 1);
  const std::size_t point = places.find('.');
  const std::string_view wholePlaces = places.substr(0, point);
  const std::string_view fractionPlaces =
      point == std::string_view::npos ? std::string_view() : places.substr(point + 1);

  std::size_t minimumWhole = 0;
  for (char c : wholePlaces) minimumWhole += c == '0';
  std::size_t decimals = 0;
  std::size_t requiredDecimals = 0;
  for (char c : fractionPlaces) {
    if (c == '0' || c == '#') ++decimals;
    if (c == '0') requiredDecimals = decimals;
  }

  const double scaled = std::round(std::fabs(value) * std::pow(10.0, static_cast<double>(decimals)));
  char buffer[400];
  std::snprintf(buffer, sizeof buffer, "%.0f", scaled);
  std::string digits = buffer;
  if (digits.size() <= decimals) digits.insert(0, decimals + 1 - digits.size(), '0');
  std::string whole = digits.substr(0, digits.size() - decimals);
  std::string fraction = digits.substr(digits.size() - decimals);
  while (fraction.size() > requiredDecimals && fraction.back() == '0') fraction.pop_back();
  while (whole.size() > minimumWhole && whole.front() == '0') whole.erase(0, 1);
  if (whole.size() < minimumWhole) whole.insert(0, minimumWhole - whole.size(), '0');

  std::string text(pattern.substr(0, first));
  if (value < 0 && scaled != 0) text += '-';
  text += whole;
  if (point != std::string_view::npos && !fraction.empty()) text += localeSeparator + fraction;
  text += pattern.substr(last + 1);
  return text;
}

}  // namespace velvara::widgets
