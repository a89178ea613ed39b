#include "core/gallery/LightboxPackage.h"

#include <cfenv>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <limits>
#include <system_error>
#include <vector>

#include "core/gallery/FileOutput.h"
#include "core/gallery/PackageFolder.h"
#include "core/helpers/Blanks.h"
#include "core/text/Encoding.h"

namespace velvara::core {

namespace fs = std::filesystem;

namespace {

std::vector<std::string> splitAt(const std::string& text, char separator) {
  std::vector<std::string> pieces;
  std::string::size_type start = 0;
  for (;;) {
    const auto end = text.find(separator, start);
    pieces.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) return pieces;
    start = end + 1;
  }
}

// The decimal number a text starts with, after leading blanks ("10.5px" gives
// 10.5); 0 when it starts with none. Read without regard to the C locale (a
// German desktop's decimal comma must not cut "10.5" to 10), and a number too
// large for a double reads as infinity instead of failing.
double leadingNumber(const std::string& text) {
  std::string::size_type i = text.find_first_not_of(" \t");
  if (i == std::string::npos) return 0;
  std::string number;
  bool negative = false;
  if (text[i] == '-' || text[i] == '+') negative = text[i++] == '-';
  bool point = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c >= '0' && c <= '9') {
      number += c;
    } else if (c == '.' && !point) {
      point = true;
      number += c;
    } else {
      break;
    }
  }
  if (number.find_first_of("0123456789") == std::string::npos) return 0;
  double value = 0;
  if (std::from_chars(number.data(), number.data() + number.size(), value).ec == std::errc::result_out_of_range) {
    // Too large, or too close to zero, for a double.
    const bool large = number.substr(0, number.find('.')).find_first_not_of('0') != std::string::npos;
    value = large ? std::numeric_limits<double>::infinity() : 0;
  }
  return negative ? -value : value;
}

std::int32_t roundHalfToEven(double value) {
  const double limit = std::numeric_limits<std::int32_t>::max();
  if (value >= limit) return std::numeric_limits<std::int32_t>::max();
  if (value <= -limit) return std::numeric_limits<std::int32_t>::min();
  const int mode = std::fegetround();
  std::fesetround(FE_TONEAREST);
  const double rounded = std::nearbyint(value);
  std::fesetround(mode);
  return static_cast<std::int32_t>(rounded);
}

}  // namespace

void splitLightboxStyle(std::string& style, LightboxStyle& out) {
  style = normalisedLightboxStyle(style);
  std::string* fields[] = {&out.overlayColor, &out.imageBoxColor, &out.captionBackColor,
                           &out.captionFont,  &out.captionWeight, &out.captionColor};
  const auto pieces = splitAt(style, '*');
  for (std::size_t i = 0; i < pieces.size() && i < std::size(fields); ++i) *fields[i] = pieces[i];
}

CssFont splitCssFont(const std::string& font) {
  CssFont result;
  std::string text;
  for (std::string::size_type i = 0; i < font.size(); ++i) {
    text += font[i];
    if (font.compare(i, 2, "px") == 0) {
      text += "x,";
      ++i;
    }
  }
  const auto pieces = splitAt(text, ',');
  result.sizePx = std::max(roundHalfToEven(leadingNumber(pieces[0])), 6);
  std::string* families[] = {&result.family1, &result.family2, &result.family3};
  for (std::size_t i = 1; i < pieces.size() && i <= std::size(families); ++i) {
    if (!pieces[i].empty()) *families[i - 1] = std::string(trimBlanks(pieces[i]));
  }
  return result;
}

void writeLightboxCss(const GallerySettings& settings, const std::string& path) {
  LightboxStyle style;
  std::string text = settings.lightboxStyle;
  splitLightboxStyle(text, style);
  std::error_code code;
  fs::remove(path, code);
  if (code) throw GalleryFileError(path, code);

  const std::string lines[] = {
      "#lightbox{ position: absolute; left: 0; width: 100%; z-index: 100; text-align: center; line-height: 0;}",
      "#lightbox img{ width: auto; height: auto;}",
      "#lightbox a img{ border: none; }",
      "#outerImageContainer{ position: relative; background-color: " + style.imageBoxColor +
          "; width: 250px; height: 250px; margin: 0 auto;}",
      "#imageContainer{ padding: 10px; }",
      "#loading{ position: absolute; top: 40%; left: 0%; height: 25%; width: 100%; text-align: center; "
      "line-height: 0;}",
      "#hoverNav{ position: absolute; top: 0; left: 0; height: 100%; width: 100%; z-index: 10;}",
      "#imageContainer>#hoverNav{ left: 0;}",
      "#hoverNav a{ outline: none;}",
      "#prevLink, #nextLink{ width: 49%; height: 100%; background-image: url(data:image/gif;base64,AAAA); /* Trick "
      "IE into showing hover */ display: block;}",
      "#prevLink { left: 0; float: left;}",
      "#nextLink { right: 0; float: right;}",
      "#prevLink:hover, #prevLink:visited:hover { background: url(images/prevlabel.gif) left 15% no-repeat; }",
      "#nextLink:hover, #nextLink:visited:hover { background: url(images/nextlabel.gif) right 15% no-repeat; }",
      "#imageDataContainer{ font: " + style.captionFont + "; background-color: " + style.captionBackColor +
          "; margin: 0 auto; line-height: 1.4em; overflow: auto; width: 100%;}",
      "#imageData{ padding:0 10px; color: " + style.captionColor + "; }",
      "#imageData #imageDetails{ width: 70%; float: left; text-align: left; }",
      "#imageData #caption{ font-weight: " + style.captionWeight + ";}",
      "#imageData #numberDisplay{ font: 10px Verdana; display: block; clear: left; padding-bottom: 1.0em; }",
      "#imageData #bottomNavClose{ width: 66px; float: right;  padding-bottom: 0.7em; outline: none;}",
      "#overlay{ position: absolute; top: 0; left: 0; z-index: 90; width: 100%; height: 500px; background-color: " +
          style.overlayColor + "; }",
  };
  OutputFile file(path);
  for (const auto& line : lines) file.line(cssEscapeNonAscii(line));
  file.close();
}

void writeLightbox204Image(const std::string& name, const std::string& imagesFolder) {
  writeBinaryAssetIfMissing(kLightboxAssetGroup, name, imagesFolder + "/" + name + ".gif");
}

void writeLightbox204Text(Host& host, const std::string& fileName, const std::string& folder) {
  writeTextAsset(host, kLightboxAssetGroup, fileName, folder + "/" + fileName);
}

bool writeLightboxFiles(Host& host, const GallerySettings& settings, const std::string& folder, bool clearFolder,
                        bool writeScripts) {
  if (!prepareGalleryFolder(host, folder, clearFolder)) return false;

  if (writeScripts) {
    const std::string imagesFolder = folder + "/images";
    const bool imagesReady = runPackageStep(host, imagesFolder, [&] {
      std::error_code code;
      if (!fs::is_directory(imagesFolder, code)) {
        createFolderIfMissing(imagesFolder);
      } else if (clearFolder) {
        deleteFilesIn(imagesFolder);
      }
    });
    if (!imagesReady) return false;

    for (const char* image : {"close", "closelabel", "nextlabel", "prevlabel", "loading"}) {
      writeLightbox204Image(image, imagesFolder);
    }
    for (const char* script : {"effects.js", "builder.js", "lightbox.js", "prototype.js", "scriptaculous.js"}) {
      writeLightbox204Text(host, script, folder);
    }
    writeLightboxCss(settings, folder + "/lightbox.css");
  }

  return runPackageStep(host, folder + "/library", [&] { createFolderIfMissing(folder + "/library"); });
}

}  // namespace velvara::core
