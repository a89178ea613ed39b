#include "core/gallery/StyleSheet.h"

#include <filesystem>
#include <string>
#include <system_error>

#include "core/gallery/FileOutput.h"
#include "core/gallery/HtmlText.h"
#include "core/helpers/Paths.h"
#include "core/text/Encoding.h"

namespace velvara::core {

namespace fs = std::filesystem;

namespace {

// Copies a background image into the library folder when image names an
// existing file; answers the name to refer to it by, "" when there is none.
std::string copyBackgroundImage(const std::string& image, const std::string& libraryFolder) {
  std::error_code code;
  if (image.empty() || !fs::is_regular_file(image, code)) return {};
  const std::string name = getFileName(image, true);
  const std::string copy = libraryFolder + "/" + name;
  // An image that already is the library's file needs no copy; a link there
  // is replaced by a copy, so the gallery holds the picture itself.
  if (fs::is_symlink(copy, code) || !fs::equivalent(image, copy, code)) copyWholeFile(image, copy);
  // The sheet quotes the name in url('...'): an apostrophe must not end it.
  std::string reference;
  for (const char c : galleryFileReference(name)) {
    if (c == '\'' || c == '\\') reference += '\\';
    reference += c;
  }
  return reference;
}

}  // namespace

void writeStyleCss(const GallerySettings& s) {
  const std::string libraryFolder = s.destFolder + "/library";
  OutputFile sheet(libraryFolder + "/ktvlr.css");
  const auto rule = [&sheet](const std::string& text) { sheet.line(cssEscapeNonAscii(text)); };

  const std::string pageImage = copyBackgroundImage(s.pageBackImage, libraryFolder);
  if (!pageImage.empty()) {
    rule("body{ background-image:url('" + pageImage + "'); background-color:" + s.pageBackColor + ";}");
  } else {
    rule("body{background-color:" + s.pageBackColor + ";}");
  }
  rule("#divVLR {text-align:center; font: 11px " + s.titleFontName + "," + s.pageFontFamily + ";}");
  rule("#divVLR a:link, #divVLR a:visited {text-decoration:none;}");
  rule("#divVLR a:hover {color:red;text-decoration:underline;}");
  rule("#tblThumbsLayout {text-align:left; margin: 0 auto;}");
  rule("#tblGalleryName{margin-top:4px;}");
  rule("#currentGalleryLocation {font-weight:bold; font-size:12px;}");
  rule("td#galleryNameCell {font-size: " + s.webTitleFontSize + "px; font-weight:bold; color:" + s.webTitleColor +
       "; margin: 6px 6px 0 0;}");
  rule("td#pagingCell {text-align:right; white-space:nowrap;}");
  rule(".currentPage {font-weight: bold;}");
  rule(".titlePages {font-size: 12px;font-weight: bold; color:" + s.webTitleColor + ";}");
  rule(
      "td#pagingCell a, .currentPage {font-size: 10px; padding: 3px 5px; border:1px solid #ccc;vertical-align:middle; "
      "}");
  rule("td#pagingCell a:hover, .currentPage {border: #666 1px solid; background-color:#fff; text-decoration:none;}");
  rule("#pnCell {text-align:right;}");
  rule(
      "a.pn, a.pn:LINK,a.pn:VISITED {color: #606060; font: 9px arial, helvetica, sans-serif; text-decoration: none; "
      "padding: 1px 4px;}");

  const std::string cellImage = copyBackgroundImage(s.cellBackImage, libraryFolder);
  const std::string cellRule = "td.tdImg {width:" + s.cellWidth + "px; height:" + s.cellHeight +
                               "px; border: " + s.cellBorderWidth + "px solid; border-color:" + s.cellBorderColors +
                               "; vertical-align: top; text-align:center;";
  if (!cellImage.empty()) {
    rule(cellRule + "background-image:url('" + cellImage + "'); background-color:" + s.cellBackColor + "}");
  } else {
    rule(cellRule + "background-color:" + s.cellBackColor + "}");
  }

  rule("img.eImage {border:" + s.thumbBorderWidth + "px solid; border-color:" + s.thumbBorderColor + ";}");
  rule("font.tdTitle { text-align:" + s.titleAlign + "; vertical-align:bottom; font:" + s.titleFontSize + "px " +
       s.titleFontName + "," + s.pageFontFamily + "; font-weight:" + s.titleFontWeight + "; color:" + s.titleColor +
       ";}");
  sheet.close();
}

}  // namespace velvara::core
