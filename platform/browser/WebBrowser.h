#pragma once
// What the link checker asks of a web browser: navigate to an address, say
// whether the navigation completed or failed (with the HTTP status, 0 for a
// network error), and tell the address of the document it ended at.
//
// A navigation is one GET of the address, redirects followed. It completes as
// soon as the final answer's headers arrive with a status below 400; the body
// is never read. Every browser of the program shares one network manager.
#include <QObject>
#include <QPointer>
#include <QString>

class QNetworkReply;

namespace velvara::browser {

class WebBrowser : public QObject {
  Q_OBJECT

 public:
  explicit WebBrowser(QObject* parent = nullptr);
  ~WebBrowser() override;

  // Starts a navigation; one still running is abandoned first. Its outcome
  // is always reported later, from the event loop, never from inside this
  // call.
  void navigate(const QString& address);

  // Abandons the running navigation; nothing is reported for it.
  void stop();

  bool busy() const;

  // The address of the document shown: where the last completed navigation
  // ended, as it was asked for when no redirect happened. A failed navigation
  // shows no document, so the location is empty afterwards; a stopped one
  // leaves the document before it.
  QString locationUrl() const { return location_; }

 signals:
  void navigateComplete(const QString& address);
  void navigateError(const QString& address, int statusCode);

 private:
  void onHeaders();
  void onFinished();
  void complete();
  void fail(int statusCode);
  void release();

  QPointer<QNetworkReply> reply_;
  QString requested_;
  bool redirected_ = false;
  // Counts navigations, so a queued report of an abandoned one is dropped.
  quint64 generation_ = 0;
  QString location_;
};

}  // namespace velvara::browser
