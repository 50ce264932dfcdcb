#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QTcpServer>
#include <QUrl>

class QTcpSocket;

// A small HTTP/1.1 server on 127.0.0.1 for tests: each path answers with the status,
// headers and body it was given; unknown paths answer 404. Connections are kept alive
// unless a body's end is marked by closing. Paths can be held, so a test can look at a
// request while it is in flight.
class LocalHttpServer : public QObject
{
    Q_OBJECT

public:
    struct Reply
    {
        int status = 200;
        QByteArray body;
        QList<std::pair<QByteArray, QByteArray>> headers;
        // Without a length the body ends when the connection closes.
        bool declareLength = true;
        // An undeclared body left open never ends: the client must stop reading by itself.
        bool closeAfterBody = true;
    };

    explicit LocalHttpServer(QObject *parent = nullptr);
    ~LocalHttpServer() override;

    // On a free port; false when no port could be had.
    bool listen();
    QUrl url(const QString &path) const;

    void setReply(const QString &path, const Reply &reply);
    void serve(const QString &path, const QByteArray &body, int status = 200);
    void redirect(const QString &path, const QUrl &location, int status = 302);
    // Requests for the path wait, unanswered, until release().
    void hold(const QString &path);
    void release();

    int requestCount(const QString &path) const;
    int totalRequests() const;

signals:
    void requestReceived(const QString &path);

private:
    void acceptConnections();
    void readRequest(QTcpSocket *socket);
    void answer(QTcpSocket *socket, const QString &path);

    QTcpServer m_server;
    QHash<QString, Reply> m_replies;
    QHash<QString, int> m_requestCounts;
    QSet<QString> m_heldPaths;
    QList<std::pair<QPointer<QTcpSocket>, QString>> m_waiting;
    QHash<QTcpSocket *, QByteArray> m_buffers;
};
