#pragma once
// The settings texts that the dialog shows in another shape than the record
// keeps them: the four cell-border colours, the title alignment, the parent
// link and the Lightbox caption look.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace velvara::settings {

inline constexpr const char* kCenter = "center";

// The record's list split at every single blank: top, right, bottom, left.
// A list with fewer parts gives fewer colours; parts beyond the fourth are
// ignored.
std::vector<std::int32_t> splitBorderColors(const std::string& colors);

// The four colours as the record keeps them: joined by single blanks, with
// lower-case hex digits.
std::string joinBorderColors(const std::array<std::int32_t, 4>& colors);

// "left", "center" or "right" as it stands; anything else is "center".
std::string normalTitleAlign(const std::string& align);

// What the parent-link box shows for the record's address: the normalised
// address, and nothing for the bare "http://" of an empty field.
std::string shownHomeUrl(const std::string& homeUrl);

struct LightboxLook {
  std::int32_t overlayColor = 0;
  std::int32_t imageBoxColor = 0;
  std::int32_t captionBackColor = 0;
  std::int32_t captionColor = 0;
  std::string captionSize;  // the size box's decimal text
  std::string captionFontName;
  bool bold = false;
};

// The record's Lightbox style text: the three colours, the caption font
// (size, name, then ", Helvetica, sans-serif"), "bold" or "normal", and the
// caption colour, joined by "*".
std::string joinLightboxStyle(const LightboxLook& look);

}  // namespace velvara::settings
