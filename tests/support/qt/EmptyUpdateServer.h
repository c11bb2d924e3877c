#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>

#include <map>

namespace powerball::testing {

// An update server on a loopback port that knows no draw: every request gets a 404.
// It answers on the window's own thread, between the events a test looks at.
class EmptyUpdateServer : public QObject {
public:
    EmptyUpdateServer() {
        if (!m_server.listen(QHostAddress::LocalHost))
            qFatal("cannot listen");
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(socket); });
        });
    }

    QString base() const {
        return QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort());
    }
    int requests() const { return m_requests; }
    // The path of each request, in order ("/scripts/Lotto.vks.txt").
    const QStringList& paths() const { return m_paths; }

private:
    void answer(QTcpSocket* socket) {
        QByteArray& pending = m_pending[socket];
        pending += socket->readAll();
        for (qsizetype end; (end = pending.indexOf("\r\n\r\n")) >= 0;) {
            const QList<QByteArray> requestLine = pending.left(pending.indexOf("\r\n")).split(' ');
            m_paths << QString::fromLatin1(requestLine.value(1));
            pending.remove(0, end + 4);
            ++m_requests;
            socket->write("HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n");
        }
    }

    QTcpServer m_server;
    std::map<QTcpSocket*, QByteArray> m_pending;
    int m_requests = 0;
    QStringList m_paths;
};

} // namespace powerball::testing
