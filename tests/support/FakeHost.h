#pragma once
// A host that records every call and answers questions from a script, so core
// routines can be tested without windows. Windows take it as their Prompts:
// every dialog a window opens is recorded here and answered from the script.
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/host/Host.h"
#include "i18n/StringService.h"

namespace velvara::testing {

class FakeHost : public core::Host {
 public:
  FakeHost();

  // Answers for the coming message boxes, in order; once they run out every
  // box is answered with its first button (Ok or Yes).
  std::deque<core::MessageAnswer> answers;
  // Answers for the coming dialogs of each kind, in order; nothing means
  // cancel, and so does a dialog the script has no answer left for.
  std::deque<std::optional<std::string>> fileNames;
  std::deque<std::optional<std::vector<std::string>>> fileNameLists;
  std::deque<std::optional<std::string>> texts;
  std::deque<std::optional<std::string>> folders;
  std::deque<std::optional<std::uint32_t>> colors;
  std::deque<std::optional<core::FontChoice>> fonts;
  // Runs once, inside the next message box or file dialog, before it is
  // answered: what arrives while the program waits for the user.
  std::function<void()> duringPrompt;

  std::vector<core::Message> messages;
  // Single and multiple file dialogs, in the order they were opened.
  std::vector<core::FileDialogRequest> fileRequests;
  std::vector<core::InputBoxRequest> textRequests;
  std::vector<core::FolderDialogRequest> folderRequests;
  // The colour each colour dialog opened on, with its title.
  std::vector<std::pair<std::uint32_t, std::string>> colorRequests;
  std::vector<core::FontChoice> fontRequests;
  int beeps = 0;
  std::vector<std::string> captions;
  int captionRestores = 0;
  std::vector<std::string> busyPanels;
  int busyPanelHides = 0;
  std::vector<std::pair<int, int>> progressRanges;
  std::vector<int> progressValues;
  int progressHides = 0;
  std::vector<bool> windowEnabledChanges;
  int eventsProcessed = 0;
  std::vector<std::string> openedDocuments;
  int getValuesCalls = 0;
  int setValuesCalls = 0;

  i18n::StringService stringService;

  const i18n::StringService& strings() const override { return stringService; }
  core::MessageAnswer showMessage(const core::Message& message) override;
  std::optional<std::string> askFileName(const core::FileDialogRequest& request) override;
  std::optional<std::vector<std::string>> askFileNames(const core::FileDialogRequest& request) override;
  std::optional<std::string> askText(const core::InputBoxRequest& request) override;
  std::optional<std::string> askFolder(const core::FolderDialogRequest& request) override;
  std::optional<std::uint32_t> askColor(std::uint32_t initial, const std::string& title) override;
  std::optional<core::FontChoice> askFont(const core::FontChoice& initial) override;
  void beep() override { ++beeps; }
  void setCaption(const std::string& caption) override { captions.push_back(caption); }
  void restoreCaption() override { ++captionRestores; }
  void showBusyPanel(const std::string& caption) override { busyPanels.push_back(caption); }
  void hideBusyPanel() override { ++busyPanelHides; }
  void showProgress(int minimum, int maximum) override { progressRanges.emplace_back(minimum, maximum); }
  void setProgress(int value) override { progressValues.push_back(value); }
  void hideProgress() override { ++progressHides; }
  void setMainWindowEnabled(bool enabled) override { windowEnabledChanges.push_back(enabled); }
  void processEvents() override { ++eventsProcessed; }
  void openDocument(const std::string& path) override { openedDocuments.push_back(path); }
  void settingsGetValues() override { ++getValuesCalls; }
  void settingsSetValues() override { ++setValuesCalls; }
};

}  // namespace velvara::testing
