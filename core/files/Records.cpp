#include "core/files/Records.h"

#include <algorithm>

#include "i18n/AddedStrings.h"

namespace velvara::core {
namespace {

// The name a message gives a text field: an added string, and for the
// record's reserved texts their number among them.
struct FieldName {
  int id = 0;
  int reservedNumber = 0;
};

constexpr FieldName named(int id) { return {id, 0}; }
constexpr FieldName reserved(int number) { return {i18n::added::kFieldReserved, number}; }

// One list of the settings record's fields serves both directions, so reading
// and writing cannot drift apart. io(field) is called for every number field
// and io(field, name) for every text, in file order.
template <typename Settings, typename Io>
void eachSettingsField(Settings& s, Io&& io) {
  using namespace i18n::added;
  io(s.columns);
  io(s.rows);
  io(s.defaultLinkText, named(kSettingDefaultLinkText));
  io(s.pageFontFamily, named(kSettingPageFontFamily));
  io(s.pageBackColor, named(kSettingPageBackColor));
  io(s.cellWidth, named(kSettingCellWidth));
  io(s.cellHeight, named(kSettingCellHeight));
  io(s.cellBorderWidth, named(kSettingCellBorderWidth));
  io(s.cellBorderColors, named(kSettingCellBorderColors));
  io(s.cellBackColor, named(kSettingCellBackColor));
  io(s.thumbWidth, named(kSettingThumbWidth));
  io(s.thumbHeight, named(kSettingThumbHeight));
  io(s.spareText1, reserved(1));
  io(s.spareText2, reserved(2));
  io(s.thumbBorderColor, named(kSettingThumbBorderColor));
  io(s.thumbBorderWidth, named(kSettingThumbBorderWidth));
  io(s.titleFontName, named(kSettingTitleFontName));
  io(s.titleFontSize, named(kSettingTitleFontSize));
  io(s.titleFontWeight, named(kSettingTitleFontWeight));
  io(s.titleAlign, named(kSettingTitleAlign));
  io(s.titleColor, named(kSettingTitleColor));
  io(s.imageWidth, named(kSettingImageWidth));
  io(s.imageHeight, named(kSettingImageHeight));
  io(s.spareNumber, reserved(3));
  io(s.jpegQuality, named(kSettingJpegQuality));
  io(s.webTitle, named(kSettingWebTitle));
  io(s.webTitleFontName, named(kSettingWebTitleFontName));
  io(s.webTitleFontSize, named(kSettingWebTitleFontSize));
  io(s.webTitleColor, named(kSettingWebTitleColor));
  io(s.cellSpacing, named(kSettingCellSpacing));
  io(s.cellPadding, named(kSettingCellPadding));
  io(s.destFolder, named(kSettingDestFolder));
  io(s.homeCaption, named(kSettingHomeCaption));
  io(s.homeUrl, named(kSettingHomeUrl));
  io(s.keepAspectRatio);
  io(s.baseUrl, named(kSettingBaseUrl));
  io(s.pageBackImage, named(kSettingPageBackImage));
  io(s.cellBackImage, named(kSettingCellBackImage));
  io(s.lightboxStyle, named(kSettingLightboxStyle));
  for (int i = 0; i < static_cast<int>(s.spareTexts.size()); ++i) io(s.spareTexts[i], reserved(4 + i));
  io(s.addParentLink);
  io(s.addImageLinks);
  io(s.galleryStyle);
  io(s.spareBytes);
}

// Writes a text, naming its field when it does not fit.
void writeField(BinaryWriter& out, const std::string& text, FieldName name) {
  try {
    out.writeText(text);
  } catch (TextTooLong& tooLong) {
    tooLong.fieldNameId = name.id;
    tooLong.reservedNumber = name.reservedNumber;
    throw;
  }
}

struct Reader {
  BinaryReader& in;
  void operator()(std::int32_t& v) { v = in.readLong(); }
  void operator()(std::int16_t& v) { v = in.readInteger(); }
  void operator()(std::string& v, FieldName) { v = in.readText(); }
  void operator()(std::array<std::uint8_t, 14>& v) {
    auto bytes = in.readBytes(v.size());
    std::copy(bytes.begin(), bytes.end(), v.begin());
  }
};

struct Writer {
  BinaryWriter& out;
  void operator()(std::int32_t v) { out.writeLong(v); }
  void operator()(std::int16_t v) { out.writeInteger(v); }
  void operator()(const std::string& v, FieldName name) { writeField(out, v, name); }
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
  using namespace i18n::added;
  writeField(out, item.sourcePath, named(kFieldSourceFile));
  writeField(out, item.title, named(kFieldTitle));
  writeField(out, item.tooltip, named(kFieldTooltip));
  writeField(out, item.linkUrl, named(kFieldLink));
  out.writeBoolean(item.openInSameWindow);
  out.writeBoolean(item.thumbnailCached);
  writeField(out, item.linkText, named(kFieldLinkText));
  writeField(out, item.outputBaseName, named(kFieldOutputName));
  for (std::size_t i = 0; i < item.spares.size(); ++i) {
    writeField(out, item.spares[i], reserved(static_cast<int>(i) + 1));
  }
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
