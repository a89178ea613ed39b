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
  addedEnglish_ = loadTable("added-en-GB.txt");
  addedGerman_ = loadTable("added-de-DE.txt");
  bound_ = true;
}

const MlStrings::Table* MlStrings::tableFor(int id, int language) {
  if (!bound_) bindToModule();
  const bool added = id >= kFirstAddedId;
  if (language == kEnglishUk) return added ? &addedEnglish_ : &english_;
  if (language == kGermanDe) return added ? &addedGerman_ : &german_;
  return nullptr;
}

std::string MlStrings::lookupString(int id, int language) {
  if (const Table* table = tableFor(id, language)) {
    if (auto it = table->find(id); it != table->end()) return it->second;
  }
  const Table* english = tableFor(id, kEnglishUk);
  if (auto it = english->find(id); it != english->end()) return it->second;
  return {};
}

namespace {

std::vector<int> keysOf(const std::map<int, std::string>* table) {
  std::vector<int> result;
  if (table) {
    for (const auto& entry : *table) result.push_back(entry.first);
  }
  return result;
}

}  // namespace

std::vector<int> MlStrings::ids(int language) { return keysOf(tableFor(0, language)); }

std::vector<int> MlStrings::addedIds(int language) { return keysOf(tableFor(kFirstAddedId, language)); }

bool MlStrings::hasString(int id, int language) {
  const Table* table = tableFor(id, language);
  return table && table->contains(id);
}

}  // namespace velvara::mlruntime
