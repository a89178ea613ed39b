#pragma once
// The About window: the product and its version, what the program is built
// on, five links that open web pages in the user's browser, and Close. Its
// captions follow the current language while it is open.
#include <QDialog>
#include <array>
#include <string>

#include "core/host/Host.h"
#include "core/model/ProductInfo.h"
#include "i18n/StringService.h"
#include "platform/mlruntime/LanguageSupport.h"

class QLabel;
class QPushButton;

namespace velvara::widgets {

class LinkLabel;

// The pages the link labels open, by label index: the gallery framework's
// two libraries, the image library, and (twice) the program's own home page,
// the build's core::productHomePage().
const std::array<const char*, 5>& aboutPages();

class frmAbout : public QDialog {
 public:
  // Pages open through host's shell. Labels 2 and 3 lead to homePage; without
  // one they are plain text, neither links nor focus stops.
  frmAbout(i18n::StringService& strings, core::Host& host, QWidget* parent = nullptr,
           std::string homePage = core::productHomePage());

  // Loads the window, shows it modally over parent and unloads it when it
  // closes.
  static void showModal(i18n::StringService& strings, core::Host& host, QWidget* parent);

 private:
  void loadCaptions();

  i18n::StringService& strings_;
  core::Host& host_;
  QLabel* label1_;
  QLabel* lblInfo1_;
  std::array<QLabel*, 2> lblAuthor_{};
  std::array<QLabel*, 5> lblLightBoxUrl_{};
  QPushButton* cmdOK_;
  mlruntime::LanguageSupport languageSupport_;
};

}  // namespace velvara::widgets
