#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QMap>
#include <QPointer>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

// A small HTTP/1.1 server on 127.0.0.1 and a free port, for tests that let
// the program download for real without leaving this machine. It runs in
// the test's own thread: the program's waiting loops serve it too.
class LoopbackHttpServer : public QObject {
  public:
    enum class Behaviour {
        Whole,         // the body, announced and sent
        Stall,         // announces the body, sends half, then nothing more
        CloseHalfway,  // announces the body, sends half, then hangs up
        Trickle,       // the body in small pieces, one every trickleMilliseconds
    };
    struct Response {
        int status = 200;
        QByteArray body;
        Behaviour behaviour = Behaviour::Whole;
    };

    LoopbackHttpServer() {
        connect(&server_, &QTcpServer::newConnection, this, [this] { Accept(); });
        server_.listen(QHostAddress::LocalHost, 0);
    }

    quint16 Port() const { return server_.serverPort(); }
    QString Address(const QString& path = "/") const {
        return QString("http://127.0.0.1:%1%2").arg(Port()).arg(path);
    }
    void Serve(const QString& path, Response response) { routes_[path] = std::move(response); }
    void Close() { server_.close(); }

    QStringList requested;  // the paths asked for, in order
    int trickleMilliseconds = 20;

  private:
    void Accept() {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { Read(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    }

    void Read(QTcpSocket* socket) {
        QByteArray& pending = buffers_[socket];
        pending += socket->readAll();
        if (!pending.contains("\r\n\r\n")) return;
        const QList<QByteArray> words = pending.left(pending.indexOf("\r\n")).split(' ');
        buffers_.remove(socket);
        const QString path = words.size() > 1 ? QString::fromLatin1(words[1]) : QString();
        requested << path;
        const auto found = routes_.constFind(path);
        Respond(socket, found != routes_.constEnd() ? *found : Response{404, "Not found"});
    }

    void Respond(QTcpSocket* socket, const Response& response) {
        const QByteArray reason = response.status == 200 ? "OK" : "Error";
        socket->write("HTTP/1.1 " + QByteArray::number(response.status) + " " + reason +
                      "\r\nContent-Type: application/octet-stream\r\nContent-Length: " +
                      QByteArray::number(response.body.size()) + "\r\nConnection: close\r\n\r\n");
        const QByteArray half = response.body.left(response.body.size() / 2);
        switch (response.behaviour) {
            case Behaviour::Whole:
                socket->write(response.body);
                socket->disconnectFromHost();
                break;
            case Behaviour::Stall:
                socket->write(half);
                socket->flush();
                break;
            case Behaviour::CloseHalfway:
                socket->write(half);
                socket->flush();
                socket->disconnectFromHost();
                break;
            case Behaviour::Trickle:
                Trickle(socket, response.body, 0);
                break;
        }
    }

    void Trickle(QPointer<QTcpSocket> socket, QByteArray body, qsizetype sent) {
        if (!socket) return;
        const qsizetype piece = std::max<qsizetype>(1, body.size() / 40);
        socket->write(body.mid(sent, piece));
        sent += piece;
        if (sent >= body.size()) {
            socket->disconnectFromHost();
            return;
        }
        QTimer::singleShot(trickleMilliseconds, this,
                           [this, socket, body, sent] { Trickle(socket, body, sent); });
    }

    QTcpServer server_;
    QMap<QString, Response> routes_;
    QMap<QTcpSocket*, QByteArray> buffers_;
};
