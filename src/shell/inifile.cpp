#include "shell/inifile.h"

#include "document/commalist.h"
#include "document/cp1252.h"
#include "document/safefile.h"

#include <QStringDecoder>
#include <QStringList>

namespace bw {

namespace {

QString Fold(const QString& s) {
    return s.toCaseFolded();
}

// Blanks and tabs, as Windows trims them; other characters stay.
QString TrimIni(QStringView s) {
    qsizetype b = 0, e = s.size();
    while (b < e && (s[b] == u' ' || s[b] == u'\t'))
        ++b;
    while (e > b && (s[e - 1] == u' ' || s[e - 1] == u'\t'))
        --e;
    return s.mid(b, e - b).toString();
}

bool HasControlCharacters(const QString& text) {
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if ((u < 0x20 && u != u'\t' && u != u'\r' && u != u'\n' && u != 0x1a) || u == 0x7f)
            return true;
    }
    return false;
}

std::optional<QString> Decode(const QByteArray& bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        QStringDecoder d(QStringDecoder::Utf8);
        QString s = d(bytes.mid(3));
        return d.hasError() ? std::nullopt : std::optional<QString>(s);
    }
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder d(bytes.startsWith("\xFF\xFE") ? QStringDecoder::Utf16LE
                                                      : QStringDecoder::Utf16BE);
        QString s = d(bytes.mid(2));
        return d.hasError() ? std::nullopt : std::optional<QString>(s);
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString s = utf8(bytes);
    if (!utf8.hasError()) return s;
    return DecodeCp1252(bytes);
}

} // namespace

IniFile IniFile::Load(const QString& path) {
    const ReadResult r = ReadRegularFile(path, kMaxFileSize);
    IniFile ini;
    switch (r.status) {
    case ReadStatus::Ok:
        return FromBytes(r.bytes);
    case ReadStatus::Missing:
        ini.status_ = Status::Missing;
        break;
    case ReadStatus::TooLarge:
        ini.status_ = Status::Damaged;
        break;
    case ReadStatus::NotRegular: // a pipe or device is no configuration file
    case ReadStatus::Unreadable:
        ini.status_ = Status::Unreadable;
        break;
    }
    return ini;
}

IniFile IniFile::FromBytes(const QByteArray& bytes) {
    IniFile ini;
    const std::optional<QString> text = bytes.size() > kMaxFileSize ? std::nullopt : Decode(bytes);
    // Control characters mean a binary or broken file, not a hand-written one.
    if (!text || HasControlCharacters(*text)) {
        ini.status_ = Status::Damaged;
        return ini;
    }
    ini.parse(*text);
    ini.status_ = Status::Read;
    return ini;
}

void IniFile::parse(const QString& text) {
    Section* current = nullptr;
    // Lines end at CR LF, LF or a lone CR.
    for (const QString& raw : SplitLines(text)) {
        const QString line = TrimIni(raw);
        if (line.isEmpty() || line.startsWith(QLatin1Char(';'))) continue;
        if (line.startsWith(QLatin1Char('['))) {
            qsizetype close = line.indexOf(QLatin1Char(']'));
            if (close < 0) close = line.size();
            const QString folded = Fold(TrimIni(QStringView(line).mid(1, close - 1)));
            // Keys of a repeated section are not seen: the first section answers.
            const auto [it, added] = sections_.try_emplace(folded);
            current = added ? &it->second : nullptr;
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (!current || eq <= 0) continue;
        const QString key = Fold(TrimIni(QStringView(line).left(eq)));
        QString value = TrimIni(QStringView(line).mid(eq + 1));
        if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
            value.back() == value.front())
            value = value.mid(1, value.size() - 2);
        if (!key.isEmpty()) current->try_emplace(key, std::move(value));
    }
}

const IniFile::Section* IniFile::section(const QString& name) const {
    const auto it = sections_.find(Fold(name));
    return it == sections_.end() ? nullptr : &it->second;
}

bool IniFile::HasSection(const QString& name) const {
    return section(name) != nullptr;
}

std::optional<QString> IniFile::ReadString(const QString& sectionName, const QString& key) const {
    const Section* s = section(sectionName);
    if (!s) return std::nullopt;
    const auto it = s->find(Fold(key));
    return it == s->end() ? std::nullopt : std::optional<QString>(it->second);
}

std::optional<int> IniFile::ReadInteger(const QString& section, const QString& key) const {
    const std::optional<QString> v = ReadString(section, key);
    if (!v) return std::nullopt;
    bool ok = false;
    int n = 0;
    if (v->startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        n = int(v->mid(2).toUInt(&ok, 16));
    else
        n = v->toInt(&ok, 10);
    return ok ? std::optional<int>(n) : std::nullopt;
}

std::optional<bool> IniFile::ReadBool(const QString& section, const QString& key) const {
    if (const std::optional<int> n = ReadInteger(section, key)) return *n != 0;
    const std::optional<QString> v = ReadString(section, key);
    if (!v) return std::nullopt;
    const QString t = v->toLower();
    if (t == u"true" || t == u"yes" || t == u"ja") return true;
    if (t == u"false" || t == u"no" || t == u"nein") return false;
    return std::nullopt;
}

std::optional<double> IniFile::ReadFloat(const QString& section, const QString& key) const {
    std::optional<QString> v = ReadString(section, key);
    if (!v) return std::nullopt;
    v->replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double d = v->toDouble(&ok);
    return ok ? std::optional<double>(d) : std::nullopt;
}

} // namespace bw
