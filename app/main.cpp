// velvara [PROJECT.vlr]: the program. The string service first, then Qt's
// own texts, which follow the language from its first announcement on, then
// the language (asking for it when the user wants to be asked at every
// start), then the main window, which opens the project named on the command
// line.
#include <QApplication>
#include <memory>

#include "app/Form1.h"
#include "app/ProgramData.h"
#include "app/ProgramIcon.h"
#include "i18n/StringService.h"
#include "i18n/dialog/LanguageSelect.h"
#include "i18n/qt/QtTranslations.h"
#include "linkcheck/frmVerifyLinks.h"
#include "platform/shell/Folders.h"
#include "platform/shell/Locale.h"
#include "widgets/prompt/QtPrompts.h"

int main(int argc, char** argv) {
  using namespace velvara;
  QApplication application(argc, argv);
  shell::keepPortableNumbers();
  QApplication::setWindowIcon(app::programIcon());
  // Ties the windows to the desktop entry that started them.
  QGuiApplication::setDesktopFileName(QStringLiteral("velvara"));
  i18n::StringService strings;
  strings.initMlResources();
  i18n::QtTranslations qtTranslations;
  {
    i18n::LanguageSelect languageSelect(strings, shell::programName());
    languageSelect.showDialog(true);
  }

  widgets::QtPrompts prompts;
  app::ProgramData data;
  int status = 0;
  {
    auto window = std::make_unique<app::Form1>(strings, prompts, data);
    window->setLinkChecker([&data, &strings, &window] {
      linkcheck::frmVerifyLinks checker(data.project, data.urlHistory, strings, linkcheck::probeAddress(), nullptr,
                                        window.get());
      checker.doModal();
    });
    std::vector<std::string> arguments(argv + 1, argv + argc);
    window->formLoad(arguments);
    window->show();
    status = QApplication::exec();
  }
  // Every preview is freed with the window's data; the image library goes
  // last.
  data.project.images.clear();
  core::gflExit(data.library);
  return status;
}
