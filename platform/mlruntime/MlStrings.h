#pragma once
// The string object of the language runtime: texts by id from the program's
// own string tables, one table per language.
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace velvara::mlruntime {

inline constexpr int kEnglishUk = 2057;
inline constexpr int kGermanDe = 1031;

class MlStrings {
 public:
  // Reads the tables carried inside the program. A lookup before this binds
  // first, so a lookup never fails.
  void bindToModule();
  bool isBound() const { return bound_; }

  // The text of id in the table of language; else the English text; else "".
  std::string lookupString(int id, int language);

  // The ids that the table of language holds, ascending; none for a language
  // without a table.
  std::vector<int> ids(int language);
  // Whether the table of language itself holds id (no fallback).
  bool hasString(int id, int language);

 private:
  using Table = std::map<int, std::string>;
  const Table* tableFor(int language);

  bool bound_ = false;
  Table english_;
  Table german_;
};

// Parses one table file: lines "id<TAB>text", where the text may hold the
// escapes \r, \n, \t, \\ and \s (a blank). Lines starting with '#', empty
// lines and lines without a numeric id are skipped; a CR ending a line is
// dropped, so a table saved with Windows line ends reads the same.
std::map<int, std::string> parseStringTable(std::string_view text);

}  // namespace velvara::mlruntime
