#include "tools/gallery_build/ConsoleHost.h"

#include <ostream>

#include "core/model/ProductInfo.h"

namespace velvara::tools {

namespace {

const char* iconName(core::MessageIcon icon) {
  switch (icon) {
    case core::MessageIcon::Information:
      return "information";
    case core::MessageIcon::Exclamation:
      return "exclamation";
    case core::MessageIcon::Question:
      return "question";
    case core::MessageIcon::Critical:
      return "critical";
    case core::MessageIcon::None:
      break;
  }
  return "none";
}

// Message texts end their lines with CR LF; one line per line on the console.
std::string consoleText(const std::string& text) {
  std::string result;
  for (const char c : text) {
    if (c != '\r') result += c;
  }
  return result;
}

}  // namespace

ConsoleHost::ConsoleHost(bool answerYes, std::ostream& out, std::ostream& err)
    : answerYes_(answerYes), out_(out), err_(err) {
  strings_.initMlResources();
  strings_.setCurrentLanguage(i18n::kEnglishUk, i18n::StringService::languageDisplayName(i18n::kEnglishUk));
}

core::MessageAnswer ConsoleHost::showMessage(const core::Message& message) {
  err_ << "[" << iconName(message.icon) << "] " << message.title.value_or(core::kProgramName) << ": "
       << consoleText(message.text) << std::endl;
  switch (message.buttons) {
    case core::MessageButtons::Ok:
      return core::MessageAnswer::Ok;
    case core::MessageButtons::OkCancel:
      return answerYes_ ? core::MessageAnswer::Ok : core::MessageAnswer::Cancel;
    case core::MessageButtons::YesNo:
    case core::MessageButtons::YesNoCancel:
      break;
  }
  return answerYes_ ? core::MessageAnswer::Yes : core::MessageAnswer::No;
}

void ConsoleHost::openDocument(const std::string& path) { out_ << path << std::endl; }

}  // namespace velvara::tools
