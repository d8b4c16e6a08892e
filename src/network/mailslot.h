#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

namespace bw {

class DatagramPort;

// The UDP port of a slot name: 20000 + (FNV-1a-32 of the upper-cased name's Windows-1252
// bytes) mod 10000. The same on every computer, so a sender needs only the name.
quint16 SlotPort(const QString& mailBox);

// One message on the wire: "Message", the sender's user and computer names, then the
// payload lines, each followed by "\r\n", in Windows-1252.
QByteArray EncodeMailslotMessage(const QString& user, const QString& computer,
                                 const QStringList& lines);

struct MailslotMessage {
    QString user;
    QString computer;
    QString text; // the payload lines, each followed by "\r\n"
};

// Messages are short; a datagram beyond these limits is not one of ours and is dropped.
constexpr int kMaxMessageBytes = 4096;
constexpr int kMaxMessageLines = 64;

// Nothing when the datagram is too large, has too many lines or does not start with the
// "Message" line and both header lines.
std::optional<MailslotMessage> DecodeMailslotMessage(const QByteArray& datagram);

// Splits text at "\r\n", "\r" or "\n"; a trailing break adds no empty line.
QStringList SplitMessageLines(const QString& text);

// A mailslot on UDP: while active it receives on the slot's port and hands every message to
// NewMessage on the thread that owns it, as soon as the datagram is there; it sends to the
// slot of the same name on another computer.
class TALMailSlot2 : public QObject {
    Q_OBJECT
public:
    explicit TALMailSlot2(QObject* parent = nullptr);
    ~TALMailSlot2() override;

    QString MailBox() const { return mailBox_; }
    // A name of 9 or more characters is refused with the warning and the old name stays;
    // false then. An active slot moves to the new name.
    bool SetMailBox(const QString& name);

    bool Active() const { return socket_ != nullptr; }
    // Binding a port taken on this computer leaves the slot inactive, without a message; so
    // does a missing network module.
    void SetActive(bool active);

    // The longest delay before a received message is handled. Datagrams are handled as they
    // arrive, so it only bounds how long a flood may keep the thread before others run.
    int CheckInterval = 1000;

    quint16 Port() const { return SlotPort(mailBox_); }

    // Fire and forget: an unknown computer or a missing slot gives no error. "." and this
    // computer's name address this computer, "*" the local network; any other name goes to
    // the address the resolver gives, or to the local network when it gives none.
    void SendLines(const QString& target, const QStringList& lines);

    // The last message sent and received, as lines.
    QStringList sendList;
    QStringList receiveList;

signals:
    void NewMessage(const QString& computer, const QString& text, const QString& userName);

private:
    void Drain();

    QString mailBox_ = QStringLiteral("MailBox");
    std::unique_ptr<DatagramPort> socket_;
    std::unique_ptr<DatagramPort> sender_;
    // Ports ended while one of their messages was being handed over; freed after it.
    std::vector<std::unique_ptr<DatagramPort>> ended_;
    bool drainQueued_ = false;
};

} // namespace bw
