#include "shell/settingsstore.h"
#include "document/safefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringDecoder>
#include <cstring>

namespace bw {

namespace {

// UTF-8 text, so that folder names outside Windows-1252 survive.
// One value per line: TYPE NAME=VALUE; doubles as their 64 bits in hex, exact.
constexpr char kHeader[] = "# brettwerk-settings 1";

QString Fold(const QString& name) {
    return name.toCaseFolded();
}

bool ValidName(const QString& name) {
    if (name.isEmpty() || name.trimmed() != name) return false;
    for (QChar c : name) {
        if (c.unicode() < 0x20 || c == QLatin1Char('=') || c.unicode() == 0x7f) return false;
    }
    return true;
}

QString Escape(const QString& s) {
    QString out;
    out.reserve(s.size());
    for (QChar c : s) {
        const char16_t u = c.unicode();
        if (u == u'\\')
            out += QStringLiteral("\\\\");
        else if (u == u'\n')
            out += QStringLiteral("\\n");
        else if (u == u'\r')
            out += QStringLiteral("\\r");
        else if (u < 0x20 || u == 0x7f)
            out += QStringLiteral("\\x%1").arg(int(u), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

std::optional<QString> Unescape(QStringView s) {
    QString out;
    out.reserve(s.size());
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i] != u'\\') {
            out += s[i];
            continue;
        }
        if (++i >= s.size()) return std::nullopt;
        switch (s[i].unicode()) {
        case u'\\':
            out += u'\\';
            break;
        case u'n':
            out += u'\n';
            break;
        case u'r':
            out += u'\r';
            break;
        case u'x': {
            const QStringView hex = s.mid(i + 1, 2);
            bool ok = false;
            const int code = hex.size() == 2 ? hex.toInt(&ok, 16) : 0;
            if (!ok) return std::nullopt;
            out += QChar(code);
            i += 2;
            break;
        }
        default:
            return std::nullopt;
        }
    }
    return out;
}

std::optional<int> ParseInt(QStringView s) {
    bool ok = false;
    const int v = s.toInt(&ok);
    return ok ? std::optional<int>(v) : std::nullopt;
}

} // namespace

QString SettingsStore::DefaultPath() {
    // GenericConfigLocation honours XDG_CONFIG_HOME and falls back to ~/.config.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/brettwerk/settings.conf");
}

SettingsStore::LoadStatus SettingsStore::Load() {
    values_.clear();
    // A pipe, a device or a link to one is not waited for and not read.
    const ReadResult r = ReadRegularFile(path_, kMaxFileSize);
    if (r.status == ReadStatus::Missing) return LoadStatus::Missing;
    if (r.status == ReadStatus::NotRegular || r.status == ReadStatus::Unreadable)
        return LoadStatus::Unreadable;
    if (r.status == ReadStatus::Ok && Parse(r.bytes)) return LoadStatus::Read;
    values_.clear();
    return LoadStatus::Damaged;
}

bool SettingsStore::KeepDamagedCopy() const {
    // Moved, not copied: however large the file is, this costs nothing.
    const QString aside = DamagedCopyPath();
    QFile::remove(aside);
    return QFile::rename(path_, aside);
}

bool SettingsStore::Parse(const QByteArray& bytes) {
    values_.clear();
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    if (utf8.hasError()) return false;
    const QStringList lines = text.split(QLatin1Char('\n'));
    bool headerSeen = false;
    for (QString line : lines) {
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        if (!headerSeen) {
            if (line.trimmed().isEmpty()) continue;
            if (line != QLatin1String(kHeader)) return false;
            headerSeen = true;
            continue;
        }
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        const qsizetype space = line.indexOf(QLatin1Char(' '));
        const qsizetype eq = line.indexOf(QLatin1Char('='), space + 1);
        if (space <= 0 || eq < 0) return false;
        const QStringView type = QStringView(line).left(space);
        const QString name = line.mid(space + 1, eq - space - 1);
        const QStringView raw = QStringView(line).mid(eq + 1);
        if (!ValidName(name)) return false;
        Value v;
        if (type == u"bool") {
            if (raw != u"0" && raw != u"1") return false;
            v = raw == u"1";
        } else if (type == u"int") {
            const auto i = ParseInt(raw);
            if (!i) return false;
            v = *i;
        } else if (type == u"string") {
            const auto s = Unescape(raw);
            if (!s) return false;
            v = *s;
        } else if (type == u"double") {
            bool ok = false;
            const quint64 bits = raw.toULongLong(&ok, 16);
            if (!ok || raw.size() != 16) return false;
            double d;
            std::memcpy(&d, &bits, sizeof d);
            v = d;
        } else {
            // A kind a later version added: skip it rather than lose the whole file.
            continue;
        }
        values_[Fold(name)] = Entry{name, std::move(v)};
    }
    return headerSeen;
}

QByteArray SettingsStore::Serialise() const {
    QString out = QLatin1String(kHeader) + QLatin1Char('\n');
    for (const auto& [key, e] : values_) {
        QString type, raw;
        if (const bool* b = std::get_if<bool>(&e.value)) {
            type = QStringLiteral("bool");
            raw = *b ? QStringLiteral("1") : QStringLiteral("0");
        } else if (const int* i = std::get_if<int>(&e.value)) {
            type = QStringLiteral("int");
            raw = QString::number(*i);
        } else if (const QString* s = std::get_if<QString>(&e.value)) {
            type = QStringLiteral("string");
            raw = Escape(*s);
        } else {
            const double d = std::get<double>(e.value);
            quint64 bits;
            std::memcpy(&bits, &d, sizeof bits);
            type = QStringLiteral("double");
            raw = QStringLiteral("%1").arg(bits, 16, 16, QLatin1Char('0'));
        }
        out += type + QLatin1Char(' ') + e.name + QLatin1Char('=') + raw + QLatin1Char('\n');
    }
    return out.toUtf8();
}

bool SettingsStore::Save() const {
    const QFileInfo info(path_);
    if (!QDir().mkpath(info.absolutePath())) return false;
    // The account password and access code live here, as they did in the user's registry.
    return bool(WriteFileSafely(path_, Serialise(), {.mode = 0600}));
}

const SettingsStore::Entry* SettingsStore::find(const QString& name) const {
    const auto it = values_.find(Fold(name));
    return it == values_.end() ? nullptr : &it->second;
}

bool SettingsStore::Contains(const QString& name) const {
    return find(name) != nullptr;
}

void SettingsStore::Remove(const QString& name) {
    values_.erase(Fold(name));
}

QStringList SettingsStore::Names() const {
    QStringList out;
    for (const auto& [key, e] : values_)
        out << e.name;
    return out;
}

std::optional<bool> SettingsStore::ReadBool(const QString& name) const {
    const Entry* e = find(name);
    if (!e) return std::nullopt;
    if (const bool* b = std::get_if<bool>(&e->value)) return *b;
    if (const int* i = std::get_if<int>(&e->value)) return *i != 0;
    return std::nullopt;
}

std::optional<int> SettingsStore::ReadInt(const QString& name) const {
    const Entry* e = find(name);
    if (!e) return std::nullopt;
    if (const int* i = std::get_if<int>(&e->value)) return *i;
    if (const bool* b = std::get_if<bool>(&e->value)) return *b ? 1 : 0;
    return std::nullopt;
}

std::optional<QString> SettingsStore::ReadString(const QString& name) const {
    const Entry* e = find(name);
    if (!e) return std::nullopt;
    if (const QString* s = std::get_if<QString>(&e->value)) return *s;
    return std::nullopt;
}

std::optional<double> SettingsStore::ReadDouble(const QString& name) const {
    const Entry* e = find(name);
    if (!e) return std::nullopt;
    if (const double* d = std::get_if<double>(&e->value)) return *d;
    return std::nullopt;
}

bool SettingsStore::write(const QString& name, Value v) {
    if (!ValidName(name)) return false;
    auto it = values_.find(Fold(name));
    if (it != values_.end())
        it->second.value = std::move(v);
    else
        values_.emplace(Fold(name), Entry{name, std::move(v)});
    return true;
}

} // namespace bw
