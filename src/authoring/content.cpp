#include "authoring/content.h"

#include "document/commalist.h"
#include "document/documenteditor.h"

#include <algorithm>

namespace bw {

namespace {

bool IsBlank(QChar c) {
    return c.unicode() <= 32;
}

const QString kCrLf = QStringLiteral("\r\n");

// The objects a content edit keeps: everything below the generated and question types.
std::vector<ObjDataTyp> LabelObjects(const Document& doc) {
    std::vector<ObjDataTyp> kept;
    for (const ObjDataTyp& o : doc.CurrentObjects)
        if (o.Typ < TypAntwortFeld) kept.push_back(o);
    return kept;
}

void Store(DocumentEditor& editor, int dokTyp, const QString& cloze, const QString& questions,
           std::vector<ObjDataTyp> objects, const QString& stepText) {
    HeaderDataTyp h = editor.document().CurrentHeader;
    h.DokTyp = dokTyp;
    h.lueckentext = cloze;
    h.fragentext = questions;
    editor.BeginMacro(stepText);
    editor.ReplaceObjects(objects, stepText);
    editor.SetHeader(h, stepText);
    editor.EndMacro();
}

} // namespace

QString GapFromSelection(const QString& selected) {
    if (selected.isEmpty()) return QStringLiteral("<<>>");
    QString lead, trail;
    if (IsBlank(selected.front())) lead = QStringLiteral(" ");
    if (IsBlank(selected.back())) trail = QStringLiteral(" ");
    QString core = TrimBlanks(selected);
    static const QString kClosing = QStringLiteral("!,.:;?");
    if (!core.isEmpty() && kClosing.contains(core.back())) {
        trail.prepend(core.back());
        core.chop(1);
    }
    return lead + QStringLiteral("<<") + core + QStringLiteral(">>") + trail;
}

QString WithoutGapMarks(const QString& selected) {
    QString s = selected;
    s.remove(QStringLiteral("<<"));
    s.remove(QStringLiteral(">>"));
    return s;
}

QString QuestionCountText(const QString& text) {
    int n = 0;
    for (const QString& line : SplitLines(text))
        if (!TrimBlanks(line).isEmpty()) ++n;
    return QString::number(n) + (n == 1 ? QStringLiteral(" Frage") : QStringLiteral(" Fragen"));
}

QString SignedAnswerLines(const QString& text) {
    QStringList lines = SplitLines(text);
    for (QString& line : lines) {
        const QString t = TrimBlanks(line);
        if (!t.isEmpty() && !t.startsWith(QLatin1Char('+')) && !t.startsWith(QLatin1Char('-')))
            line = QStringLiteral("+ ") + t;
    }
    return lines.join(kCrLf);
}

std::vector<ChoiceQuestion> LoadChoiceQuestions(const Document& doc) {
    std::vector<ChoiceQuestion> out;
    for (const ObjDataTyp& o : doc.CurrentObjects) {
        if (o.Typ != TypMCFrage && o.Typ != TypMCFrageBild) continue;
        // A damaged Cap with fewer than two items still gives two.
        const QStringList items = SplitCommaItems(o.Cap + QStringLiteral(",\"\",\"\""));
        ChoiceQuestion q;
        q.question = items.value(0);
        q.answer = items.value(1);
        if (o.Typ == TypMCFrageBild && !o.Bild.isNull()) q.picture = o.Bild.image();
        q.kind = o.Untertyp == 1 ? 1 : 0;
        if (q.kind == 1) {
            const QStringList lines = SplitLines(TrimBlanks(q.answer));
            q.pictureCount = std::clamp(o.AntwortAnz, 0, kMaxAnswerPictures);
            for (int n = 0; n < q.pictureCount; ++n) {
                q.pictures[n] = o.BildAntw[n].image();
                // A foreign document may have fewer lines than pictures: those apply.
                q.applies[n] = n >= lines.size() || !lines[n].startsWith(QLatin1Char('-'));
            }
        }
        out.push_back(std::move(q));
    }
    return out;
}

std::vector<ObjDataTyp> ChoiceQuestionObjects(std::vector<ChoiceQuestion>& questions) {
    std::vector<ObjDataTyp> out;
    out.reserve(questions.size());
    for (size_t i = 0; i < questions.size(); ++i) {
        ChoiceQuestion& q = questions[i];
        ObjDataTyp o;
        o.Sx = o.Sy = o.Kx = o.Ky = -1.0;
        o.KAusr = o.TAusr = o.Sline = o.Fsize = 0;
        o.Ebene = 1;
        o.FrageNummer = int(i) + 1;
        o.Untertyp = q.kind == 1 ? 1 : 0;
        if (o.Untertyp == 1) {
            QStringList lines;
            const int count = std::clamp(q.pictureCount, 0, kMaxAnswerPictures);
            for (int n = 0; n < count; ++n) {
                lines << (q.applies[n] ? QStringLiteral("+ Bild") : QStringLiteral("- Bild"));
                o.BildAntw[n] = Picture(q.pictures[n]);
            }
            o.AntwortAnz = count;
            q.answer = lines.join(kCrLf);
        }
        QString answer = TrimBlanks(q.answer);
        if (answer.isEmpty()) answer = QStringLiteral("+ Antwort");
        o.Cap = EncodeCommaItems({TrimBlanks(q.question), answer});
        if (!q.picture.isNull() && q.picture.width() > 0 && q.picture.height() > 0) {
            o.Typ = TypMCFrageBild;
            o.Bild = Picture(q.picture);
        } else {
            o.Typ = TypMCFrage;
        }
        out.push_back(std::move(o));
    }
    return out;
}

ChoiceQuestion DuplicateChoiceQuestion(const ChoiceQuestion& source) {
    ChoiceQuestion copy = source;
    copy.question = QStringLiteral("KOPIE von ") + source.question;
    return copy;
}

void StoreClozeText(DocumentEditor& editor, const QString& text) {
    Store(editor, 1, TrimBlanks(text), QString(), LabelObjects(editor.document()),
          QStringLiteral("Lückentext bearbeiten"));
}

void StoreQuestionText(DocumentEditor& editor, const QString& text) {
    Store(editor, 2, QString(), text, LabelObjects(editor.document()),
          QStringLiteral("Einzelfragen bearbeiten"));
}

void StoreChoiceQuestions(DocumentEditor& editor, std::vector<ChoiceQuestion>& questions) {
    std::vector<ObjDataTyp> objects = LabelObjects(editor.document());
    for (ObjDataTyp& o : ChoiceQuestionObjects(questions))
        objects.push_back(std::move(o));
    Store(editor, 3, QString(), QString(), std::move(objects),
          QStringLiteral("Multiple-Choice-Fragen bearbeiten"));
}

} // namespace bw
