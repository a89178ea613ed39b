// Navigations against a server on 127.0.0.1: what completes, what fails with
// which status, where the browser ends up, and that it asks for nothing but
// the address itself and the addresses it is redirected to.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSignalSpy>

#include "platform/browser/WebBrowser.h"
#include "tests/support/qt/LocalHttpServer.h"

namespace velvara::browser {
namespace {

using testing::LocalHttpServer;

struct Outcome {
  bool completed = false;
  bool failed = false;
  int status = -1;
  QString reported;
};

// Runs the event loop until the browser reports, or for at most a few seconds.
Outcome navigateAndWait(WebBrowser& browser, const QString& address) {
  Outcome outcome;
  const auto onComplete = QObject::connect(&browser, &WebBrowser::navigateComplete, [&](const QString& url) {
    outcome.completed = true;
    outcome.reported = url;
  });
  const auto onError = QObject::connect(&browser, &WebBrowser::navigateError, [&](const QString& url, int status) {
    outcome.failed = true;
    outcome.status = status;
    outcome.reported = url;
  });
  browser.navigate(address);
  QElapsedTimer waited;
  waited.start();
  while (!outcome.completed && !outcome.failed && waited.elapsed() < 5000) {
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
  }
  QObject::disconnect(onComplete);
  QObject::disconnect(onError);
  return outcome;
}

// Plain answers, redirects to the same and to another page are also run
// through the link checker's tests; here are the rest, and the addresses.
TEST(WebBrowserTest, ReportsCompletionOrErrorWithStatusAndTheFinalAddress) {
  LocalHttpServer server;
  server.answer("/ok", {200});
  server.answer("/empty", {204});
  server.answer("/moved", {302, "/ok"});
  server.answer("/loop", {302, "/loop"});
  server.answer("/gone-away", {301, "/missing"});
  struct Case {
    QString address;
    bool completed;
    int status;
    QString location;
  };
  const std::vector<Case> cases = {
      {server.url("/ok"), true, -1, server.url("/ok")},
      {server.url("/empty"), true, -1, server.url("/empty")},
      {server.url("/moved"), true, -1, server.url("/ok")},
      {server.url("/gone-away"), false, 404, ""},
      {server.url("/loop"), false, 302, ""},
      {LocalHttpServer::refusedUrl("/x"), false, 0, ""},
      {QStringLiteral("ftp://127.0.0.1/x"), false, 0, ""},
      {QStringLiteral("not an address"), false, 0, ""},
  };
  WebBrowser browser;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.address.toStdString());
    const Outcome outcome = navigateAndWait(browser, c.address);
    EXPECT_EQ(outcome.completed, c.completed);
    EXPECT_EQ(outcome.failed, !c.completed);
    EXPECT_EQ(outcome.status, c.status);
    EXPECT_EQ(browser.locationUrl(), c.location);
    EXPECT_EQ(outcome.reported, c.completed ? c.location : c.address);
    EXPECT_FALSE(browser.busy());
  }
}

TEST(WebBrowserTest, GetsOnlyTheAddressAndWhereItIsSent) {
  LocalHttpServer server;
  server.answer("/moved", {302, "/target"});
  server.answer("/target", {200});
  WebBrowser browser;
  ASSERT_TRUE(navigateAndWait(browser, server.url("/moved")).completed);
  EXPECT_EQ(server.requests(), (QList<QByteArray>{"GET /moved", "GET /target"}));
}

TEST(WebBrowserTest, AnAbandonedNavigationReportsNothing) {
  LocalHttpServer server;
  server.answer("/silent", LocalHttpServer::Answer::never());
  server.answer("/ok", {200});
  WebBrowser browser;
  ASSERT_TRUE(navigateAndWait(browser, server.url("/ok")).completed);

  QSignalSpy completions(&browser, &WebBrowser::navigateComplete);
  QSignalSpy errors(&browser, &WebBrowser::navigateError);
  browser.navigate(server.url("/silent"));
  browser.stop();
  EXPECT_FALSE(browser.busy());
  // An address that fails at once, replaced before its failure is reported.
  browser.navigate(QStringLiteral("ftp://127.0.0.1/x"));
  const Outcome last = navigateAndWait(browser, server.url("/ok"));
  EXPECT_TRUE(last.completed);
  QCoreApplication::processEvents();
  EXPECT_EQ(completions.count(), 1);
  EXPECT_EQ(errors.count(), 0);

  // Stopping keeps the document that was shown.
  browser.navigate(server.url("/silent"));
  browser.stop();
  EXPECT_EQ(browser.locationUrl(), server.url("/ok"));
}

// Every message Qt prints while it lives; the previous handler comes back
// with the end of the recording.
class QtMessages {
 public:
  QtMessages() { previous_ = qInstallMessageHandler(&QtMessages::record); }
  ~QtMessages() { qInstallMessageHandler(previous_); }
  static inline QStringList recorded;

 private:
  static void record(QtMsgType, const QMessageLogContext&, const QString& text) { recorded << text; }
  QtMessageHandler previous_ = nullptr;
};

// The program's end is checked with this test too: its program is run once
// more alone, and nothing may appear on its error output (tests/CMakeLists.txt).
TEST(WebBrowserTest, FailedNavigationsPrintNothing) {
  LocalHttpServer server;
  server.answer("/ok", {200});
  server.answer("/server-error", {500});
  server.answer("/gone-away", {301, "/missing"});
  server.answer("/loop", {302, "/loop"});
  WebBrowser browser;
  QtMessages messages;
  const QString secure = LocalHttpServer::refusedUrl("/x").replace("http://", "https://");
  for (const QString& address : {server.url("/missing"), server.url("/server-error"), server.url("/gone-away"),
                                 server.url("/loop"), LocalHttpServer::refusedUrl("/x"), secure}) {
    SCOPED_TRACE(address.toStdString());
    EXPECT_TRUE(navigateAndWait(browser, address).failed);
  }
  EXPECT_TRUE(QtMessages::recorded.isEmpty()) << QtMessages::recorded.join('\n').toStdString();
}

}  // namespace
}  // namespace velvara::browser
