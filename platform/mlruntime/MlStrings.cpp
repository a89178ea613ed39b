#include "platform/mlruntime/MlStrings.h"

#include <charconv>

#include "assets/Assets.h"

namespace velvara::mlruntime {
namespace {

std::string unescape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      out += text[i];
      continue;
    }
    switch (text[++i]) {
      case 'r':
        out += '\r';
        break;
      case 'n':
        out += '\n';
        break;
      case 't':
        out += '\t';
        break;
      case 's':
        out += ' ';
        break;
      case '\\':
        out += '\\';
        break;
      default:
        out += '\\';
        out += text[i];
    }
  }
  return out;
}

std::map<int, std::string> loadTable(std::string_view assetName) {
  auto bytes = assets::find("STRINGS", assetName);
  if (!bytes) return {};
  return parseStringTable(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
}

}  // namespace

std::map<int, std::string> parseStringTable(std::string_view text) {
  std::map<int, std::string> table;
  std::size_t pos = 0;
  while (pos < text.size()) {
    auto end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(pos, end - pos);
    pos = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;
    auto tab = line.find('\t');
    if (tab == std::string_view::npos) continue;
    int id = 0;
    auto [ptr, ec] = std::from_chars(line.data(), line.data() + tab, id);
    if (ec != std::errc() || ptr != line.data() + tab) continue;
    table[id] = unescape(line.substr(tab + 1));
  }
  return table;
}

void MlStrings::bindToModule() {
  english_ = loadTable("en-GB.txt");
  german_ = loadTable("de-DE.txt");
  bound_ = true;
}

const MlStrings::Table* MlStrings::tableFor(int language) {
  if (!bound_) bindToModule();
  if (language == kEnglishUk) return &english_;
  if (language == kGermanDe) return &german_;
  return nullptr;
}

std::string MlStrings::lookupString(int id, int language) {
  if (const Table* table = tableFor(language)) {
    if (auto it = table->find(id); it != table->end()) return it->second;
  }
  if (auto it = english_.find(id); it != english_.end()) return it->second;
  return {};
}

std::vector<int> MlStrings::ids(int language) {
  std::vector<int> result;
  if (const Table* table = tableFor(language)) {
    for (const auto& entry : *table) result.push_back(entry.first);
  }
  return result;
}

bool MlStrings::hasString(int id, int language) {
  const Table* table = tableFor(language);
  return table && table->contains(id);
}

}  // namespace velvara::mlruntime
