#pragma once
// The string object of the language runtime: texts by id from the program's
// own string tables. Each language has two: the interface table (ids below
// 1000: captions, tooltips and messages of the windows) and the added table
// (ids from 1000: the program's own messages beyond those, and the names a
// screen reader reads for controls without a caption).
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace velvara::mlruntime {

inline constexpr int kEnglishUk = 2057;
inline constexpr int kGermanDe = 1031;
inline constexpr int kFirstAddedId = 1000;

class MlStrings {
 public:
  // Reads the tables carried inside the program. A lookup before this binds
  // first, so a lookup never fails.
  void bindToModule();
  bool isBound() const { return bound_; }

  // The text of id in the table of language; else the English text; else "".
  std::string lookupString(int id, int language);

  // The ids that the interface table of language holds, ascending; none for a
  // language without a table.
  std::vector<int> ids(int language);
  // The same for the added table.
  std::vector<int> addedIds(int language);
  // Whether the table of language itself holds id (no fallback).
  bool hasString(int id, int language);

 private:
  using Table = std::map<int, std::string>;
  const Table* tableFor(int id, int language);

  bool bound_ = false;
  Table english_;
  Table german_;
  Table addedEnglish_;
  Table addedGerman_;
};

// Parses one table file: lines "id<TAB>text", where the text may hold the
// escapes \r, \n, \t, \\ and \s (a blank). Lines starting with '#', empty
// lines and lines without a numeric id are skipped; a CR ending a line is
// dropped, so a table saved with Windows line ends reads the same.
std::map<int, std::string> parseStringTable(std::string_view text);

}  // namespace velvara::mlruntime
