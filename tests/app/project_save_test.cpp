// Saving a project from the main window's File menu: a name typed without the
// extension the dialog lists gets it, and when a text is too long for
// the file format (its texts carry 2-byte lengths) the user is told which
// image and which field to shorten, and the project file on disk stays
// exactly as it was.
#include <QAction>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "tests/app/MainWindowFixture.h"

namespace velvara::app::testing {
namespace {

using ProjectSaveTest = MainWindowFixture;

std::set<std::string> filesIn(const std::filesystem::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.insert(entry.path().filename());
  return names;
}

// 22000 characters of three bytes each: more than a field's 65535 bytes, and
// no Western single-byte code page can hold them.
std::string tooLongTitle() {
  std::string title;
  for (int i = 0; i < 22000; ++i) title += "\xE3\x81\x82";
  return title;
}

TEST_F(ProjectSaveTest, AFieldTooLongForTheFileNamesImageAndFieldAndLeavesTheFileUntouched) {
  const std::string project = writeProject("trip.vlr", 3);
  const std::string before = fileText(project);
  Form1& window = start({project});

  const std::string list = dir_.file("list.txt");
  std::ofstream(list, std::ios::binary) << "{\r\npath=" << dir_.file("photo1.jpg") << "\r\ntitle=one\r\n}\r\n"
                                        << "{\r\npath=" << dir_.file("photo2.jpg") << "\r\ntitle=" << tooLongTitle()
                                        << "\r\n}\r\n";
  prompts_.fileNames = {list};
  window.menus().mnuImport->trigger();
  ASSERT_EQ(data_.project.images.count(), 2);
  ASSERT_TRUE(prompts_.messages.empty());

  const std::set<std::string> files = filesIn(dir_.path());
  prompts_.fileNames = {project};
  window.menus().mnuSaveAs->trigger();
  ASSERT_EQ(prompts_.messages.size(), 1u);
  const core::Message& message = prompts_.messages[0];
  EXPECT_EQ(message.icon, core::MessageIcon::Critical);
  EXPECT_EQ(message.buttons, core::MessageButtons::Ok);
  EXPECT_EQ(message.title, project);
  EXPECT_EQ(message.text,
            "The field \"Title\" of image 2 (photo2.jpg) is too long for the file: a field holds at most 65535 bytes. "
            "Nothing was saved; shorten the field and save again.");
  EXPECT_EQ(fileText(project), before);
  EXPECT_EQ(filesIn(dir_.path()), files) << "no file was begun beside it";

  // German is the other language of the message.
  strings_.setCurrentLanguage(1031);
  prompts_.fileNames = {project};
  window.menus().mnuSaveAs->trigger();
  ASSERT_EQ(prompts_.messages.size(), 2u);
  EXPECT_EQ(prompts_.messages[1].text,
            "Das Feld „Titel“ von Bild 2 (photo2.jpg) ist zu lang für die Datei: Ein Feld fasst höchstens 65535 Byte. "
            "Es wurde nichts gespeichert; kürzen Sie das Feld und speichern Sie erneut.");
  EXPECT_EQ(fileText(project), before);
}

// The Open dialog lists only "*.vlr" files and the desktop opens only those
// with the program, so a name that does not end in ".vlr" gets it, also when
// it holds a dot of its own (a date, "my.trip"); a name ending in ".vlr" in
// any case is kept as typed. The export's list gets ".txt" the same way.
TEST_F(ProjectSaveTest, ANameTypedWithoutTheExtensionGetsTheOneTheDialogLists) {
  Form1& window = start({writeProject("trip.vlr", 2)});
  prompts_.fileNames = {dir_.file("holiday")};
  window.menus().mnuSaveAs->trigger();
  EXPECT_TRUE(std::filesystem::is_regular_file(dir_.file("holiday.vlr")));
  EXPECT_FALSE(std::filesystem::exists(dir_.file("holiday")));
  EXPECT_EQ(window.windowTitle(), "Velvara  v.1.1.1.  ( holiday.vlr )");

  // Typed in the dialog of Save As or of Export, and the file written.
  const struct {
    QAction* command;
    std::string typed;
    std::string written;
  } names[] = {
      {window.menus().mnuSaveAs, "Rom 2024.05", "Rom 2024.05.vlr"},
      {window.menus().mnuSaveAs, "my.trip", "my.trip.vlr"},
      {window.menus().mnuSaveAs, "reise.", "reise.vlr"},
      {window.menus().mnuSaveAs, "Paris.VLR", "Paris.VLR"},
      {window.menus().mnuSaveAs, "old.vlr.bak", "old.vlr.bak.vlr"},
      {window.menus().mnuExport, "list", "list.txt"},
      {window.menus().mnuExport, "list 2024.05", "list 2024.05.txt"},
      {window.menus().mnuExport, "names.TXT", "names.TXT"},
  };
  for (const auto& [command, typed, written] : names) {
    prompts_.fileNames = {dir_.file(typed)};
    command->trigger();
    EXPECT_TRUE(std::filesystem::is_regular_file(dir_.file(written))) << typed;
    EXPECT_EQ(std::filesystem::exists(dir_.file(typed)), typed == written) << typed;
  }
  EXPECT_EQ(fileText(dir_.file("list.txt")).substr(0, 8), "{\r\npath=");
  EXPECT_TRUE(prompts_.messages.empty());

  // The dialog asked about the name as typed; the file the extension names
  // is not replaced unasked. No goes back to the dialog, on that name.
  std::ofstream(dir_.file("holiday.vlr"), std::ios::binary) << "old";
  prompts_.fileNames = {dir_.file("holiday"), std::nullopt};
  prompts_.answers = {core::MessageAnswer::No};
  window.menus().mnuSaveAs->trigger();
  ASSERT_EQ(prompts_.messages.size(), 1u);
  EXPECT_EQ(prompts_.messages[0].buttons, core::MessageButtons::YesNo);
  EXPECT_EQ(prompts_.messages[0].title, "Save project as");
  EXPECT_EQ(prompts_.messages[0].text, "'" + dir_.file("holiday.vlr") + "' already exists. Do you want to replace it?");
  EXPECT_EQ(prompts_.fileRequests.back().proposedPath, dir_.file("holiday.vlr"));
  EXPECT_EQ(fileText(dir_.file("holiday.vlr")), "old");

  strings_.setCurrentLanguage(1031);
  prompts_.fileNames = {dir_.file("holiday")};
  prompts_.answers = {core::MessageAnswer::Yes};
  window.menus().mnuSaveAs->trigger();
  ASSERT_EQ(prompts_.messages.size(), 2u);
  EXPECT_EQ(prompts_.messages[1].text,
            "'" + dir_.file("holiday.vlr") + "' ist bereits vorhanden. Möchten Sie die Datei ersetzen?");
  EXPECT_EQ(fileText(dir_.file("holiday.vlr")), fileText(dir_.file("Rom 2024.05.vlr")));
}

}  // namespace
}  // namespace velvara::app::testing
