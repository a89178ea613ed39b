// The link checker against a web server of the test's own on 127.0.0.1: the
// rows it lists, the status a run gives each of them, the probe, the time
// limits, Stop, the refused close, the base address and editing links.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>
#include <fstream>

#include "i18n/StringService.h"
#include "linkcheck/frmVerifyLinks.h"
#include "platform/mlruntime/LanguageSupport.h"
#include "tests/linkcheck/UrlDialogScript.h"
#include "tests/support/TempDir.h"
#include "tests/support/qt/LocalHttpServer.h"
#include "tests/support/qt/Screenshots.h"

namespace velvara::linkcheck {
namespace {

using testing::LocalHttpServer;

// Time that moves only while running is set: a fixed step at every reading.
class StepClock : public Clock {
 public:
  std::chrono::milliseconds now() override {
    if (running) elapsed += step;
    return elapsed;
  }
  bool running = false;
  std::chrono::milliseconds step{250};
  std::chrono::milliseconds elapsed{0};
};

struct Row {
  std::string kind;
  std::string target;
  std::string status;
  bool operator==(const Row&) const = default;
};

void PrintTo(const Row& row, std::ostream* out) { *out << row.kind << " | " << row.target << " | " << row.status; }

void touch(const std::string& path) { std::ofstream(path) << "x"; }

class VerifyLinksTest : public ::testing::Test {
 protected:
  VerifyLinksTest() {
    strings.setCurrentLanguage(i18n::kEnglishUk);
    server.answer("/probe", {200});
    server.answer("/ok.html", {200});
  }

  void addImage(const std::string& source, const std::string& link) {
    core::ImageItem image;
    image.sourcePath = source;
    image.linkUrl = link;
    images.push_back(image);
  }

  frmVerifyLinks& open(const QString& probe, Clock* clock = nullptr) {
    project.images.replaceAfterLoad(images);
    window = std::make_unique<frmVerifyLinks>(project, history, strings, probe.toStdString(), clock);
    window->fillList();
    window->show();
    return *window;
  }
  frmVerifyLinks& open() { return open(server.url("/probe")); }

  template <typename T>
  T& child(const char* name) {
    return *window->findChild<T*>(QLatin1String(name));
  }
  QTreeWidget& list() { return child<QTreeWidget>("ListView1"); }
  void click(const char* button) { QTest::mouseClick(&child<QPushButton>(button), Qt::LeftButton); }
  void verify() { click("cmdVerify"); }

  std::vector<Row> rows() {
    std::vector<Row> result;
    for (int i = 0; i < list().topLevelItemCount(); ++i) {
      const QTreeWidgetItem& row = *list().topLevelItem(i);
      result.push_back({row.text(0).toStdString(), row.text(1).toStdString(), row.text(2).toStdString()});
    }
    return result;
  }
  std::vector<std::string> statuses() {
    std::vector<std::string> result;
    for (const Row& row : rows()) result.push_back(row.status);
    return result;
  }
  void select(int row) {
    const QRect cell = list().visualItemRect(list().topLevelItem(row));
    QTest::mouseClick(list().viewport(), Qt::LeftButton, {}, cell.center());
  }

  testing::TempDir temp;
  LocalHttpServer server;
  i18n::StringService strings;
  core::Project project;
  core::KeyedCollection<std::string> history;
  std::vector<core::ImageItem> images;
  std::unique_ptr<frmVerifyLinks> window;
};

TEST_F(VerifyLinksTest, ARunGivesEveryRowItsStatus) {
  server.answer("/missing.html", {404});
  server.answer("/broken.html", {500});
  server.answer("/moved.html", {302, "/ok.html"});
  server.answer("/dir", {301, "/dir/"});
  server.answer("/dir/", {200});
  std::filesystem::create_directories(temp.path() / "gallery");
  std::filesystem::create_directories(temp.path() / "Pages");
  const std::string a1 = temp.file("a1.jpg");
  touch(a1);
  touch(temp.file("gallery/x.jpg"));
  touch(temp.file("Pages/Index.html"));
  touch(temp.file("doc.pdf"));
  touch(temp.file("cell.png"));
  const std::string refused = LocalHttpServer::refusedUrl("/a.html").toStdString();

  addImage(a1, server.url("/ok.html").toStdString());
  addImage(temp.file("gone.jpg"), server.url("/missing.html").toStdString());
  addImage("", server.url("/broken.html").toStdString());
  addImage(a1, server.url("/moved.html").toStdString());
  addImage("", server.url("/dir/").toStdString());
  addImage("", refused);
  // Tested, and refused: the server does not speak TLS.
  const std::string secure = server.url("/ok.html").replace("http://", "HTTPS://").toStdString();
  addImage("", secure);
  addImage(temp.file("x.jpg"), "gallery/%");
  addImage("", "Pages/Index.html");
  addImage("", "nothere.html");
  addImage("", "file://" + temp.file("doc.pdf"));
  addImage("", "notes.txt");
  addImage(a1, "");
  project.settings.homeUrl = server.url("/dir").toStdString();
  project.settings.pageBackImage = temp.file("page.png");
  project.settings.cellBackImage = temp.file("cell.png");
  project.settings.baseUrl = temp.path().string();
  open();
  const std::string found = "Validated";
  const std::string notFound = "URL not found";
  const std::vector<Row> expected = {
      {"image", a1, found},
      {"url", server.url("/ok.html").toStdString(), found},
      {"image", temp.file("gone.jpg"), "Image not found"},
      {"url", server.url("/missing.html").toStdString(), notFound},
      {"url", server.url("/broken.html").toStdString(), notFound},
      {"image", a1, found},
      // Sent elsewhere.
      {"url", server.url("/moved.html").toStdString(), notFound},
      // Tested without its "/", and sent back to it.
      {"url", server.url("/dir/").toStdString(), found},
      {"url", refused, notFound},
      {"url", secure, notFound},
      {"image", temp.file("x.jpg"), "Image not found"},
      {"url", "gallery/x.jpg", found},
      // Resolved in lower case, found in the case it has on disk.
      {"url", "Pages/Index.html", found},
      {"url", "nothere.html", "Link (file)not found"},
      {"url", "file://" + temp.file("doc.pdf"), found},
      {"url", "notes.txt", "Link not found"},
      {"image", a1, found},
      {"url", server.url("/dir").toStdString(), found},
      {"image", temp.file("page.png"), "Image not found"},
      {"image", temp.file("cell.png"), found},
  };
  EXPECT_EQ(statuses(), std::vector<std::string>(expected.size(), "Not verified"));
  verify();
  EXPECT_EQ(rows(), expected);
  EXPECT_FALSE(window->isChecking());
  EXPECT_FALSE(child<QPushButton>("cmdStop").isVisible());
  EXPECT_EQ(server.requests().value(0), "GET /probe");
  testing::saveScreenshot(*window, "linkcheck_after_run_en");

  mlruntime::LanguageSupport announcer;
  announcer.raiseLanguageChanged(i18n::kGermanDe, "German (Germany)");
  const auto german = [this](int id) { return strings.loadMlString(id); };
  EXPECT_EQ(window->windowTitle().toStdString(), german(14));
  EXPECT_EQ(rows()[0], (Row{german(187), a1, german(189)}));
  EXPECT_EQ(rows()[3].status, german(192));
  EXPECT_EQ(list().headerItem()->text(1).toStdString(), german(21));
  testing::saveScreenshot(*window, "linkcheck_after_run_de");
}

TEST_F(VerifyLinksTest, TheProbeAddressComesFromTheEnvironment) {
  addImage("", server.url("/ok.html").toStdString());
  // Given as a folder address, with a trailing "/".
  setenv("VELVARA_PROBE_URL", server.url("/probe/").toUtf8().constData(), 1);
  project.images.replaceAfterLoad(images);
  window = std::make_unique<frmVerifyLinks>(project, history, strings);
  unsetenv("VELVARA_PROBE_URL");
  window->fillList();
  verify();
  EXPECT_EQ(server.requests(), (QList<QByteArray>{"GET /probe", "GET /ok.html"}));
  EXPECT_EQ(probeAddress(), kDefaultProbeUrl);
}

TEST_F(VerifyLinksTest, WithoutLinksOnlyTheFileIsChecked) {
  touch(temp.file("a.jpg"));
  addImage(temp.file("a.jpg"), "");
  open();
  verify();
  EXPECT_EQ(rows(), (std::vector<Row>{{"image", temp.file("a.jpg"), "Validated"}}));
  EXPECT_TRUE(server.requests().isEmpty());
}

TEST_F(VerifyLinksTest, AFailingProbeLeavesWebAddressesNotVerifiedAndStillChecksFiles) {
  strings.setCurrentLanguage(i18n::kGermanDe);
  touch(temp.file("a.jpg"));
  addImage(temp.file("a.jpg"), server.url("/ok.html").toStdString());
  addImage("", LocalHttpServer::refusedUrl("/page.html").toStdString());
  addImage("", "FILE:///C:/a.htm");
  addImage("", "pages/b.html");
  addImage("", "photo.jpg");
  open(LocalHttpServer::refusedUrl("/probe"));
  verify();
  const std::string notVerified = strings.loadMlString(188);
  EXPECT_EQ(notVerified, "Nicht geprüft");
  const std::string relative = "Relative URL: not verifyed";
  EXPECT_EQ(statuses(), (std::vector<std::string>{strings.loadMlString(189), notVerified, notVerified, relative,
                                                  relative, strings.loadMlString(193)}));
  EXPECT_TRUE(server.requests().isEmpty());

  // A web base address: relative links to other files point into the web.
  child<QLineEdit>("txtBaseUrl").setText(QStringLiteral("http://127.0.0.1\\gallery\\"));
  verify();
  EXPECT_EQ(project.settings.baseUrl, "http://127.0.0.1/gallery/");
  EXPECT_EQ(child<QLineEdit>("txtBaseUrl").text(), "http://127.0.0.1/gallery/");
  EXPECT_EQ(statuses()[3], notVerified);
  EXPECT_EQ(statuses()[5], strings.loadMlString(248));
}

TEST_F(VerifyLinksTest, OnlyTheBaseIsFoundWithoutRegardToCase) {
  std::filesystem::create_directories(temp.path() / "Site" / "Pages");
  touch(temp.file("Site/Pages/index.html"));
  touch(temp.file("Site/Pages/photo.jpg"));
  for (const char* link :
       {"Pages/index.html", "pages/index.HTML", "Pages/photo.jpg", "PAGES/PHOTO.JPG", "Pages/../Pages/photo.jpg"}) {
    addImage("", link);
  }
  // The resolver hands the base back in lower case; the folder on disk is "Site".
  project.settings.baseUrl = temp.file("SITE");
  open();
  verify();
  EXPECT_EQ(statuses(), (std::vector<std::string>{"Validated", "Link (file)not found", "Validated", "Link not found",
                                                  "Validated"}));

  // Another file beside a web page is in the web, with either scheme.
  for (const char* base : {"http://127.0.0.1/gallery/", "https://127.0.0.1/gallery/"}) {
    SCOPED_TRACE(base);
    child<QLineEdit>("txtBaseUrl").setText(QString::fromLatin1(base));
    verify();
    EXPECT_EQ(statuses()[3], "External link: not verifyed");
  }
}

TEST_F(VerifyLinksTest, TheProbeWaitsFiveSecondsAndEveryOtherAddressThree) {
  struct Case {
    const char* probe;
    std::chrono::milliseconds limit;
    std::string linkStatus;
  };
  server.answer("/silent-probe", LocalHttpServer::Answer::never());
  server.answer("/silent.html", LocalHttpServer::Answer::never());
  for (const Case& c : {Case{"/silent-probe", std::chrono::seconds(5), "Not verified"},
                        Case{"/probe", std::chrono::seconds(3), "URL not found"}}) {
    SCOPED_TRACE(c.probe);
    StepClock clock;
    server.onRequest = [&clock](const QByteArray& path) { clock.running = path.startsWith("/silent"); };
    images.clear();
    addImage("", server.url("/silent.html").toStdString());
    open(server.url(c.probe), &clock);
    verify();
    EXPECT_EQ(statuses(), std::vector<std::string>{c.linkStatus});
    EXPECT_GT(clock.elapsed, c.limit);
    EXPECT_LE(clock.elapsed, c.limit + clock.step);
  }
}

TEST_F(VerifyLinksTest, StopEndsTheTestAtOnceAndTheRunAfterThatRow) {
  server.answer("/slow.html", LocalHttpServer::Answer::never());
  touch(temp.file("a.jpg"));
  addImage(temp.file("a.jpg"), server.url("/slow.html").toStdString());
  addImage(temp.file("a.jpg"), server.url("/ok.html").toStdString());
  open();
  bool stopShown = false;
  server.onRequest = [this, &stopShown](const QByteArray& path) {
    if (path != "/slow.html") return;
    stopShown = child<QPushButton>("cmdStop").isVisible();
    testing::saveScreenshot(*window, "linkcheck_running_en");
    EXPECT_FALSE(child<QPushButton>("cmdVerify").isEnabled());
    EXPECT_FALSE(child<QPushButton>("cmdEdit").isEnabled());
    EXPECT_FALSE(child<QPushButton>("cmdExit").isEnabled());
    QTimer::singleShot(0, [this] { click("cmdStop"); });
  };
  QElapsedTimer elapsed;
  elapsed.start();
  verify();
  EXPECT_LT(elapsed.elapsed(), 2500);
  EXPECT_TRUE(stopShown);
  EXPECT_EQ(statuses(), (std::vector<std::string>{"Validated", "Not verified", "Not verified", "Not verified"}));
  EXPECT_FALSE(child<QPushButton>("cmdStop").isVisible());
  EXPECT_TRUE(child<QPushButton>("cmdVerify").isEnabled());

  server.onRequest = {};
  server.answer("/slow.html", {200});
  verify();
  EXPECT_EQ(statuses(), std::vector<std::string>(4, "Validated"));
}

TEST_F(VerifyLinksTest, TheCloseBoxIsRefusedDuringARunAndStoresNoBaseAddress) {
  server.answer("/slow.html", LocalHttpServer::Answer::never());
  addImage("", server.url("/slow.html").toStdString());
  project.settings.baseUrl = "www.base.org\\\\pages";
  open();
  EXPECT_EQ(child<QLineEdit>("txtBaseUrl").text(), "http://www.base.org//pages");
  bool stayedOpen = false;
  QStringList offeredDuringRun;
  server.onRequest = [this, &stayedOpen, &offeredDuringRun](const QByteArray& path) {
    if (path != "/slow.html") return;
    QTimer::singleShot(0, [this, &stayedOpen, &offeredDuringRun] {
      window->close();
      QTest::keyClick(window.get(), Qt::Key_Escape);
      stayedOpen = window->isVisible();
      // Nor can a screen reader press the disabled buttons: Qt offers it no
      // action on them (it does on a disabled window's menu items).
      for (const char* name : {"cmdVerify", "cmdEdit", "cmdExit"}) {
        offeredDuringRun
            << QAccessible::queryAccessibleInterface(&child<QPushButton>(name))->actionInterface()->actionNames();
      }
      click("cmdStop");
    });
  };
  verify();
  EXPECT_TRUE(stayedOpen);
  EXPECT_TRUE(offeredDuringRun.isEmpty()) << offeredDuringRun.join(", ").toStdString();
  EXPECT_EQ(project.settings.baseUrl, "http://www.base.org//pages");

  child<QLineEdit>("txtBaseUrl").setText(QStringLiteral("C:\\edited"));
  EXPECT_TRUE(window->close());
  EXPECT_EQ(project.settings.baseUrl, "http://www.base.org//pages");

  open();
  child<QLineEdit>("txtBaseUrl").setText(QStringLiteral("C:\\edited"));
  click("cmdExit");
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(project.settings.baseUrl, "C:\\edited");
}

TEST_F(VerifyLinksTest, EditChangesTheLinkOfAPageRowAndNothingElse) {
  touch(temp.file("a.jpg"));
  addImage(temp.file("a.jpg"), "old.html");
  addImage(temp.file("a.jpg"), "photos/%");
  project.settings.homeUrl = "home.htm";
  open();
  verify();
  ASSERT_EQ(statuses()[4], "Relative URL: not verifyed");

  struct Case {
    int row;
    QString typed;
    bool opens;
    std::string target;
  };
  const std::vector<Case> cases = {
      {4, "  www.example.org/home.html", true, "www.example.org/home.html"},
      {1, "http://127.0.0.1/new.html", true, "http://127.0.0.1/new.html"},
      {0, "http://127.0.0.1/image.html", false, temp.file("a.jpg")},
      {3, "http://127.0.0.1/photo.html", false, "photos/a.jpg"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.row);
    select(c.row);
    const auto opened = testing::answerNextUrlDialog(testing::typeAndPress(c.typed, "cmdOK"));
    click("cmdEdit");
    QApplication::processEvents();
    EXPECT_EQ(*opened, c.opens);
    EXPECT_EQ(rows()[c.row].target, c.target);
  }
  EXPECT_EQ(project.settings.homeUrl, "http://www.example.org/home.html");
  EXPECT_EQ(rows()[4].status, "Not verified");
  EXPECT_EQ(project.images.item(0).linkUrl, "http://127.0.0.1/new.html");
  EXPECT_EQ(project.images.item(1).linkUrl, "photos/%");
  EXPECT_TRUE(history.contains("www.example.org/home.html"));
  EXPECT_EQ(history.size(), 2u);
}

// Links and the base address stay whole however long they are.
TEST_F(VerifyLinksTest, EditingKeepsTheLinkAsTypedBesideRememberedOnesAndWhole) {
  const std::string longLink = "pages/" + std::string(40000, 'x') + ".html";
  addImage("", "pages/Page.HTML");
  addImage("", "pages/page.html");
  addImage("", "pages/other.html");
  addImage("", longLink);
  project.settings.baseUrl = "http://127.0.0.1/" + std::string(40000, 'b');
  history.add("pages/Page.HTML", "pages/Page.HTML");
  history.add("pages/long/path.html", "pages/long/path.html");
  open();
  // In the address box, as a user: click, then Enter (the dialog's OK) on
  // the address as it is, or type and click OK.
  const auto type = [](const QString& text) {
    return [text](frmGetString& dialog) {
      QApplication::setActiveWindow(&dialog);
      QLineEdit& edit = *testing::urlCombo(dialog).lineEdit();
      QTest::mouseClick(&edit, Qt::LeftButton);
      if (text.isNull()) {
        QTest::keyClick(&edit, Qt::Key_Return);
        return;
      }
      QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
      QTest::keyClicks(&edit, text);
      QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    };
  };
  struct Case {
    int row;
    QString typed;
    std::string link;
  };
  // The link unchanged beside one differing only in case, and the start of a
  // remembered address.
  for (const Case& c :
       {Case{1, QString(), "pages/page.html"}, Case{2, "pages/long", "pages/long"}, Case{3, QString(), longLink}}) {
    SCOPED_TRACE(c.row);
    select(c.row);
    const auto opened = testing::answerNextUrlDialog(type(c.typed));
    click("cmdEdit");
    EXPECT_TRUE(*opened);
    EXPECT_EQ(project.images.item(c.row).linkUrl, c.link);
    EXPECT_EQ(rows()[c.row].target, c.link);
  }
  EXPECT_EQ(project.images.item(0).linkUrl, "pages/Page.HTML");
  click("cmdExit");
  EXPECT_EQ(project.settings.baseUrl.size(), 40017u);
}

TEST_F(VerifyLinksTest, TheListFollowsTheRunUntilTheUserScrollsAway) {
  std::filesystem::create_directories(temp.path() / "photos");
  touch(temp.file("p.jpg"));
  touch(temp.file("photos/p.jpg"));
  for (int i = 0; i < 500; ++i) addImage(temp.file("p.jpg"), "photos/%");
  project.settings.baseUrl = temp.path().string();
  open();
  QApplication::setActiveWindow(window.get());
  const auto shown = [this](int row) {
    return list().viewport()->rect().intersects(list().visualItemRect(list().topLevelItem(row)));
  };
  // The row being checked: the first whose status the run has not set yet.
  const auto checking = [this] {
    const std::vector<std::string> all = statuses();
    return static_cast<int>(std::find(all.begin(), all.end(), "Not verified") - all.begin());
  };
  // Watches the run between rows; at row 200 the user may page up.
  int looks = 0;
  int unseen = -1;
  bool pageUp = false;
  QTimer watcher;
  QObject::connect(&watcher, &QTimer::timeout, [&] {
    const int row = checking();
    if (!window->isChecking() || row >= list().topLevelItemCount()) return;
    ++looks;
    if (pageUp && row >= 200) {
      pageUp = false;
      QScrollBar& bar = *list().verticalScrollBar();
      // Above the handle, below the arrow: one page up.
      QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(bar.width() / 2, bar.width() + 4));
      return;
    }
    if (row > 0 && !shown(row - 1) && unseen < 0) unseen = row - 1;
  });
  watcher.start(0);
  verify();
  EXPECT_GT(looks, 100);
  EXPECT_EQ(unseen, -1);
  EXPECT_TRUE(shown(999));

  list().scrollToTop();
  pageUp = true;
  verify();
  const int top = list().indexAt(QPoint(1, 1)).row();
  EXPECT_GT(top, 0);
  EXPECT_LT(top, 200);
  EXPECT_FALSE(shown(999));
}

TEST_F(VerifyLinksTest, ALongRunStaysLiveAndChecksFilesQuickly) {
  constexpr int kImages = 2000;

  std::filesystem::create_directories(temp.path() / "photos");
  touch(temp.file("p.jpg"));
  touch(temp.file("photos/p.jpg"));
  for (int i = 0; i < kImages; ++i) addImage(temp.file("p.jpg"), "photos/%");
  project.settings.baseUrl = temp.path().string();
  open();
  int ticks = 0;
  QTimer ticker;
  QObject::connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
  ticker.start(1);
  QElapsedTimer elapsed;
  elapsed.start();
  verify();
  const double msPerHundredRows = elapsed.elapsed() * 100.0 / (2 * kImages);
  std::cout << "link check: " << msPerHundredRows << " ms per hundred rows\n";
  EXPECT_LT(msPerHundredRows, 250.0);
  EXPECT_GT(ticks, 0);
  EXPECT_EQ(statuses(), std::vector<std::string>(2 * kImages, "Validated"));
}

}  // namespace
}  // namespace velvara::linkcheck
