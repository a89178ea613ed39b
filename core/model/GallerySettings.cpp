#include "core/model/GallerySettings.h"

namespace velvara::core {

void setDefaultSettings(GallerySettings& s, const std::string& webTitle, const std::string& personalFolder) {
  s.columns = 4;
  s.rows = 100;
  s.defaultLinkText = "3D";
  s.pageFontFamily = "Arial, Helvetica, sans-serif";
  s.pageBackColor = "#7F7F7F";
  s.cellWidth = "160";
  s.cellHeight = "120";
  s.cellBorderWidth = "1";
  s.cellBorderColors = "#aaaaaa #666666 #666666 #aaaaaa";
  s.cellBackColor = "#7F7F7F";
  s.thumbWidth = "160";
  s.thumbHeight = "120";
  s.thumbBorderColor = "#FFFFFF";
  s.thumbBorderWidth = "1";
  s.titleFontName = "Verdana";
  s.titleFontSize = "10";
  s.titleFontWeight = "normal";
  s.titleAlign = "center";
  s.titleColor = "#FFFFFF";
  s.imageWidth = "750";
  s.imageHeight = "500";
  s.spareNumber = "25";
  s.jpegQuality = "90";
  s.webTitle = webTitle;
  s.webTitleFontName = "Verdana";
  s.webTitleFontSize = "26";
  s.webTitleColor = "#000080";
  s.cellSpacing = "5";
  s.cellPadding = "10";
  s.destFolder = personalFolder + "/VLR/Image Gallery";
  s.homeCaption = "";
  s.homeUrl = "";
  s.keepAspectRatio = 1;
  s.lightboxStyle = kDefaultLightboxStyle;
  s.addParentLink = 0;
  s.addImageLinks = 0;
  s.galleryStyle = 0;
}

std::string normalisedLightboxStyle(const std::string& style) {
  return style.empty() ? std::string(kDefaultLightboxStyle) : style;
}

}  // namespace velvara::core
