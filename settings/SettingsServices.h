#pragma once
// What the settings dialog works with that belongs to the rest of the
// program: the record it edits, the prompts, the current language, the
// program's folders and the language dialog.
#include <functional>
#include <string>

namespace velvara::core {
class Host;
struct GallerySettings;
}  // namespace velvara::core

namespace velvara::i18n {
class StringService;
}

namespace velvara::settings {

struct SettingsServices {
  core::Host& host;
  i18n::StringService& strings;
  core::GallerySettings& settings;
  // The current project's path ("" for a project never saved or opened).
  const std::string& projectFile;
  // The folder of "default.vlm" and the start of the settings-file dialogs.
  const std::string& dataFolder;
  // Where image dialogs start; choosing a background image moves it.
  std::string& sourceFolder;
  // Lets the user pick the interface language (the language dialog, shown
  // modally; its announcement relabels every window).
  std::function<void()> selectLanguage;
  // Shows the main window again after the language dialog.
  std::function<void()> showMainWindow;
};

}  // namespace velvara::settings
