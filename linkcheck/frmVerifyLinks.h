#pragma once
// The link checker: lists every file and link a gallery of the project
// depends on, tests them on request with a live status per row, lets the
// user stop a run, edit a link to a page and set the base address for
// relative links.
#include <QDialog>
#include <string>

#include "core/helpers/KeyedCollection.h"
#include "core/model/Project.h"
#include "linkcheck/Clock.h"
#include "linkcheck/LinkStatus.h"
#include "linkcheck/ProbeAddress.h"
#include "linkcheck/UrlVerifier.h"
#include "platform/mlruntime/LanguageSupport.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace velvara::i18n {
class StringService;
}

namespace velvara::linkcheck {

class frmVerifyLinks : public QDialog {
  Q_OBJECT

 public:
  // probeUrl: the address that tells whether web addresses can be tested;
  // clock: where the time limits are read, the steady clock when null.
  frmVerifyLinks(core::Project& project, core::KeyedCollection<std::string>& urlHistory, i18n::StringService& strings,
                 std::string probeUrl = probeAddress(), Clock* clock = nullptr, QWidget* parent = nullptr);

  // Fills the list, then shows the window modally until it is closed.
  void doModal();
  // The first half of doModal: the rows and the base address.
  void fillList();

  // True when the browser reached that very address within timerLimit
  // seconds.
  bool verifyUrl(const std::string& sURL_to_verify, int timerLimit);

  bool isChecking() const { return isChecking_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  void applyCaptions();
  void cmdVerifyClicked();
  void cmdEditClicked();
  void cmdExitClicked();
  void setRunning(bool running);
  void checkRow(QTreeWidgetItem& row, bool webReachable);
  void showRowBeingChecked(QTreeWidgetItem& row);
  void setStatus(QTreeWidgetItem& row, LinkStatus status);

  core::Project& project_;
  core::KeyedCollection<std::string>& urlHistory_;
  i18n::StringService& strings_;
  std::string probeUrl_;
  SteadyClock steadyClock_;
  mlruntime::LanguageSupport languageSupport_;
  UrlVerifier verifier_;

  QTreeWidget* listView1_;
  QLabel* label1_;
  QLineEdit* txtBaseUrl_;
  QPushButton* cmdVerify_;
  QPushButton* cmdStop_;
  QPushButton* cmdEdit_;
  QPushButton* cmdExit_;

  bool isChecking_ = false;
  bool stopRequested_ = false;
  // Whether the list keeps the row being checked in view: from the start of
  // a run until the user scrolls the list himself.
  bool followingRun_ = false;
  bool scrollingToRow_ = false;
  long urlRowCount_ = 0;
};

}  // namespace velvara::linkcheck
