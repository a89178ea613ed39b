#pragma once
// The one gallery-settings record. Field order is the order on disk: the
// settings and project files write the fields exactly in this sequence.
#include <array>
#include <cstdint>
#include <string>

namespace velvara::i18n {
class StringService;
}

namespace velvara::core {

// Overlay colour, image box, caption area, caption font, caption weight and
// caption colour of the Lightbox overlay, joined by "*".
inline constexpr const char* kDefaultLightboxStyle =
    "#000000*#ffffff*#ffffff*10px Verdana, Helvetica, sans-serif*bold*#666666";

// The Lightbox style text as it is meant: an empty one stands for the
// default. A build normalises the record once at its start; the settings
// editor reads the text the same way.
std::string normalisedLightboxStyle(const std::string& style);

enum class GalleryStyle : std::int16_t { Lightbox = 0, Shadowbox = 1, Simple = 2 };

struct GallerySettings {
  std::int32_t columns = 0;
  std::int32_t rows = 0;
  std::string defaultLinkText;
  std::string pageFontFamily;
  std::string pageBackColor;
  std::string cellWidth;
  std::string cellHeight;
  std::string cellBorderWidth;
  std::string cellBorderColors;
  std::string cellBackColor;
  std::string thumbWidth;
  std::string thumbHeight;
  std::string spareText1;
  std::string spareText2;
  std::string thumbBorderColor;
  std::string thumbBorderWidth;
  std::string titleFontName;
  std::string titleFontSize;
  std::string titleFontWeight;
  std::string titleAlign;
  std::string titleColor;
  std::string imageWidth;
  std::string imageHeight;
  std::string spareNumber;
  std::string jpegQuality;
  std::string webTitle;
  std::string webTitleFontName;
  std::string webTitleFontSize;
  std::string webTitleColor;
  std::string cellSpacing;
  std::string cellPadding;
  std::string destFolder;
  std::string homeCaption;
  std::string homeUrl;
  std::int16_t keepAspectRatio = 0;
  std::string baseUrl;
  std::string pageBackImage;
  std::string cellBackImage;
  std::string lightboxStyle;
  std::array<std::string, 16> spareTexts;
  std::int16_t addParentLink = 0;
  std::int16_t addImageLinks = 0;
  // Kept as the raw 16-bit value: a file may hold a value that is no style.
  std::int16_t galleryStyle = 0;
  std::array<std::uint8_t, 14> spareBytes{};

  bool operator==(const GallerySettings&) const = default;
};

// Assigns the program's defaults to every field that has one; the base
// address, background images and reserved fields keep their values.
// webTitle is string 102 in the current language; personalFolder is the
// documents folder ("" when there is none).
void setDefaultSettings(GallerySettings& settings, const std::string& webTitle, const std::string& personalFolder);

// The same with the program's own title and folder: string 102 in the current
// language of strings, and the user's documents folder.
void setDefaultSettings(GallerySettings& settings, const i18n::StringService& strings);

// The page title after a change of the language: the default title of any
// language (string 102) becomes that of the current language of strings; a
// title the user typed stays.
std::string webTitleInCurrentLanguage(const std::string& webTitle, const i18n::StringService& strings);

}  // namespace velvara::core
