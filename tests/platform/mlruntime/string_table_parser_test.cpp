#include <gtest/gtest.h>

#include "platform/mlruntime/MlStrings.h"

namespace velvara::mlruntime {
namespace {

TEST(ParseStringTable, KeepsEveryBlankAndDecodesEscapes) {
  auto table = parseStringTable(
      "1\t  two leading\n"
      "2\ttrailing\\s\\s\n"
      "3\tC:\\\\Documents\n"
      "4\tline\\r\\nbreak\\tand tab\n"
      "5\tunknown \\q stays\n"
      "6\tends in backslash\\\n");
  EXPECT_EQ(table.at(1), "  two leading");
  EXPECT_EQ(table.at(2), "trailing  ");
  EXPECT_EQ(table.at(3), "C:\\Documents");
  EXPECT_EQ(table.at(4), "line\r\nbreak\tand tab");
  EXPECT_EQ(table.at(5), "unknown \\q stays");
  EXPECT_EQ(table.at(6), "ends in backslash\\");
}

TEST(ParseStringTable, SkipsCommentsBlankAndMalformedLines) {
  auto table = parseStringTable(
      "# a comment\n"
      "\n"
      "no tab here\n"
      "x7\tnot a number\n"
      "8 \tblank after the id\n"
      "9\t\n"
      "10\tlast line without newline");
  EXPECT_EQ(table.size(), 2u);
  EXPECT_EQ(table.at(9), "");
  EXPECT_EQ(table.at(10), "last line without newline");
}

TEST(ParseStringTable, ReadsWindowsLineEndsAsUnixOnes) {
  auto table = parseStringTable("1\tAdded\\s\r\n2\tsecond\r\n");
  EXPECT_EQ(table.at(1), "Added ");
  EXPECT_EQ(table.at(2), "second");
}

TEST(MlStrings, LookupFallsBackToEnglishThenToTheEmptyText) {
  MlStrings strings;
  // German lacks 151, English has it.
  EXPECT_FALSE(strings.hasString(151, kGermanDe));
  EXPECT_EQ(strings.lookupString(151, kGermanDe), "\"000000\"");
  // English lacks 2, only German has it.
  EXPECT_EQ(strings.lookupString(2, kEnglishUk), "");
  EXPECT_EQ(strings.lookupString(2, kGermanDe), "Value =");
  // Neither table has 256, 0 or ids beyond the tables.
  for (int id : {0, 256, 288, -1}) {
    EXPECT_EQ(strings.lookupString(id, kEnglishUk), "") << id;
    EXPECT_EQ(strings.lookupString(id, kGermanDe), "") << id;
  }
  // A language without a table reads English.
  EXPECT_EQ(strings.lookupString(175, 1033), " images selected");
  EXPECT_EQ(strings.lookupString(175, 0), " images selected");
  EXPECT_TRUE(strings.ids(1033).empty());
}

TEST(MlStrings, ALookupBeforeBindingBindsFirst) {
  MlStrings strings;
  EXPECT_FALSE(strings.isBound());
  EXPECT_EQ(strings.lookupString(74, kGermanDe), "Als Standard speichern");
  EXPECT_TRUE(strings.isBound());
}

}  // namespace
}  // namespace velvara::mlruntime
