#pragma once
// Locale information of the operating system, as far as the program asks for it.
#include <string>

namespace velvara::shell {

// The information type that asks for a language's own name for itself.
inline constexpr int kLocaleNativeLanguageName = 4;

// The locale information of infoType for the locale identifier locale; ""
// when the locale or the information is unknown. Known: the native language
// names of English (United Kingdom), 2057, and German (Germany), 1031.
std::string localeInfo(int locale, int infoType);

// Qt hands the user's locale to the C library when the application object is
// created; under a German one the C library's number functions would write
// and read "1,5". Numbers in the program's files, the registry and style
// sheets always use a point, so the C library keeps its own number rules.
// Called right after the application object is created.
void keepPortableNumbers();

}  // namespace velvara::shell
