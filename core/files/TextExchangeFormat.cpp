#include "core/files/TextExchangeFormat.h"

#include <optional>
#include <utility>

#include "core/files/TextLines.h"
#include "i18n/AddedStrings.h"

namespace velvara::core {
namespace {

bool takeValue(std::string_view line, std::string_view key, std::string& field) {
  if (!line.starts_with(key)) return false;
  field = trimBlanks(line.substr(key.size()));
  return true;
}

// One line inside a block; true when it ends the block.
bool readBlockLine(std::string_view line, ImageItem& item) {
  if (line == "}") return true;
  if (takeValue(line, "path=", item.sourcePath) || takeValue(line, "title=", item.title) ||
      takeValue(line, "tooltip=", item.tooltip) || takeValue(line, "url=", item.linkUrl) ||
      takeValue(line, "url_text=", item.linkText)) {
    return false;
  }
  constexpr std::string_view kOpen = "open=";
  if (line.starts_with(kOpen)) item.openInSameWindow = line.substr(kOpen.size()) == "self";
  return false;
}

}  // namespace

std::string formatTextExchange(const std::vector<ImageItem>& images) {
  std::string out;
  for (const auto& item : images) {
    appendFileLine(out, "{");
    appendFileLine(out, "path=" + item.sourcePath);
    appendFileLine(out, "title=" + item.title);
    appendFileLine(out, "tooltip=" + item.tooltip);
    appendFileLine(out, "url=" + item.linkUrl);
    appendFileLine(out, "url_text=" + item.linkText);
    appendFileLine(out, item.openInSameWindow ? "open=self" : "open=blank");
    appendFileLine(out, "}");
    appendFileLine(out, "");
  }
  return out;
}

std::optional<ValueWithLineBreak> findValueWithLineBreak(const std::vector<ImageItem>& images) {
  using namespace i18n::added;
  const std::pair<std::string ImageItem::*, int> fields[] = {{&ImageItem::sourcePath, kFieldSourceFile},
                                                             {&ImageItem::title, kFieldTitle},
                                                             {&ImageItem::tooltip, kFieldTooltip},
                                                             {&ImageItem::linkUrl, kFieldLink},
                                                             {&ImageItem::linkText, kFieldLinkText}};
  for (std::size_t i = 0; i < images.size(); ++i) {
    for (const auto& [field, nameId] : fields) {
      if ((images[i].*field).find_first_of("\r\n") != std::string::npos) return ValueWithLineBreak{i, nameId};
    }
  }
  return std::nullopt;
}

std::vector<ImageItem> parseTextExchange(std::string_view bytes) {
  std::vector<ImageItem> images;
  std::optional<ImageItem> block;
  for (const auto& rawLine : splitFileLines(bytes)) {
    std::string_view line = trimBlanks(rawLine);
    if (!block) {
      if (line == "{") block.emplace();
      continue;
    }
    if (readBlockLine(line, *block)) {
      if (!block->sourcePath.empty()) images.push_back(std::move(*block));
      block.reset();
    }
  }
  return images;
}

}  // namespace velvara::core
