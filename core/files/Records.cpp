#include "core/files/Records.h"

#include <algorithm>

namespace velvara::core {
namespace {

// One list of the settings record's fields serves both directions, so reading
// and writing cannot drift apart. io(field) is called for every field in file
// order.
template <typename Settings, typename Io>
void eachSettingsField(Settings& s, Io&& io) {
  io(s.columns);
  io(s.rows);
  for (auto* text :
       {&s.defaultLinkText,  &s.pageFontFamily,   &s.pageBackColor,    &s.cellWidth,        &s.cellHeight,
        &s.cellBorderWidth,  &s.cellBorderColors, &s.cellBackColor,    &s.thumbWidth,       &s.thumbHeight,
        &s.spareText1,       &s.spareText2,       &s.thumbBorderColor, &s.thumbBorderWidth, &s.titleFontName,
        &s.titleFontSize,    &s.titleFontWeight,  &s.titleAlign,       &s.titleColor,       &s.imageWidth,
        &s.imageHeight,      &s.spareNumber,      &s.jpegQuality,      &s.webTitle,         &s.webTitleFontName,
        &s.webTitleFontSize, &s.webTitleColor,    &s.cellSpacing,      &s.cellPadding,      &s.destFolder,
        &s.homeCaption,      &s.homeUrl}) {
    io(*text);
  }
  io(s.keepAspectRatio);
  for (auto* text : {&s.baseUrl, &s.pageBackImage, &s.cellBackImage, &s.lightboxStyle}) io(*text);
  for (auto& text : s.spareTexts) io(text);
  io(s.addParentLink);
  io(s.addImageLinks);
  io(s.galleryStyle);
  io(s.spareBytes);
}

struct Reader {
  BinaryReader& in;
  void operator()(std::int32_t& v) { v = in.readLong(); }
  void operator()(std::int16_t& v) { v = in.readInteger(); }
  void operator()(std::string& v) { v = in.readText(); }
  void operator()(std::array<std::uint8_t, 14>& v) {
    auto bytes = in.readBytes(v.size());
    std::copy(bytes.begin(), bytes.end(), v.begin());
  }
};

struct Writer {
  BinaryWriter& out;
  void operator()(std::int32_t v) { out.writeLong(v); }
  void operator()(std::int16_t v) { out.writeInteger(v); }
  void operator()(const std::string& v) { out.writeText(v); }
  void operator()(const std::array<std::uint8_t, 14>& v) { out.writeBytes(v); }
};

}  // namespace

GallerySettings readSettingsRecord(BinaryReader& in) {
  GallerySettings settings;
  eachSettingsField(settings, Reader{in});
  return settings;
}

void writeSettingsRecord(BinaryWriter& out, const GallerySettings& settings) {
  eachSettingsField(settings, Writer{out});
}

ImageItem readImageRecord(BinaryReader& in) {
  ImageItem item;
  item.sourcePath = in.readText();
  item.title = in.readText();
  item.tooltip = in.readText();
  item.linkUrl = in.readText();
  item.openInSameWindow = in.readBoolean();
  item.thumbnailCached = in.readBoolean();
  item.linkText = in.readText();
  item.outputBaseName = in.readText();
  for (auto& spare : item.spares) spare = in.readText();
  return item;
}

void writeImageRecord(BinaryWriter& out, const ImageItem& item) {
  out.writeText(item.sourcePath);
  out.writeText(item.title);
  out.writeText(item.tooltip);
  out.writeText(item.linkUrl);
  out.writeBoolean(item.openInSameWindow);
  out.writeBoolean(item.thumbnailCached);
  out.writeText(item.linkText);
  out.writeText(item.outputBaseName);
  for (const auto& spare : item.spares) out.writeText(spare);
}

OldImageItem readOldImageRecord(BinaryReader& in) {
  OldImageItem item;
  item.sourcePath = in.readText();
  item.title = in.readText();
  item.tooltip = in.readText();
  item.linkUrl = in.readText();
  item.openInSameWindow = in.readBoolean();
  item.unused = in.readInteger();
  return item;
}

}  // namespace velvara::core
