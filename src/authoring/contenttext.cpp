#include "authoring/contenttext.h"

#include "authoring/newdocument.h"
#include "common/messages.h"
#include "document/commalist.h"
#include "document/cp1252.h"
#include "document/safefile.h"

#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>

namespace bw {

namespace {

// Far beyond any lesson's text; keeps a wrong file name from filling the memory.
constexpr qint64 kMaxContentTextBytes = 4 << 20;

const QString kCrLf = QStringLiteral("\r\n");

ContentText Fail(const QString& message) {
    ContentText r;
    r.message = message;
    return r;
}

// The lines of bytes as text, each checked for UTF-8 and for Windows-1252.
bool DecodeLines(const QByteArray& bytes, QStringList& lines, QString& message) {
    QList<QByteArray> raw = bytes.split('\n');
    if (!raw.isEmpty() && raw.last().isEmpty()) raw.removeLast();
    for (qsizetype n = 0; n < raw.size(); ++n) {
        QByteArray line = raw[n];
        if (line.endsWith('\r')) line.chop(1);
        if (n == 0 && line.startsWith("\xEF\xBB\xBF")) line.remove(0, 3);
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString text = utf8(line);
        if (utf8.hasError()) {
            message = QStringLiteral("Zeile %1: kein gültiger UTF-8-Text.").arg(n + 1);
            return false;
        }
        int column = 0;
        for (qsizetype i = 0; i < text.size(); ++i) {
            char32_t c = text[i].unicode();
            if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
                c = QChar::surrogateToUcs4(text[i], text[i + 1]);
                ++i;
            }
            ++column;
            if (Cp1252Byte(c, true) < 0) {
                message = QStringLiteral("Zeile %1, Spalte %2: Das Zeichen U+%3 kann in einem "
                                         "Dokument nicht gespeichert werden (Windows-1252).")
                              .arg(n + 1)
                              .arg(column)
                              .arg(QString::number(uint(c), 16)
                                       .toUpper()
                                       .rightJustified(4, QLatin1Char('0')));
                return false;
            }
        }
        lines << text;
    }
    return true;
}

// "Bild: FILE" after the marker, or an empty string when the rest is not a picture line.
QString PictureFile(const QString& rest) {
    const QString t = TrimBlanks(rest);
    if (!t.startsWith(QLatin1String("Bild:"))) return {};
    return TrimBlanks(t.mid(5));
}

bool LoadPicture(const QString& folder, const QString& file, int line, QImage& image,
                 QString& message) {
    const QString path = QFileInfo(file).isAbsolute() ? file : QDir(folder).filePath(file);
    switch (LoadAuthoringPicture(path, image)) {
    case PictureLoad::Ok:
        return true;
    case PictureLoad::BadExtension:
        message = QStringLiteral("Zeile %1: %2: %3").arg(line).arg(file, BadExtensionText());
        return false;
    case PictureLoad::Unreadable:
        break;
    }
    message = QStringLiteral("Zeile %1: %2").arg(line).arg(FileReadErrorText(path));
    return false;
}

bool ParseChoice(const QStringList& lines, const QString& folder, std::vector<ChoiceQuestion>& out,
                 QString& message) {
    ChoiceQuestion q;
    bool open = false;
    QStringList answers;
    auto finish = [&] {
        if (!open) return;
        if (q.kind == 0) q.answer = answers.join(kCrLf);
        out.push_back(std::move(q));
        q = ChoiceQuestion();
        answers.clear();
        open = false;
    };
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const int lineNo = int(n) + 1;
        const QString t = TrimBlanks(lines[n]);
        if (t.isEmpty()) {
            finish();
            continue;
        }
        if (!open) {
            q.question = t;
            open = true;
            continue;
        }
        const bool sign = t.startsWith(QLatin1Char('+')) || t.startsWith(QLatin1Char('-'));
        const QString picture = PictureFile(sign ? t.mid(1) : t);
        if (!sign) {
            if (picture.isEmpty() || !answers.isEmpty() || q.pictureCount > 0 ||
                !q.picture.isNull()) {
                message = QStringLiteral("Zeile %1: Antwortzeilen beginnen mit \"+\" oder "
                                         "\"-\"; vor jeder neuen Frage steht eine Leerzeile.")
                              .arg(lineNo);
                return false;
            }
            if (!LoadPicture(folder, picture, lineNo, q.picture, message)) return false;
            continue;
        }
        const bool applies = t.startsWith(QLatin1Char('+'));
        if (picture.isEmpty()) {
            if (q.kind == 1) {
                message = QStringLiteral("Zeile %1: Eine Frage hat entweder Text- oder "
                                         "Bild-Antworten.")
                              .arg(lineNo);
                return false;
            }
            answers << (applies ? QStringLiteral("+ ") : QStringLiteral("- ")) +
                           TrimBlanks(t.mid(1));
            continue;
        }
        if (!answers.isEmpty()) {
            message = QStringLiteral("Zeile %1: Eine Frage hat entweder Text- oder Bild-Antworten.")
                          .arg(lineNo);
            return false;
        }
        if (q.pictureCount == kMaxAnswerPictures) {
            message = QStringLiteral("Zeile %1: Es sind maximal 12 Antwortbilder pro Frage "
                                     "möglich.")
                          .arg(lineNo);
            return false;
        }
        q.kind = 1;
        if (!LoadPicture(folder, picture, lineNo, q.pictures[q.pictureCount], message))
            return false;
        q.applies[q.pictureCount++] = applies;
    }
    finish();
    return true;
}

} // namespace

ContentText ParseContentText(const QByteArray& bytes, int dokTyp, const QString& folder) {
    QStringList lines;
    QString message;
    if (!DecodeLines(bytes, lines, message)) return Fail(message);
    ContentText r;
    if (dokTyp == 3) {
        if (!ParseChoice(lines, folder, r.questions, message)) return Fail(message);
    } else {
        r.text = lines.join(kCrLf);
    }
    r.ok = true;
    return r;
}

bool ReadTextFile(const QString& path, QString& text) {
    const ReadResult read = ReadRegularFile(path, kMaxContentTextBytes);
    if (read.status != ReadStatus::Ok) return false;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString decoded = utf8(read.bytes);
    if (utf8.hasError()) decoded = DecodeCp1252(read.bytes);
    text = SplitLines(decoded).join(QLatin1Char('\n'));
    return true;
}

ContentText ReadContentText(const QString& path, int dokTyp) {
    const ReadResult read = ReadRegularFile(path, kMaxContentTextBytes);
    if (read.status != ReadStatus::Ok) return Fail(FileReadErrorText(path));
    return ParseContentText(read.bytes, dokTyp, QFileInfo(path).absolutePath());
}

} // namespace bw
