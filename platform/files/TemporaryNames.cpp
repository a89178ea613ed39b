#include "platform/files/TemporaryNames.h"

#include <algorithm>
#include <cstdint>

namespace velvara::files {
namespace {

constexpr std::string_view kMarker = ".tmp-";
constexpr std::size_t kHashLength = 8;

bool isAsciiDigit(char c) { return c >= '0' && c <= '9'; }
bool isTagCharacter(char c) { return isAsciiDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// FNV-1a: the same name gives the same hash in every run and version.
std::uint32_t hashOf(std::string_view name) {
  std::uint32_t hash = 2166136261u;
  for (const char c : name) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 16777619u;
  }
  return hash;
}

std::string hexOf(std::uint32_t value) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string digits(kHashLength, '0');
  for (std::size_t i = kHashLength; i-- > 0; value >>= 4) digits[i] = kDigits[value & 0xF];
  return digits;
}

// The first length bytes of name, shortened further so that no UTF-8
// character is cut in two.
std::string_view startOf(std::string_view name, std::size_t length) {
  length = std::min(length, name.size());
  while (length > 0 && length < name.size() && (static_cast<unsigned char>(name[length]) & 0xC0) == 0x80) --length;
  return name.substr(0, length);
}

// "<digits>-<digits>" and nothing else.
bool isProcessAndSerial(std::string_view text) {
  const std::size_t dash = text.find('-');
  if (dash == std::string_view::npos || dash == 0 || dash + 1 == text.size()) return false;
  return std::all_of(text.begin(), text.begin() + dash, isAsciiDigit) &&
         std::all_of(text.begin() + dash + 1, text.end(), isAsciiDigit);
}

}  // namespace

std::string temporaryNamePrefix(std::string_view name, std::size_t longest) {
  if (name.size() + kMarker.size() + kTemporaryTagLength <= longest) return std::string(name) + std::string(kMarker);
  const std::size_t added = 1 + kHashLength + kMarker.size() + kTemporaryTagLength;
  const std::size_t kept = longest > added ? longest - added : 0;
  return std::string(startOf(name, kept)) + "~" + hexOf(hashOf(name)) + std::string(kMarker);
}

bool isTemporaryNameOf(std::string_view candidate, std::string_view name, std::size_t longest) {
  const std::string prefix = temporaryNamePrefix(name, longest);
  if (candidate.size() == prefix.size() + kTemporaryTagLength && candidate.starts_with(prefix)) {
    const std::string_view tag = candidate.substr(prefix.size());
    if (std::all_of(tag.begin(), tag.end(), isTagCharacter)) return true;
  }
  const std::string earlier = std::string(name) + ".tmp";
  return candidate.starts_with(earlier) && isProcessAndSerial(candidate.substr(earlier.size()));
}

}  // namespace velvara::files
