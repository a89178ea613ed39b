#pragma once
// The program's own answers to Prompts: Qt's message box, input box and file,
// folder, colour and font dialogs, each over the window the user works in
// when it opens (windowing::dialogOwner) and wholly on that window's screen.
#include "core/host/Prompts.h"

namespace velvara::widgets {

class QtPrompts : public core::Prompts {
 public:
  core::MessageAnswer showMessage(const core::Message& message) override;
  std::optional<std::string> askFileName(const core::FileDialogRequest& request) override;
  std::optional<std::vector<std::string>> askFileNames(const core::FileDialogRequest& request) override;
  std::optional<std::string> askText(const core::InputBoxRequest& request) override;
  std::optional<std::string> askFolder(const core::FolderDialogRequest& request) override;
  std::optional<std::uint32_t> askColor(std::uint32_t initial, const std::string& title) override;
  std::optional<core::FontChoice> askFont(const core::FontChoice& initial) override;
  void beep() override;
};

}  // namespace velvara::widgets
