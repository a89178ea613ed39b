#pragma once
// A main window started as the program starts it, in a home folder of the
// test's own (documents folder, data folder, registry), with every dialog
// answered from the script of a fake host.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/Form1.h"
#include "app/ProgramData.h"
#include "core/model/GallerySettings.h"
#include "i18n/StringService.h"
#include "platform/registry/AppSettings.h"
#include "tests/support/FakeHost.h"
#include "tests/support/TempDir.h"

namespace velvara::app::testing {

// The whole content of a file, "" when it cannot be read.
std::string fileText(const std::string& path);

class MainWindowFixture : public ::testing::Test {
 protected:
  MainWindowFixture();
  ~MainWindowFixture() override;

  // Creates the window, loads it with the arguments and shows it.
  Form1& start(const std::vector<std::string>& arguments = {});
  // The "settings" value of the program's folder, "<none>" when missing.
  std::string stored(const char* key) const;
  void store(const char* key, const std::string& value) const;
  // A project file in the test's folder with count pictures of its own
  // ("photo1" ...), its gallery going to folder "gallery"; image i links to
  // "http://127.0.0.1/i" when links.
  std::string writeProject(const std::string& name, int count, bool links = false);
  // A project file of count images whose files are not there: each loads at
  // once as the placeholder, for projects too large to make pictures for.
  std::string writeProjectOfMissingPictures(const std::string& name, int count);
  std::string dataFolder() const { return dir_.file("home/Documents/VLR"); }
  std::string galleryFolder() const { return dir_.file("gallery"); }

  velvara::testing::TempDir dir_;
  velvara::testing::FakeHost prompts_;
  i18n::StringService strings_;
  ProgramData data_;
  std::vector<std::string> openedDocuments_;
  std::unique_ptr<Form1> window_;
};

}  // namespace velvara::app::testing
