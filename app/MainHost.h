#pragma once
// The main window as the core's Host: prompts go to the window's Prompts
// (Qt's dialogs in the program, a script in tests), the caption is the
// status line, the progress bar and busy panel are the window's, the
// settings calls go to the settings editor once one is registered.
#include "core/host/Host.h"

namespace velvara::app {

class Form1;
class SettingsEditorLink;

class MainHost : public core::Host {
 public:
  MainHost(Form1& window, core::Prompts& prompts);

  void setSettingsEditor(SettingsEditorLink* editor) { settingsEditor_ = editor; }
  SettingsEditorLink* settingsEditor() const { return settingsEditor_; }

  const i18n::StringService& strings() const override;
  core::MessageAnswer showMessage(const core::Message& message) override;
  std::optional<std::string> askFileName(const core::FileDialogRequest& request) override;
  std::optional<std::vector<std::string>> askFileNames(const core::FileDialogRequest& request) override;
  std::optional<std::string> askText(const core::InputBoxRequest& request) override;
  std::optional<std::string> askFolder(const core::FolderDialogRequest& request) override;
  std::optional<std::uint32_t> askColor(std::uint32_t initial, const std::string& title) override;
  std::optional<core::FontChoice> askFont(const core::FontChoice& initial) override;
  void beep() override;
  void setCaption(const std::string& caption) override;
  void restoreCaption() override;
  void showBusyPanel(const std::string& caption) override;
  void hideBusyPanel() override;
  void showProgress(int minimum, int maximum) override;
  void setProgress(int value) override;
  void hideProgress() override;
  void setMainWindowEnabled(bool enabled) override;
  void processEvents() override;
  void openDocument(const std::string& path) override;
  void settingsGetValues() override;
  void settingsSetValues() override;

 private:
  Form1& window_;
  core::Prompts& prompts_;
  SettingsEditorLink* settingsEditor_ = nullptr;
};

}  // namespace velvara::app
