#pragma once
// The host of the headless gallery build: every message goes to standard
// error, questions are answered as the command line says, and the page the
// shell would open is printed on standard output.
#include <iosfwd>

#include "core/host/Host.h"
#include "i18n/StringService.h"

namespace velvara::tools {

class ConsoleHost : public core::Host {
 public:
  ConsoleHost(bool answerYes, std::ostream& out, std::ostream& err);

  const i18n::StringService& strings() const override { return strings_; }
  core::MessageAnswer showMessage(const core::Message& message) override;
  // Nobody is there to answer a dialog: each is cancelled.
  std::optional<std::string> askFileName(const core::FileDialogRequest&) override { return std::nullopt; }
  std::optional<std::vector<std::string>> askFileNames(const core::FileDialogRequest&) override { return std::nullopt; }
  std::optional<std::string> askText(const core::InputBoxRequest&) override { return std::nullopt; }
  std::optional<std::string> askFolder(const core::FolderDialogRequest&) override { return std::nullopt; }
  std::optional<std::uint32_t> askColor(std::uint32_t, const std::string&) override { return std::nullopt; }
  std::optional<core::FontChoice> askFont(const core::FontChoice&) override { return std::nullopt; }
  void beep() override {}
  void setCaption(const std::string&) override {}
  void restoreCaption() override {}
  void showBusyPanel(const std::string&) override {}
  void hideBusyPanel() override {}
  void showProgress(int, int) override {}
  void setProgress(int) override {}
  void hideProgress() override {}
  void setMainWindowEnabled(bool) override {}
  void processEvents() override {}
  void openDocument(const std::string& path) override;
  void settingsGetValues() override {}
  void settingsSetValues() override {}

 private:
  i18n::StringService strings_;
  bool answerYes_;
  std::ostream& out_;
  std::ostream& err_;
};

}  // namespace velvara::tools
