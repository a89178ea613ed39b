#include "core/text/Encoding.h"

#include <array>
#include <cstdint>
#include <optional>

namespace velvara::core {
namespace {

// The characters of Windows-1252 bytes 0x80..0x9F. The five bytes the code
// page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) keep their Latin-1
// meaning, so that every byte of a file survives reading and writing.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char32_t windows1252ToCodePoint(unsigned char byte) {
  if (byte >= 0x80 && byte < 0xA0) return kHighControls[byte - 0x80];
  return byte;
}

std::optional<unsigned char> codePointToWindows1252(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<unsigned char>(cp);
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == cp) return static_cast<unsigned char>(0x80 + i);
  }
  return std::nullopt;
}

// One well-formed UTF-8 sequence at the start of text (no overlong forms, no
// surrogates, nothing above U+10FFFF): its code point and length.
struct Utf8Char {
  char32_t codePoint;
  std::size_t length;
};

std::optional<Utf8Char> readUtf8(std::string_view text, std::size_t pos) {
  const auto byteAt = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byteAt(pos);
  if (lead < 0x80) return Utf8Char{lead, 1};
  std::size_t length;
  char32_t cp;
  char32_t minimum;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, cp = lead & 0x1F, minimum = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, cp = lead & 0x0F, minimum = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, cp = lead & 0x07, minimum = 0x10000;
  } else {
    return std::nullopt;
  }
  if (pos + length > text.size()) return std::nullopt;
  for (std::size_t i = 1; i < length; ++i) {
    const unsigned char next = byteAt(pos + i);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    cp = (cp << 6) | (next & 0x3F);
  }
  if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
  return Utf8Char{cp, length};
}

bool hasNonAscii(std::string_view text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return true;
  }
  return false;
}

void appendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Calls visit with each character of a text that should be UTF-8. A byte that
// starts no well-formed sequence is taken as the Windows-1252 character it
// would be in a file, so stray bytes from old sources keep their meaning and
// are never dropped.
template <typename Visit>
void forEachCodePoint(std::string_view text, Visit visit) {
  for (std::size_t pos = 0; pos < text.size();) {
    if (const auto ch = readUtf8(text, pos)) {
      visit(ch->codePoint);
      pos += ch->length;
    } else {
      visit(windows1252ToCodePoint(static_cast<unsigned char>(text[pos])));
      ++pos;
    }
  }
}

std::string hexUpper(char32_t value) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string digits;
  do {
    digits.insert(digits.begin(), kDigits[value & 0xF]);
    value >>= 4;
  } while (value != 0);
  return digits;
}

// The control characters that may not stand in a page, raw or as a
// reference: all but tab, line feed, form feed and carriage return.
bool isForbiddenControl(char32_t cp) {
  if (cp == '\t' || cp == '\n' || cp == '\f' || cp == '\r') return false;
  return cp < 0x20 || (cp >= 0x7F && cp <= 0x9F);
}

constexpr char32_t kReplacementCharacter = 0xFFFD;

template <typename Escape>
std::string escapeNonAscii(std::string_view utf8, Escape escape) {
  std::string out;
  out.reserve(utf8.size());
  forEachCodePoint(utf8, [&](char32_t cp) {
    if (isForbiddenControl(cp)) {
      out += escape(kReplacementCharacter);
    } else if (cp < 0x80) {
      out += static_cast<char>(cp);
    } else {
      out += escape(cp);
    }
  });
  return out;
}

}  // namespace

bool isValidUtf8(std::string_view text) {
  for (std::size_t pos = 0; pos < text.size();) {
    const auto ch = readUtf8(text, pos);
    if (!ch) return false;
    pos += ch->length;
  }
  return true;
}

std::string replaceInvalidUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) {
    if (const auto ch = readUtf8(text, pos)) {
      out.append(text.substr(pos, ch->length));
      pos += ch->length;
    } else {
      appendUtf8(out, kReplacementCharacter);
      ++pos;
    }
  }
  return out;
}

std::string encodeFileText(std::string_view utf8) {
  std::string singleByte;
  std::string wellFormed;
  bool fits = true;
  forEachCodePoint(utf8, [&](char32_t cp) {
    appendUtf8(wellFormed, cp);
    if (!fits) return;
    if (const auto byte = codePointToWindows1252(cp)) {
      singleByte += static_cast<char>(*byte);
    } else {
      fits = false;
    }
  });
  // Some single-byte texts ("Ã©" is C3 A9) are also valid UTF-8 and would be
  // read back as another text; those are written as UTF-8 so that reading
  // always returns what was written.
  if (fits && !(hasNonAscii(singleByte) && isValidUtf8(singleByte))) return singleByte;
  return wellFormed;
}

std::string decodeFileText(std::string_view bytes) {
  if (hasNonAscii(bytes) && isValidUtf8(bytes)) return std::string(bytes);
  std::string out;
  out.reserve(bytes.size());
  for (const char c : bytes) appendUtf8(out, windows1252ToCodePoint(static_cast<unsigned char>(c)));
  return out;
}

std::string htmlEscapeNonAscii(std::string_view utf8) {
  return escapeNonAscii(utf8, [](char32_t cp) { return "&#" + std::to_string(static_cast<std::uint32_t>(cp)) + ";"; });
}

std::string cssEscapeNonAscii(std::string_view utf8) {
  // The blank ends the escape, so a following hex digit or blank is never
  // taken as part of it.
  return escapeNonAscii(utf8, [](char32_t cp) { return "\\" + hexUpper(cp) + " "; });
}

}  // namespace velvara::core
