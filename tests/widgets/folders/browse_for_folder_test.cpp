// The folder browser asks with the caller's title and start folder and gives
// "" for a cancelled choice.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileDialog>
#include <filesystem>

#include "tests/support/FakeHost.h"
#include "tests/support/TempDir.h"
#include "tests/support/qt/ModalAnswer.h"
#include "widgets/folders/BrowseForFolder.h"
#include "widgets/prompt/QtPrompts.h"

namespace velvara::widgets {
namespace {

TEST(BrowseForFolderTest, TheChosenPathOrNothingForCancel) {
  testing::FakeHost host;
  host.folders = {std::string("/home/ann/Pictures/Harbour"), std::nullopt, std::string("/")};
  const std::string title = host.stringService.loadMlString(176);
  EXPECT_EQ(browseForFolder(host, title, "/home/ann/Pictures"), "/home/ann/Pictures/Harbour");
  EXPECT_EQ(browseForFolder(host, title, "/home/ann/Pictures/Harbour"), "");
  EXPECT_EQ(browseForFolder(host, title, ""), "/") << "a confirmed root keeps its separator";
  ASSERT_EQ(host.folderRequests.size(), 3u);
  EXPECT_EQ(host.folderRequests[0].title, "Please select folder with original images");
  EXPECT_EQ(host.folderRequests[0].startFolder, "/home/ann/Pictures");
  EXPECT_EQ(host.folderRequests[1].startFolder, "/home/ann/Pictures/Harbour");
}

TEST(BrowseForFolderTest, TheFolderDialogOpensOnTheStartFolder) {
  testing::TempDir dir;
  const std::string harbour = dir.file("Harbour");
  std::filesystem::create_directory(harbour);
  QtPrompts prompts;
  for (const bool confirm : {false, true}) {
    SCOPED_TRACE(confirm ? "confirmed" : "cancelled");
    QString title;
    QString opened;
    testing::whenModalOpens([&](QWidget& modal) {
      auto* dialog = qobject_cast<QFileDialog*>(&modal);
      ASSERT_NE(dialog, nullptr);
      title = dialog->windowTitle();
      opened = dialog->directory().absolutePath();
      if (confirm) {
        dialog->selectFile(QString::fromStdString(harbour));
        static_cast<QDialog*>(dialog)->accept();
      } else {
        dialog->reject();
      }
    });
    const std::string chosen = browseForFolder(prompts, "Select destination folder for a web gallery", harbour);
    EXPECT_EQ(title, "Select destination folder for a web gallery");
    EXPECT_EQ(opened, QDir(QString::fromStdString(harbour)).absolutePath());
    EXPECT_EQ(chosen, confirm ? harbour : "");
  }
}

}  // namespace
}  // namespace velvara::widgets
