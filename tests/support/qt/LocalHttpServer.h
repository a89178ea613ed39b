#pragma once
// A small HTTP server on 127.0.0.1 for the tests of the browser and the link
// checker: each path gets a fixed answer (a status, perhaps a Location, or
// no answer at all), and every request is recorded. It runs on the test's
// own event loop, so it answers while the code under test waits.
#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QMap>
#include <QTcpServer>
#include <QTcpSocket>
#include <functional>
#include <ostream>
#include <utility>

namespace velvara::testing {

class LocalHttpServer {
 public:
  struct Answer {
    Answer(int status = 200, QByteArray location = {}) : status(status), location(std::move(location)) {}
    // Accepts the request and never answers it.
    static Answer never() {
      Answer answer;
      answer.silent = true;
      return answer;
    }
    int status;
    // A path on this server or a full address.
    QByteArray location;
    bool silent = false;
  };

  LocalHttpServer() {
    server_.listen(QHostAddress::LocalHost);
    QObject::connect(&server_, &QTcpServer::newConnection, [this] {
      while (QTcpSocket* socket = server_.nextPendingConnection()) {
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { serve(*socket); });
        QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
      }
    });
  }

  QString url(const QString& path) const {
    return QStringLiteral("http://127.0.0.1:%1%2").arg(server_.serverPort()).arg(path);
  }

  // Paths without an answer of their own get 404.
  void answer(const QByteArray& path, Answer answer) { answers_[path] = answer; }

  // "GET /path" for every request, in the order they came.
  const QList<QByteArray>& requests() const { return requests_; }

  // Called with the path of each request before it is answered.
  std::function<void(const QByteArray& path)> onRequest;

  // An address on which nothing listens, so a connection is refused.
  static QString refusedUrl(const QString& path) {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    const quint16 port = probe.serverPort();
    probe.close();
    return QStringLiteral("http://127.0.0.1:%1%2").arg(port).arg(path);
  }

 private:
  void serve(QTcpSocket& socket) {
    QByteArray& pending = buffers_[&socket];
    pending += socket.readAll();
    if (!pending.contains("\r\n\r\n")) return;
    const QList<QByteArray> requestLine = pending.left(pending.indexOf("\r\n")).split(' ');
    buffers_.remove(&socket);
    const QByteArray method = requestLine.value(0);
    const QByteArray path = requestLine.value(1);
    requests_.append(method + ' ' + path);
    if (onRequest) onRequest(path);
    const Answer reply = answers_.value(path, Answer{404});
    if (reply.silent) return;
    const QByteArray body = "<html><body>" + path + "</body></html>";
    QByteArray response = "HTTP/1.1 " + QByteArray::number(reply.status) + " Answer\r\n";
    if (!reply.location.isEmpty()) response += "Location: " + reply.location + "\r\n";
    response += "Content-Type: text/html\r\nContent-Length: " + QByteArray::number(body.size()) +
                "\r\nConnection: close\r\n\r\n" + body;
    socket.write(response);
    socket.disconnectFromHost();
  }

  QTcpServer server_;
  QMap<QByteArray, Answer> answers_;
  QMap<QTcpSocket*, QByteArray> buffers_;
  QList<QByteArray> requests_;
};

}  // namespace velvara::testing

// Failures show addresses as text.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
