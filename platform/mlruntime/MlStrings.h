#pragma once
// The string object of the language runtime: texts by id from the program's
// own string tables, one table per language.
#include <map>
#include <string>

namespace velvara::mlruntime {

class MlStrings {
 public:
  // Reads the tables carried inside the program. Until then every lookup
  // binds first, so a lookup never fails.
  void bindToModule();
  bool isBound() const { return bound_; }

  // The text of id in the table of language; else the English text; else "".
  std::string lookupString(int id, int language);

  // Whether the table of language holds id (for tests of the tables).
  bool hasString(int id, int language);
  // Number of ids in the table of language.
  std::size_t stringCount(int language);

 private:
  using Table = std::map<int, std::string>;
  const Table* tableFor(int language) const;

  bool bound_ = false;
  Table english_;
  Table german_;
};

// Parses one table file: lines "id<TAB>text" where the text may hold the
// escapes \r, \n, \t and \\; lines starting with '#' and empty lines are skipped.
std::map<int, std::string> parseStringTable(std::string_view text);

}  // namespace velvara::mlruntime
