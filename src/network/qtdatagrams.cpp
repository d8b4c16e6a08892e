// The network module: UDP through Qt Network.

#include "network/datagrams.h"

#include <QHostAddress>
#include <QHostInfo>
#include <QUdpSocket>

namespace bw {
namespace {

class QtDatagramPort : public DatagramPort {
public:
    QtDatagramPort() {
        QObject::connect(&socket_, &QUdpSocket::readyRead, [this] {
            if (readyRead) readyRead();
        });
    }

    bool Bind(quint16 port) override {
        // No address sharing: a port taken on this computer must fail, as a taken slot
        // name does.
        return socket_.bind(QHostAddress::AnyIPv4, port, QAbstractSocket::DontShareAddress);
    }

    void Close() override { socket_.close(); }

    bool HasPending() override { return socket_.hasPendingDatagrams(); }
    qint64 PendingSize() override { return socket_.pendingDatagramSize(); }
    qint64 Read(char* data, qint64 max) override { return socket_.readDatagram(data, max); }

    void Send(const QByteArray& datagram, const QString& host, quint16 port) override {
        if (host.isEmpty()) return;
        socket_.writeDatagram(datagram, Resolve(host), port);
    }

private:
    QHostAddress Resolve(const QString& host) {
        QHostAddress literal;
        if (literal.setAddress(host)) return literal;
        if (host != resolvedName_) {
            resolvedName_ = host;
            resolved_ = QHostAddress(QHostAddress::Broadcast);
            const QHostInfo info = QHostInfo::fromName(host);
            for (const QHostAddress& a : info.addresses()) {
                if (a.protocol() == QAbstractSocket::IPv4Protocol) {
                    resolved_ = a;
                    break;
                }
            }
        }
        return resolved_;
    }

    QUdpSocket socket_;
    QString resolvedName_;
    QHostAddress resolved_;
};

} // namespace
} // namespace bw

extern "C" Q_DECL_EXPORT bw::DatagramPort* bw_make_datagram_port() {
    return new bw::QtDatagramPort;
}
