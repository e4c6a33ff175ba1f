#ifndef HTTPFIXTURE_H
#define HTTPFIXTURE_H

#include <QTcpServer>
#include <QTcpSocket>

// A one-document HTTP server on 127.0.0.1 for the update check tests.
class HttpFixture : public QTcpServer
{
public:
    QByteArray body;
    int status = 200;
    int requests = 0;
    QByteArray lastPath;

    HttpFixture()
    {
        listen(QHostAddress::LocalHost, 0);
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    const QByteArray request = socket->readAll();
                    if (!request.contains("\r\n\r\n"))
                        return;
                    ++requests;
                    lastPath = request.split(' ').value(1);
                    QByteArray answer = "HTTP/1.1 " + QByteArray::number(status)
                                        + (status == 200 ? " OK" : " Error") + "\r\n"
                                        + "Content-Type: text/xml\r\nConnection: close\r\n"
                                        + "Content-Length: " + QByteArray::number(body.size())
                                        + "\r\n\r\n" + body;
                    socket->write(answer);
                    socket->disconnectFromHost();
                });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }

    QString address() const { return QStringLiteral("http://127.0.0.1:%1").arg(serverPort()); }

    // A port on 127.0.0.1 that refuses connections (its server is closed).
    static quint16 closedPort()
    {
        HttpFixture closed;
        return closed.serverPort();
    }

    static QByteArray document(const QByteArray &id, const QByteArray &version,
                               const QByteArray &url = "http://www.quorbel.com/duzo")
    {
        return "<?xml version=\"1.0\"?>\n<Product><Id>" + id + "</Id><Name>QB DUZO Vozevu</Name>"
               + "<Version>" + version + "</Version><Url>" + url + "</Url></Product>\n";
    }
};

#endif // HTTPFIXTURE_H
