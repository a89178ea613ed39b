#pragma once
// Text inside the program is UTF-8. Files of the program's own formats carry
// each text in Windows-1252 when every character fits, else in UTF-8; pages
// and style sheets are pure ASCII.
//
// A byte of a program text that starts no well-formed UTF-8 sequence is taken
// as its Windows-1252 character (the five undefined bytes as Latin-1), never
// dropped and never a crash.
#include <string>
#include <string_view>

namespace velvara::core {

// Whether every byte of text belongs to a well-formed UTF-8 sequence.
bool isValidUtf8(std::string_view text);

// text with every byte that starts no well-formed UTF-8 sequence shown as
// U+FFFD, as file managers show such bytes of a file name.
std::string replaceInvalidUtf8(std::string_view text);

// The bytes of a UTF-8 text for the program's files: Windows-1252 when every
// character has a Windows-1252 byte, else the UTF-8 bytes unchanged. A text
// whose Windows-1252 bytes would read back as UTF-8 ("\u00C3\u00A9") is written
// as UTF-8, so decodeFileText(encodeFileText(t)) == t for every UTF-8 text.
std::string encodeFileText(std::string_view utf8);

// A text read from a file: taken as UTF-8 when it is valid UTF-8 holding
// non-ASCII bytes, else as Windows-1252 (bytes without a character there keep
// their Latin-1 meaning).
std::string decodeFileText(std::string_view bytes);

// Every non-ASCII character as a numeric character reference ("&#233;");
// everything else as it is. A control character other than tab, LF, FF and
// CR (NUL, ESC, DEL, the C1 controls) has no place in a page and is written
// as U+FFFD, the replacement character a browser shows for NUL.
std::string htmlEscapeNonAscii(std::string_view utf8);

// Every non-ASCII character as a CSS escape ("\E9 "), and the control
// characters htmlEscapeNonAscii replaces as "\FFFD "; everything else as it is.
std::string cssEscapeNonAscii(std::string_view utf8);

}  // namespace velvara::core
