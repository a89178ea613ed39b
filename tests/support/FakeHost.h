#pragma once
// A host that records every call and answers questions from a script, so core
// routines can be tested without windows.
#include <deque>
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
  // Answers for the coming file dialogs, in order; nothing means cancel.
  std::deque<std::optional<std::string>> fileNames;

  std::vector<core::Message> messages;
  std::vector<core::FileDialogRequest> fileRequests;
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
