#include "network/mailslot.h"

#include "document/cp1252.h"
#include "network/datagrams.h"
#include "platform/prompter.h"
#include "platform/system.h"

#include <QElapsedTimer>
#include <QTimer>

namespace bw {

namespace {

constexpr quint16 kFirstPort = 20000;
constexpr quint32 kPortCount = 10000;
const QString kMessageLine = QStringLiteral("Message");

} // namespace

quint16 SlotPort(const QString& mailBox) {
    quint32 h = 2166136261u;
    for (char c : EncodeCp1252(mailBox.toUpper())) {
        h ^= static_cast<unsigned char>(c);
        h *= 16777619u;
    }
    return static_cast<quint16>(kFirstPort + h % kPortCount);
}

QByteArray EncodeMailslotMessage(const QString& user, const QString& computer,
                                 const QStringList& lines) {
    QString text = kMessageLine + QStringLiteral("\r\n") + user + QStringLiteral("\r\n") +
                   computer + QStringLiteral("\r\n");
    for (const QString& l : lines)
        text += l + QStringLiteral("\r\n");
    return EncodeCp1252(text);
}

QStringList SplitMessageLines(const QString& text) {
    QStringList out;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n') continue;
        out << text.mid(start, i - start);
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    if (start < n) out << text.mid(start);
    return out;
}

std::optional<MailslotMessage> DecodeMailslotMessage(const QByteArray& datagram) {
    if (datagram.size() > kMaxMessageBytes) return std::nullopt;
    const QStringList lines = SplitMessageLines(DecodeCp1252(datagram));
    if (lines.size() < 3 || lines.size() > kMaxMessageLines || lines[0] != kMessageLine)
        return std::nullopt;
    MailslotMessage m;
    m.user = lines[1];
    m.computer = lines[2];
    for (qsizetype i = 3; i < lines.size(); ++i)
        m.text += lines[i] + QStringLiteral("\r\n");
    return m;
}

TALMailSlot2::TALMailSlot2(QObject* parent) : QObject(parent) {}

TALMailSlot2::~TALMailSlot2() = default;

bool TALMailSlot2::SetMailBox(const QString& name) {
    if (name == mailBox_) return true;
    if (name.size() >= 9) {
        prompter().ShowWarning(
            QStringLiteral("MailBox name cannot be greater than 8 characters long."));
        return false;
    }
    mailBox_ = name;
    if (Active()) {
        SetActive(false);
        SetActive(true);
    }
    return true;
}

void TALMailSlot2::SetActive(bool active) {
    if (active == Active()) return;
    if (!active) {
        // A handler may end the slot while its message is being handed over: the port is
        // let go at once, the object when control is back in the event loop.
        socket_->Close();
        ended_.push_back(std::move(socket_));
        QTimer::singleShot(0, this, [this] { ended_.clear(); });
        return;
    }
    std::unique_ptr<DatagramPort> s = NewDatagramPort();
    if (!s || !s->Bind(Port())) return;
    s->readyRead = [this] { Drain(); };
    socket_ = std::move(s);
    if (socket_->HasPending()) Drain();
}

void TALMailSlot2::Drain() {
    drainQueued_ = false;
    DatagramPort* s = socket_.get();
    if (!s) return;
    QElapsedTimer t;
    t.start();
    const int budget = std::max(1, std::min(CheckInterval, 1000));
    char buf[kMaxMessageBytes + 1];
    while (socket_.get() == s && s->HasPending()) {
        // Only so much at once: a flood must not keep other events (and the window) waiting.
        if (t.elapsed() >= budget) {
            if (!drainQueued_) {
                drainQueued_ = true;
                QTimer::singleShot(0, this, [this] { Drain(); });
            }
            return;
        }
        const qint64 pending = s->PendingSize();
        const qint64 got = s->Read(buf, sizeof buf);
        if (got < 0 || pending > kMaxMessageBytes || got > kMaxMessageBytes) continue;
        const std::optional<MailslotMessage> m =
            DecodeMailslotMessage(QByteArray(buf, static_cast<qsizetype>(got)));
        if (!m) continue;
        receiveList = SplitMessageLines(m->text);
        emit NewMessage(m->computer, m->text, m->user);
    }
}

void TALMailSlot2::SendLines(const QString& target, const QStringList& lines) {
    sendList = lines;
    const QByteArray bytes = EncodeMailslotMessage(UserName(), ComputerName(), lines);
    if (bytes.size() > kMaxMessageBytes) return;
    if (!sender_) sender_ = NewDatagramPort();
    if (!sender_) return;
    // "." and this computer's name address this computer, "*" the local network.
    QString host = target;
    if (target == QLatin1String(".") || target.compare(ComputerName(), Qt::CaseInsensitive) == 0)
        host = QStringLiteral("127.0.0.1");
    else if (target == QLatin1String("*"))
        host = QStringLiteral("255.255.255.255");
    sender_->Send(bytes, host, Port());
}

} // namespace bw
