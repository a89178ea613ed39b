#include "core/text/Encoding.h"

#include <gtest/gtest.h>

#include <string>

namespace velvara::core {
namespace {

// The UTF-8 form of each Windows-1252 byte from 0x80 to 0x9F; the five bytes
// the code page leaves undefined read as the Latin-1 control characters.
const char* const kHighControlsUtf8[32] = {
    "\u20AC", "\u0081", "\u201A", "\u0192", "\u201E", "\u2026", "\u2020", "\u2021", "\u02C6", "\u2030", "\u0160",
    "\u2039", "\u0152", "\u008D", "\u017D", "\u008F", "\u0090", "\u2018", "\u2019", "\u201C", "\u201D", "\u2022",
    "\u2013", "\u2014", "\u02DC", "\u2122", "\u0161", "\u203A", "\u0153", "\u009D", "\u017E", "\u0178",
};

std::string expectedUtf8OfByte(int byte) {
  if (byte < 0x80) return std::string(1, static_cast<char>(byte));
  if (byte < 0xA0) return kHighControlsUtf8[byte - 0x80];
  std::string out;
  out += static_cast<char>(0xC0 | (byte >> 6));
  out += static_cast<char>(0x80 | (byte & 0x3F));
  return out;
}

TEST(FileText, EveryByteReadsAsItsWindows1252CharacterAndWritesBack) {
  for (int byte = 0; byte < 256; ++byte) {
    SCOPED_TRACE(byte);
    const std::string file(1, static_cast<char>(byte));
    const std::string text = decodeFileText(file);
    EXPECT_EQ(text, expectedUtf8OfByte(byte));
    EXPECT_EQ(encodeFileText(text), file);
  }
}

TEST(FileText, AllBytesInOneTextRoundTrip) {
  std::string file;
  for (int byte = 1; byte < 256; ++byte) file += static_cast<char>(byte);
  const std::string text = decodeFileText(file);
  EXPECT_EQ(encodeFileText(text), file);
}

TEST(FileText, TextsThatFitWindows1252AreWrittenInIt) {
  struct Case {
    const char* text;
    const char* bytes;
  };
  const Case cases[] = {
      {"", ""},
      {"plain ASCII", "plain ASCII"},
      {"Caf\u00E9 cr\u00E8me", "Caf\xE9 cr\xE8me"},
      {"5 \u20AC", "5 \x80"},
      {"\u201EZitat\u201C \u2013 \u00C4\u00D6\u00DC\u00DF", "\x84Zitat\x93 \x96 \xC4\xD6\xDC\xDF"},
      {"\u00FF\u0178", "\xFF\x9F"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(encodeFileText(c.text), c.bytes);
    EXPECT_EQ(decodeFileText(c.bytes), c.text);
  }
}

TEST(FileText, TextsBeyondWindows1252AreWrittenAsUtf8) {
  const char* const texts[] = {
      "\u65E5\u672C",                          // no character fits
      "Caf\u00E9 \u20AC \u0141\u00F3d\u017A",  // one character (the L with stroke) does not fit
      "Smile \U0001F600",                      // outside the basic plane
      "\u0100",                                // just above Latin-1
  };
  for (const char* text : texts) {
    SCOPED_TRACE(text);
    EXPECT_EQ(encodeFileText(text), text);
    EXPECT_EQ(decodeFileText(encodeFileText(text)), text);
  }
}

TEST(FileText, SingleByteTextsThatLookLikeUtf8AreWrittenAsUtf8) {
  // In Windows-1252 "Ã©" is C3 A9, which reads as UTF-8 "é"; such texts keep
  // their characters only when written as UTF-8.
  const char* const texts[] = {"\u00C3\u00A9", "x\u00C2\u00A0y", "\u00E2\u201A\u00AC"};
  for (const char* text : texts) {
    SCOPED_TRACE(text);
    EXPECT_EQ(encodeFileText(text), text);
    EXPECT_EQ(decodeFileText(encodeFileText(text)), text);
  }
}

TEST(FileText, MalformedUtf8InAFileReadsAsWindows1252) {
  struct Case {
    std::string bytes;
    const char* text;
  };
  const Case cases[] = {
      {"\xC3", "\u00C3"},                                // cut short
      {"\xC3\xA9\xE9", "\u00C3\u00A9\u00E9"},            // one bad byte spoils the whole text
      {"\xC0\xAF", "\u00C0\u00AF"},                      // overlong "/"
      {"\xED\xA0\x80", "\u00ED\u00A0\u20AC"},            // a surrogate
      {"\xF4\x90\x80\x80", "\u00F4\u0090\u20AC\u20AC"},  // above U+10FFFF
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bytes);
    EXPECT_EQ(decodeFileText(c.bytes), c.text);
  }
  const std::string withNul("a\0b", 3);
  EXPECT_EQ(decodeFileText(withNul), withNul);
}

TEST(FileText, StrayBytesInAProgramTextAreWrittenAsTheirWindows1252Character) {
  EXPECT_EQ(encodeFileText("Caf\xE9"), "Caf\xE9");
  EXPECT_EQ(encodeFileText("\xE9 \u65E5"), "\u00E9 \u65E5");
}

TEST(HtmlEscape, NonAsciiBecomesDecimalReferences) {
  struct Case {
    const char* text;
    const char* html;
  };
  const Case cases[] = {
      {"", ""},
      {"<b>Title</b> & more", "<b>Title</b> & more"},
      {"Caf\u00E9", "Caf&#233;"},
      {"5\u20AC", "5&#8364;"},
      {"\u65E5\u672C", "&#26085;&#26412;"},
      {"\U0001F600!", "&#128512;!"},
      {"\u0081", "&#65533;"},  // a C1 control
      {"a\x01"
       "b\x1B\x7F",
       "a&#65533;b&#65533;&#65533;"},
      {"\t\n\f\r", "\t\n\f\r"},
      {"a\xE9z", "a&#233;z"},        // a stray byte as its Windows-1252 character
      {"\x80", "&#8364;"},           // likewise
      {"\xF0\x9F", "&#240;&#376;"},  // a sequence cut short
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(htmlEscapeNonAscii(c.text), c.html);
  }
  EXPECT_EQ(htmlEscapeNonAscii(std::string("a\0b", 3)), "a&#65533;b");
  EXPECT_EQ(cssEscapeNonAscii(std::string("a\0b\u009F", 5)), "a\\FFFD b\\FFFD ");
}

TEST(CssEscape, NonAsciiBecomesHexEscapesEndedByABlank) {
  struct Case {
    const char* text;
    const char* css;
  };
  const Case cases[] = {
      {"", ""},
      {"font-family: Arial;", "font-family: Arial;"},
      {"Caf\u00E9", "Caf\\E9 "},
      {"\u00E9A", "\\E9 A"},    // the next hex digit stays a letter
      {"\u00E9 x", "\\E9  x"},  // a blank after it stays a blank
      {"\u20AC", "\\20AC "},
      {"\U0001F600", "\\1F600 "},
      {"\xE9", "\\E9 "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(cssEscapeNonAscii(c.text), c.css);
  }
}

TEST(Escapes, OutputIsPureAscii) {
  std::string everything;
  for (int byte = 1; byte < 256; ++byte) everything += static_cast<char>(byte);
  everything += "\u00E9\u20AC\U0001F600";
  for (const std::string& out : {htmlEscapeNonAscii(everything), cssEscapeNonAscii(everything)}) {
    for (const char c : out) EXPECT_LT(static_cast<unsigned char>(c), 0x80);
  }
}

}  // namespace
}  // namespace velvara::core
