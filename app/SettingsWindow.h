#pragma once
// The main window's settings editor: the settings dialog over the program's
// record, loaded hidden the first time anything asks it for the record, and
// its Language button opening the language dialog.
#include "app/SettingsEditorLink.h"
#include "settings/SettingsEditor.h"

namespace velvara::app {

class Form1;

class SettingsWindow : public SettingsEditorLink {
 public:
  explicit SettingsWindow(Form1& window);

  void getValues() override { editor_.getValues(); }
  void setValues() override { editor_.setValues(); }
  void showModal() override { editor_.show(); }
  void showHomeUrl() override { editor_.showHomeUrl(); }
  void unload() override { editor_.unload(); }

  settings::SettingsEditor& editor() { return editor_; }

 private:
  settings::SettingsEditor editor_;
};

}  // namespace velvara::app
