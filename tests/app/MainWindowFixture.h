#pragma once
// A main window started as the program starts it, in a home folder of the
// test's own (documents folder, data folder, registry), with every dialog
// answered from the script of a fake host.
#include <gtest/gtest.h>

#include <QObject>
#include <QUrl>
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

// Failures show addresses as text.
inline void PrintTo(const QUrl& url, std::ostream* out) { *out << url.toString().toStdString(); }

namespace velvara::app::testing {

// The whole content of a file, "" when it cannot be read.
std::string fileText(const std::string& path);

// Stands in for the desktop's opener of web pages and files: every address
// the program hands to the desktop, in order.
class OpenedUrls : public QObject {
  Q_OBJECT

 public:
  std::vector<QUrl> urls;

 public slots:
  void open(const QUrl& url) { urls.push_back(url); }
};

class MainWindowFixture : public ::testing::Test {
 protected:
  MainWindowFixture();
  ~MainWindowFixture() override;

  // Creates the window and loads it with the arguments, as the program does
  // before it shows the window.
  Form1& load(const std::vector<std::string>& arguments = {});
  // load, then shows the window.
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
  // The titles of the project's images, in order.
  std::vector<std::string> titles() const;

  velvara::testing::TempDir dir_;
  velvara::testing::FakeHost prompts_;
  i18n::StringService strings_;
  ProgramData data_;
  // What the program asked the desktop to open (http, https and file).
  OpenedUrls opened_;
  std::unique_ptr<Form1> window_;
};

}  // namespace velvara::app::testing
