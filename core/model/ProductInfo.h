#pragma once
// Facts about the program itself that several places write or show.

namespace velvara::core {

// The program's name: the default title of its message boxes.
inline constexpr const char* kProgramName = "Velvara";

// The version as the window captions and the About box show it.
inline constexpr const char* kProgramVersion = "v.1.1.1.";

// The product's home page: the "Created using Velvara" link at the foot of
// every gallery page, and the About box's home-page link.
inline constexpr const char* kProductHomePage = "https://velvara.example/";

}  // namespace velvara::core
