#include "app/SettingsWindow.h"

#include "app/Form1.h"
#include "app/MainHost.h"
#include "i18n/dialog/LanguageSelect.h"
#include "platform/shell/Folders.h"

namespace velvara::app {

SettingsWindow::SettingsWindow(Form1& window)
    : editor_(settings::SettingsServices{window.host(), window.strings(), window.data().project.settings,
                                         window.data().project.projectFile, window.data().dataFolder,
                                         window.data().sourceFolder,
                                         [&window] {
                                           i18n::LanguageSelect languageSelect(window.strings(), shell::programName());
                                           languageSelect.selectLang();
                                         },
                                         [&window] { window.show(); }},
              &window) {}

}  // namespace velvara::app
