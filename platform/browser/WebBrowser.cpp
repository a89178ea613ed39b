#include "platform/browser/WebBrowser.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

namespace velvara::browser {
namespace {

constexpr int kMaximumRedirects = 20;

QPointer<QNetworkAccessManager>& sharedManager() {
  static QPointer<QNetworkAccessManager> manager;
  return manager;
}

// One manager for the whole program. It goes first thing when the
// application object is destroyed: its worker thread closes the connections
// it keeps on the way out, which needs the application object still there.
QNetworkAccessManager& sharedNetworkAccess() {
  QPointer<QNetworkAccessManager>& manager = sharedManager();
  if (!manager) {
    manager = new QNetworkAccessManager(QCoreApplication::instance());
    qAddPostRoutine([] { delete sharedManager().data(); });
  }
  return *manager;
}

int httpStatus(const QNetworkReply& reply) { return reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(); }

QNetworkRequest requestFor(const QUrl& url) {
  QNetworkRequest request(url);
  request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
  request.setMaximumRedirectsAllowed(kMaximumRedirects);
  // Every check asks the server itself, and leaves nothing behind.
  request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
  request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
  request.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);
  request.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);
  request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Velvara link check"));
  return request;
}

}  // namespace

WebBrowser::WebBrowser(QObject* parent) : QObject(parent) {}

WebBrowser::~WebBrowser() { release(); }

bool WebBrowser::busy() const { return reply_ != nullptr; }

void WebBrowser::navigate(const QString& address) {
  stop();
  requested_ = address;
  redirected_ = false;
  const QUrl url(address);
  const QString scheme = url.scheme().toLower();
  if (!url.isValid() || url.host().isEmpty() || (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
    const quint64 generation = generation_;
    QMetaObject::invokeMethod(
        this,
        [this, generation] {
          if (generation == generation_) fail(0);
        },
        Qt::QueuedConnection);
    return;
  }
  reply_ = sharedNetworkAccess().get(requestFor(url));
  connect(reply_, &QNetworkReply::redirected, this, [this] { redirected_ = true; });
  connect(reply_, &QNetworkReply::metaDataChanged, this, &WebBrowser::onHeaders);
  connect(reply_, &QNetworkReply::finished, this, &WebBrowser::onFinished);
}

void WebBrowser::stop() {
  ++generation_;
  release();
}

void WebBrowser::release() {
  if (!reply_) return;
  QNetworkReply* reply = reply_;
  reply_ = nullptr;
  reply->disconnect(this);
  // Deleting a reply ends its request quietly. Aborting one whose headers
  // have already told of a failure would have the failure reported twice
  // once its body arrives, which the network code complains about.
  reply->deleteLater();
}

void WebBrowser::onHeaders() {
  if (!reply_) return;
  const int status = httpStatus(*reply_);
  if (status == 0) return;
  // An answer that sends the browser on: the manager follows it, or fails.
  if (status >= 300 && status < 400 && reply_->hasRawHeader("Location")) return;
  if (status >= 400) {
    fail(status);
  } else {
    complete();
  }
}

void WebBrowser::onFinished() {
  if (!reply_) return;
  if (reply_->error() != QNetworkReply::NoError) {
    fail(httpStatus(*reply_));
  } else {
    complete();
  }
}

void WebBrowser::complete() {
  location_ = redirected_ ? reply_->url().toString() : requested_;
  release();
  emit navigateComplete(location_);
}

void WebBrowser::fail(int statusCode) {
  location_.clear();
  release();
  emit navigateError(requested_, statusCode);
}

}  // namespace velvara::browser
