#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>

// A tiny HTTP server on 127.0.0.1 for the browser tests: it answers GET with
// small pages named by their <title>, and can hold a page's answer back until
// told, so that a load stays unfinished for as long as a test needs.
class LoopbackServer final : public QObject
{
    Q_OBJECT
public:
    LoopbackServer();

    bool IsListening() const { return m_server.isListening(); }
    QString Address(const QString &path) const;
    void AddPage(const QString &path, const QString &title) { m_titles.insert(path, title); }
    QString Title(const QString &path) const { return m_titles.value(path); }

    // Requests for path wait unanswered until Release().
    void Hold(const QString &path) { m_held.append(path); }
    void Release();

    // Paths requested so far, in order.
    const QStringList &Requests() const { return m_requests; }
    int RequestCount(const QString &path) const { return static_cast<int>(m_requests.count(path)); }

private:
    void Read(QTcpSocket *socket);
    void Answer(QTcpSocket *socket, const QString &path);

    QTcpServer m_server;
    QHash<QString, QString> m_titles;
    QStringList m_held;
    QStringList m_requests;
    QList<QPair<QPointer<QTcpSocket>, QString>> m_waiting;
};
