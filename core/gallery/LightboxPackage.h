#pragma once
// The Lightbox overlay package that the pages of the Lightbox and plain-link
// styles load: prepares the gallery folder, writes the overlay's scripts and
// images, generates its style sheet "lightbox.css" from the settings, and makes
// the "library" folder.
#include <cstdint>
#include <string>

#include "core/host/Host.h"
#include "core/model/GallerySettings.h"

namespace velvara::core {

// The embedded package.
inline constexpr const char* kLightboxAssetGroup = "LIGHTBOX204";

// Prepares folder (the gallery folder, without a trailing "/"): creates it when
// missing; else, with clearFolder and files directly in it, asks first and on
// Yes deletes those files. With writeScripts, makes "images/" (emptied when
// clearFolder), writes the five images where missing, rewrites the five
// scripts and generates lightbox.css. Finally makes "library/".
// False when the user declines (no message) or when making or emptying the
// gallery, images or library folder fails (after the error box). A failure to
// write one of the package's files is thrown as GalleryFileError.
// An empty settings.lightboxStyle is written as the default.
bool writeLightboxFiles(Host& host, const GallerySettings& settings, const std::string& folder, bool clearFolder,
                        bool writeScripts);

// Writes the image asset name as imagesFolder/name.gif, only when no such file
// exists yet.
void writeLightbox204Image(const std::string& name, const std::string& imagesFolder);

// Rewrites folder/fileName from the script asset fileName.
void writeLightbox204Text(Host& host, const std::string& fileName, const std::string& folder);

// Generates the overlay's style sheet at path from settings.lightboxStyle
// (the default when it is empty).
void writeLightboxCss(const GallerySettings& settings, const std::string& path);

struct LightboxStyle {
  std::string overlayColor;
  std::string imageBoxColor;
  std::string captionBackColor;
  std::string captionFont;
  std::string captionWeight;
  std::string captionColor;
};

// Splits the style setting at every "*" into its six fields, in order, as they
// stand. An empty style becomes the default first (in the caller's text too).
// Fields the style lacks keep the values they had in out; fields after the
// sixth are ignored.
void splitLightboxStyle(std::string& style, LightboxStyle& out);

struct CssFont {
  std::int32_t sizePx = 10;
  std::string family1 = "Verdana";
  std::string family2 = "Helvetica";
  std::string family3 = "sans-serif";
};

// Splits a font shorthand ("12px Arial, serif") into its pixel size (at least
// 6, rounded half to even) and up to three families; what the text lacks
// keeps the presets of CssFont.
CssFont splitCssFont(const std::string& font);

}  // namespace velvara::core
