#include "tests/support/FakeHost.h"

namespace velvara::testing {

FakeHost::FakeHost() {
  stringService.initMlResources();
  stringService.setCurrentLanguage(i18n::kEnglishUk, "English (United Kingdom)");
}

core::MessageAnswer FakeHost::showMessage(const core::Message& message) {
  messages.push_back(message);
  if (!answers.empty()) {
    auto answer = answers.front();
    answers.pop_front();
    return answer;
  }
  switch (message.buttons) {
    case core::MessageButtons::YesNo:
    case core::MessageButtons::YesNoCancel:
      return core::MessageAnswer::Yes;
    default:
      return core::MessageAnswer::Ok;
  }
}

std::optional<std::string> FakeHost::askFileName(const core::FileDialogRequest& request) {
  fileRequests.push_back(request);
  if (fileNames.empty()) return std::nullopt;
  auto name = fileNames.front();
  fileNames.pop_front();
  return name;
}

}  // namespace velvara::testing
