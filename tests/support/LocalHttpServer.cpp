#include "support/LocalHttpServer.h"

#include <QTcpSocket>

namespace {

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200: return "OK";
    case 301: return "Moved Permanently";
    case 302: return "Found";
    case 404: return "Not Found";
    case 500: return "Internal Server Error";
    default: return "Status";
    }
}

} // namespace

LocalHttpServer::LocalHttpServer(QObject *parent)
    : QObject(parent)
{
    connect(&m_server, &QTcpServer::newConnection, this, &LocalHttpServer::acceptConnections);
}

LocalHttpServer::~LocalHttpServer()
{
    // The open connections die with the listening socket, after the members their
    // handlers use; they must not report back to us by then.
    m_server.close();
    for (QTcpSocket *socket : m_server.findChildren<QTcpSocket *>())
        socket->disconnect(this);
}

bool LocalHttpServer::listen()
{
    return m_server.listen(QHostAddress::LocalHost, 0);
}

QUrl LocalHttpServer::url(const QString &path) const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path));
}

void LocalHttpServer::setReply(const QString &path, const Reply &reply)
{
    m_replies.insert(path, reply);
}

void LocalHttpServer::serve(const QString &path, const QByteArray &body, int status)
{
    setReply(path, Reply{status, body, {{"Content-Type", "application/rss+xml"}}});
}

void LocalHttpServer::redirect(const QString &path, const QUrl &location, int status)
{
    setReply(path, Reply{status, {}, {{"Location", location.toEncoded()}}});
}

void LocalHttpServer::hold(const QString &path)
{
    m_heldPaths.insert(path);
}

void LocalHttpServer::release()
{
    m_heldPaths.clear();
    const auto waiting = std::exchange(m_waiting, {});
    for (const auto &[socket, path] : waiting) {
        if (socket)
            answer(socket, path);
    }
}

int LocalHttpServer::requestCount(const QString &path) const
{
    return m_requestCounts.value(path);
}

int LocalHttpServer::totalRequests() const
{
    int total = 0;
    for (int count : m_requestCounts)
        total += count;
    return total;
}

void LocalHttpServer::acceptConnections()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readRequest(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_buffers.remove(socket);
            socket->deleteLater();
        });
    }
}

void LocalHttpServer::readRequest(QTcpSocket *socket)
{
    QByteArray &buffer = m_buffers[socket];
    buffer += socket->readAll();
    // A kept-alive connection may carry several requests; a GET has no body.
    qsizetype headerEnd;
    while ((headerEnd = buffer.indexOf("\r\n\r\n")) >= 0) {
        // "GET /path?query HTTP/1.1": only the path picks the reply.
        const QList<QByteArray> requestLine = buffer.left(buffer.indexOf("\r\n")).split(' ');
        const QString target =
            requestLine.size() > 1 ? QString::fromUtf8(requestLine[1]) : QString();
        const QString path = target.section(QLatin1Char('?'), 0, 0);
        buffer.remove(0, headerEnd + 4);
        ++m_requestCounts[path];
        emit requestReceived(path);
        if (m_heldPaths.contains(path))
            m_waiting.append({QPointer<QTcpSocket>(socket), path});
        else
            answer(socket, path);
    }
}

void LocalHttpServer::answer(QTcpSocket *socket, const QString &path)
{
    const Reply reply = m_replies.value(path, Reply{404, "not found", {}});
    QByteArray response =
        "HTTP/1.1 " + QByteArray::number(reply.status) + ' ' + reasonPhrase(reply.status) + "\r\n";
    // With a declared length the connection stays open for the next request, as HTTP/1.1
    // clients expect; without one only closing it can end the body.
    if (reply.declareLength)
        response += "Content-Length: " + QByteArray::number(reply.body.size()) + "\r\n";
    else
        response += "Connection: close\r\n";
    for (const auto &[name, value] : reply.headers)
        response += name + ": " + value + "\r\n";
    socket->write(response + "\r\n" + reply.body);
    if (!reply.declareLength && reply.closeAfterBody)
        socket->disconnectFromHost(); // after the pending bytes are written
}
