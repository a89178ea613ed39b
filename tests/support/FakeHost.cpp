#include "tests/support/FakeHost.h"

#include <gtest/gtest.h>

#include <utility>

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
  if (auto step = std::exchange(duringPrompt, nullptr)) step();
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

namespace {

// The next scripted answer, or nothing (cancel) once the script has run out.
template <typename T>
std::optional<T> nextAnswer(std::deque<std::optional<T>>& script) {
  std::optional<T> answer;
  if (!script.empty()) {
    answer.swap(script.front());
    script.pop_front();
  }
  return answer;
}

}  // namespace

std::optional<std::string> FakeHost::askFileName(const core::FileDialogRequest& request) {
  if (auto step = std::exchange(duringPrompt, nullptr)) step();
  fileRequests.push_back(request);
  return nextAnswer(fileNames);
}

std::optional<std::vector<std::string>> FakeHost::askFileNames(const core::FileDialogRequest& request) {
  fileRequests.push_back(request);
  return nextAnswer(fileNameLists);
}

std::optional<std::string> FakeHost::askText(const core::InputBoxRequest& request) {
  textRequests.push_back(request);
  return nextAnswer(texts);
}

std::optional<std::string> FakeHost::askFolder(const core::FolderDialogRequest& request) {
  folderRequests.push_back(request);
  return nextAnswer(folders);
}

std::optional<std::uint32_t> FakeHost::askColor(std::uint32_t initial, const std::string& title) {
  colorRequests.emplace_back(initial, title);
  return nextAnswer(colors);
}

std::optional<core::FontChoice> FakeHost::askFont(const core::FontChoice& initial) {
  fontRequests.push_back(initial);
  return nextAnswer(fonts);
}

}  // namespace velvara::testing
