#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>

namespace bw {

// UDP as the network module gives it. The module (built beside the programs) holds Qt's
// network library, which with the Kerberos, GSSAPI and proxy libraries it brings added
// nine libraries and half a millisecond to every start; it is loaded when a network
// exercise first needs it.
class DatagramPort {
public:
    virtual ~DatagramPort() = default;

    // Receives on port at every IPv4 address of this computer. Not shared with other
    // programs: false when the port is taken.
    virtual bool Bind(quint16 port) = 0;
    // Lets the port go at once; nothing more arrives.
    virtual void Close() = 0;
    virtual bool HasPending() = 0;
    // The size of the next datagram, -1 when there is none.
    virtual qint64 PendingSize() = 0;
    // Takes the next datagram; at most max bytes of it are kept. -1 on failure.
    virtual qint64 Read(char* data, qint64 max) = 0;
    // Fire and forget. host is an IPv4 address or a computer name; a name the resolver
    // does not know sends to the local network, an empty one sends nothing. A name is looked
    // up once, not again while it stays the target: a slow resolver must not hold up every
    // message.
    virtual void Send(const QByteArray& datagram, const QString& host, quint16 port) = 0;

    // Called on the thread that made the port whenever datagrams arrive.
    std::function<void()> readyRead;
};

// The module's one entry point.
using MakeDatagramPortFn = DatagramPort* (*)();
inline constexpr char kMakeDatagramPortSymbol[] = "bw_make_datagram_port";

// A new port from the network module; null when the module is missing.
std::unique_ptr<DatagramPort> NewDatagramPort();
// Whether the network module can be loaded (it is loaded at the first call).
bool NetworkModuleAvailable();
// What a network exercise says when the module is missing.
QString NetworkModuleMissingText();

} // namespace bw
