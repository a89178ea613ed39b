#include "core/files/FileDialog.h"

#include <gtest/gtest.h>

#include "tests/support/FakeHost.h"

namespace velvara::core {
namespace {

TEST(FileDialog, ProposesTheSameFileWithOrWithoutATrailingSeparator) {
  EXPECT_EQ(proposedFileName("/data/VLR", "p.vlr"), "/data/VLR/p.vlr");
  EXPECT_EQ(proposedFileName("/data/VLR/", "p.vlr"), "/data/VLR/p.vlr");
  EXPECT_EQ(proposedFileName("C:\\VLR\\", "p.vlr"), "C:\\VLR\\p.vlr");
  EXPECT_EQ(proposedFileName("/data", ""), "");
  EXPECT_EQ(proposedFileName("", "p.vlr"), "p.vlr");
}

TEST(FileDialog, FiltersBecomeThePlatformsNameFilters) {
  EXPECT_EQ(dialogNameFilters("VLR project file (*.vlr)|*.vlr"), std::vector<std::string>{"VLR project file (*.vlr)"});
  EXPECT_EQ(dialogNameFilters("Images|*.jpg;*.png|All files (*.*)|*.*"),
            (std::vector<std::string>{"Images (*.jpg *.png)", "All files (*.*)"}));
  EXPECT_EQ(dialogNameFilters("VLR settings files (*.vls;)|*.vls;"),
            std::vector<std::string>{"VLR settings files (*.vls)"});
  EXPECT_EQ(dialogNameFilters("VLR settings files (*.vlr;*.vls)|*.vlr;*.vls"),
            std::vector<std::string>{"VLR settings files (*.vlr *.vls)"});
  EXPECT_EQ(dialogNameFilters("Broken|"), std::vector<std::string>{});
  EXPECT_EQ(dialogNameFilters(""), std::vector<std::string>{});
}

TEST(FileDialog, AChoiceUpdatesFolderAndFileName) {
  testing::FakeHost host;
  host.fileNames.push_back("/photos/2024/list.txt");
  std::string folder = "/start";
  std::string fileName = "before";
  EXPECT_TRUE(showFileDialog(host, folder, fileName, "Title", "", "Text|*.txt", true, false));
  EXPECT_EQ(folder, "/photos/2024");
  EXPECT_EQ(fileName, "/photos/2024/list.txt");
  const auto& request = host.fileRequests.at(0);
  EXPECT_EQ(request.startFolder, "/start");
  EXPECT_EQ(request.title, "Title");
  EXPECT_TRUE(request.mustExist);
  EXPECT_FALSE(request.isSave);
  EXPECT_EQ(request.nameFilters, std::vector<std::string>{"Text (*.txt)"});
}

TEST(FileDialog, ACancelIsNeverAChoiceAndFlagsDoNotCarryOver) {
  testing::FakeHost host;
  std::string folder = "/start";
  std::string fileName = "before";
  EXPECT_FALSE(showFileDialog(host, folder, fileName, "Open", "proposed.vlr", "", true, false));
  host.fileNames.push_back(std::string());
  EXPECT_FALSE(showFileDialog(host, folder, fileName, "Save", "proposed.vlr", "", false, true));
  EXPECT_EQ(folder, "/start");
  EXPECT_EQ(fileName, "before");
  ASSERT_EQ(host.fileRequests.size(), 2u);
  EXPECT_EQ(host.fileRequests[0].proposedPath, "/start/proposed.vlr");
  EXPECT_FALSE(host.fileRequests[1].mustExist);
  EXPECT_TRUE(host.fileRequests[1].isSave);
}

}  // namespace
}  // namespace velvara::core
