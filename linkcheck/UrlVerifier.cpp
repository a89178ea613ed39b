#include "linkcheck/UrlVerifier.h"

#include <QCoreApplication>
#include <QTimer>

namespace velvara::linkcheck {
namespace {

// How often the wait wakes up when nothing else happens.
constexpr int kPollIntervalMs = 10;

}  // namespace

UrlVerifier::UrlVerifier(Clock& clock, std::function<bool()> stopRequested)
    : clock_(clock), stopRequested_(std::move(stopRequested)) {
  QObject::connect(&web_, &browser::WebBrowser::navigateComplete, [this] { navigationDone_ = true; });
  QObject::connect(&web_, &browser::WebBrowser::navigateError, [this] {
    navigationDone_ = true;
    navigationFailed_ = true;
    checkStatus_ = CheckStatus::NavigationError;
  });
}

bool UrlVerifier::verifyUrl(const std::string& urlToVerify, int timerLimitSeconds) {
  navigationDone_ = false;
  navigationFailed_ = false;
  checkStatus_ = CheckStatus::Valid;
  QString requested = QString::fromStdString(urlToVerify);
  if (requested.startsWith(QLatin1String("www."))) requested.prepend(QLatin1String("http://"));

  QTimer wakeUp;
  wakeUp.start(kPollIntervalMs);
  web_.navigate(requested);
  const auto started = clock_.now();
  const auto limit = std::chrono::seconds(timerLimitSeconds);
  for (;;) {
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    if (stopRequested_()) {
      web_.stop();
      return false;
    }
    if (navigationDone_) break;
    if (clock_.now() - started > limit) break;
  }
  // A navigation still running after the limit is given up.
  web_.stop();

  if (!navigationFailed_) {
    QString shown = web_.locationUrl();
    if (shown.endsWith('/')) shown.chop(1);
    if (shown.compare(requested, Qt::CaseInsensitive) != 0) checkStatus_ = CheckStatus::NotValid;
  }
  return checkStatus_ == CheckStatus::Valid;
}

}  // namespace velvara::linkcheck
