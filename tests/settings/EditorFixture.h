#pragma once
// A settings editor over a scripted host: the host's settingsSetValues and
// settingsGetValues reach the editor as the main window's host does, the
// data folder is a folder of the test's own, and controls are found by their
// design names.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>

#include "core/model/GallerySettings.h"
#include "i18n/StringService.h"
#include "settings/SettingsEditor.h"
#include "settings/frmSettings.h"
#include "tests/support/FakeHost.h"
#include "tests/support/TempDir.h"

namespace velvara::settings::testing {

class EditorHost : public velvara::testing::FakeHost {
 public:
  SettingsEditor* editor = nullptr;
  void settingsGetValues() override {
    FakeHost::settingsGetValues();
    if (editor) editor->getValues();
  }
  void settingsSetValues() override {
    FakeHost::settingsSetValues();
    if (editor) editor->setValues();
  }
};

class EditorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host.stringService.setCurrentLanguage(i18n::kEnglishUk);
    core::setDefaultSettings(record, "My Image Gallery", "/home/user/Documents");
    host.editor = &editor;
  }
  void TearDown() override { host.editor = nullptr; }

  frmSettings& dialog() {
    if (!editor.isLoaded()) editor.getValues();
    return *editor.dialog();
  }

  template <typename Control>
  Control& control(const char* name) {
    auto* found = dialog().findChild<Control*>(name);
    if (!found) throw std::runtime_error(std::string("no control ") + name);
    return *found;
  }

  // Runs step once the modal dialog is on screen (and the event loop turns).
  static void whenShown(std::function<void()> step) { QTimer::singleShot(0, std::move(step)); }

  // Runs step on the visible top-level window of that name once it is up.
  static void whenUp(const char* name, std::function<void(QWidget&)> step) {
    QTimer::singleShot(5, [name, step] {
      for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == name && window->isVisible()) return step(*window);
      }
      whenUp(name, step);
    });
  }

  velvara::testing::TempDir dataFolder;
  std::string dataPath = dataFolder.path().string();
  std::string sourceFolder = "/photos";
  std::string projectFile;
  EditorHost host;
  core::GallerySettings record;
  std::function<void()> onSelectLanguage;
  int mainWindowShows = 0;
  SettingsEditor editor{SettingsServices{host, host.stringService, record, projectFile, dataPath, sourceFolder,
                                         [this] {
                                           if (onSelectLanguage) onSelectLanguage();
                                         },
                                         [this] { ++mainWindowShows; }},
                        nullptr};
};

}  // namespace velvara::settings::testing
