#include "loopbackserver.h"

#include <QHostAddress>

LoopbackServer::LoopbackServer()
{
    m_server.listen(QHostAddress::LocalHost);
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            socket->setParent(this);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { Read(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

QString LoopbackServer::Address(const QString &path) const
{
    return QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path);
}

void LoopbackServer::Release()
{
    m_held.clear();
    const auto waiting = std::exchange(m_waiting, {});
    for (const auto &[socket, path] : waiting) {
        if (socket)
            Answer(socket, path);
    }
}

void LoopbackServer::Read(QTcpSocket *socket)
{
    // One request per connection is enough: every answer closes it.
    if (socket->property("answered").toBool() || !socket->canReadLine())
        return;
    const QList<QByteArray> requestLine = socket->readLine().trimmed().split(' ');
    socket->setProperty("answered", true);
    const QString path = requestLine.size() >= 2 ? QString::fromLatin1(requestLine[1]) : QString();
    m_requests.append(path);
    if (m_held.contains(path))
        m_waiting.append({socket, path});
    else
        Answer(socket, path);
}

void LoopbackServer::Answer(QTcpSocket *socket, const QString &path)
{
    const auto page = m_titles.constFind(path);
    const QByteArray status = page != m_titles.cend() ? "200 OK" : "404 Not Found";
    const QString title = page != m_titles.cend() ? *page : QStringLiteral("Not Found");
    const QByteArray body = QStringLiteral("<!DOCTYPE html><html><head><title>%1</title></head>"
                                           "<body><h1>%1</h1><p>Served from %2 for the browser test.</p>"
                                           "</body></html>")
                                .arg(title, path)
                                .toUtf8();
    socket->write("HTTP/1.1 " + status +
                  "\r\nContent-Type: text/html; charset=utf-8\r\nCache-Control: no-store\r\n"
                  "Connection: close\r\nContent-Length: " +
                  QByteArray::number(body.size()) + "\r\n\r\n" + body);
    socket->disconnectFromHost();
}
