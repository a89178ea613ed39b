#pragma once
// Facts about the program itself that several places write or show.

namespace velvara::core {

// The program's name: the default title of its message boxes.
inline constexpr const char* kProgramName = "Velvara";

// The version as the window captions and the About box show it ("v.1.1.1."),
// made from the build's project version, which the AppStream metadata's
// release entry names too.
extern const char* const kProgramVersion;

// The product's home page, set when the program is built (the CMake cache
// variable VELVARA_HOME_PAGE): the "Created using Velvara" link at the foot
// of every gallery page, and the About box's links to the home page and the
// author's gallery. "" when the build names none; the footer and the About
// box then show their texts without a link.
const char* productHomePage();

}  // namespace velvara::core
