#pragma once
// The user's locale as the settings texts use it.

namespace velvara::settings {

// The decimal separator of the user's locale ("." or ",").
char32_t localeDecimalSeparator();

}  // namespace velvara::settings
