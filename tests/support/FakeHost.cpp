#include "tests/support/FakeHost.h"

#include <gtest/gtest.h>

namespace velvara::testing {

FakeHost::FakeHost() {
  stringService.initMlResources();
  stringService.setCurrentLanguage(i18n::kEnglishUk, "English (United Kingdom)");
}

namespace {

// Whether a box with these buttons can give this answer at all.
bool offers(core::MessageButtons buttons, core::MessageAnswer answer) {
  using core::MessageAnswer;
  switch (buttons) {
    case core::MessageButtons::Ok:
      return answer == MessageAnswer::Ok;
    case core::MessageButtons::OkCancel:
      return answer == MessageAnswer::Ok || answer == MessageAnswer::Cancel;
    case core::MessageButtons::YesNo:
      return answer == MessageAnswer::Yes || answer == MessageAnswer::No;
    case core::MessageButtons::YesNoCancel:
      return answer != MessageAnswer::Ok;
  }
  return false;
}

}  // namespace

core::MessageAnswer FakeHost::showMessage(const core::Message& message) {
  messages.push_back(message);
  if (!answers.empty()) {
    auto answer = answers.front();
    answers.pop_front();
    // A scripted answer the box cannot give means the test expected another box.
    if (!offers(message.buttons, answer)) {
      ADD_FAILURE() << "the message box \"" << message.text << "\" has no button for the scripted answer "
                    << static_cast<int>(answer);
    }
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
