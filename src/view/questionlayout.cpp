#include "view/questionlayout.h"

#include "common/helpers.h"

#include "document/commalist.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace bw {

namespace {

constexpr int kMaxAnswers = 12;

// The navigation buttons from left to right: first, previous, next, last, random.
constexpr int kButtonOrder[] = {TypBtnErste, TypBtnZurueck, TypBtnVor, TypBtnLetzte, TypBtnZufall};

void DeleteTypes(Document& doc, int from, int to) {
    auto& objs = doc.CurrentObjects;
    objs.erase(std::remove_if(objs.begin(), objs.end(),
                              [&](const ObjDataTyp& o) { return o.Typ >= from && o.Typ <= to; }),
               objs.end());
}

void AddButtons(Document& doc, double left, double y, int fsize) {
    double x = left;
    for (int typ : kButtonOrder) {
        doc.AddGeneratedObject(typ, 2, QString(), fsize, 1, x, y, -1);
        x += 0.06;
    }
}

QString NumberLine(int k, int n) {
    return QStringLiteral("Frage Nr. %1 von %2").arg(k).arg(n);
}

// Covers the answers outside an exercise and keeps the current question in range.
void Reset(Document& doc, int answerTyp, bool exerciseRunning, int& currentQuestion) {
    if (!exerciseRunning) {
        for (ObjDataTyp& o : doc.CurrentObjects)
            if (o.Typ == answerTyp) o.Abgedeckt = Abgedeckt_;
    }
    const int n = doc.CurrentHeader.AnzFrageNummern;
    if (n < 1)
        currentQuestion = -1;
    else if (currentQuestion < 1 || currentQuestion > n)
        currentQuestion = 1;
}

QStringList NonEmptyLines(const QString& text) {
    QStringList out;
    for (const QString& line : SplitLines(text))
        if (!line.trimmed().isEmpty()) out << line;
    return out;
}

void BuildSingleQuestions(Document& doc) {
    DeleteTypes(doc, TypAntwortFeld, TypFixText);
    const QStringList lines = NonEmptyLines(doc.CurrentHeader.fragentext);
    const int n = static_cast<int>(lines.size());
    doc.CurrentHeader.AnzFrageNummern = n;
    if (n == 0) return;
    AddButtons(doc, 0.1, 0.775, 0);
    for (int j = 1; j <= n; ++j) {
        const SingleQuestionLine q = SplitQuestionLine(lines[j - 1]);
        doc.AddGeneratedObject(TypFixText, 1, NumberLine(j, n), 0, 1, 0.1, 0.175, j);
        doc.AddGeneratedObject(TypFrageText, 1, q.question, 5, 1, 0.1, 0.4, j);
        doc.AddGeneratedObject(TypFixText, 1, QStringLiteral("Antwort:"), 0, 1, 0.1, 0.6, j);
        doc.AddGeneratedObject(TypAntwortFeld, 1, q.answer, 0, 1, 0.225, 0.6, j);
    }
}

// The generated objects of one multiple-choice question. Appending may move the list, so the
// question comes as a copy.
void BuildChoiceQuestion(Document& doc, const ObjDataTyp question, int k, int n) {
    const ChoiceQuestionContent content = ParseChoiceQuestion(question.Cap);
    doc.AddGeneratedObject(TypFixText, 1, NumberLine(k, n), -5, 1, 0.05, 0.05, k);
    doc.AddGeneratedObject(TypMCFragetext, 1, content.question,
                           ChoiceQuestionFsize(int(content.question.size())), 1, 0.05, 0.125, k);

    const bool questionPicture = question.Typ == TypMCFrageBild && !question.Bild.isNull();
    const bool pictureAnswers = question.Untertyp == 1;
    double columnX = pictureAnswers ? 0.1 : 0.17;
    if (questionPicture) {
        const double ratio = double(question.Bild.width()) / std::max(1, question.Bild.height());
        const int fsize = Round(120 / (std::max(ratio, 1.05) / 1.05));
        const int i = doc.AddGeneratedObject(TypMCFragebild, 1, QString(), fsize, 1, 0.05, 0.51, k);
        doc.CurrentObjects[i].Bild = question.Bild;
        columnX = 0.5;
    }

    const QStringList& answers = content.answers;
    const int count = static_cast<int>(answers.size());
    const bool twoColumns = pictureAnswers && !questionPicture;
    const int rows = twoColumns ? (count + 1) / 2 : count;
    const double limit = pictureAnswers ? 0.2 : 0.15;
    const double step = std::min((count * 0.1 / 12 + 0.6) / rows, limit);
    auto rowY = [&](double r) { return (r - (rows - 1) * 0.5) * step + 0.51; };

    for (int a = 0; a < count; ++a) {
        const QString line = answers[a].trimmed();
        if (line.isEmpty()) continue;
        const bool second = twoColumns && a >= rows;
        const double x = second ? 0.5 : columnX;
        const double y = rowY(second ? a - rows : a);
        // A line without its mark would make the question unanswerable: it does not apply.
        const bool marked = line.at(0) == QLatin1Char('+') || line.at(0) == QLatin1Char('-');
        const bool applies = line.at(0) == QLatin1Char('+');
        const int box = doc.AddGeneratedObject(
            TypMCAntwortBox, 1, applies ? QStringLiteral("+") : QStringLiteral("-"), 4, 1, x, y, k);
        doc.CurrentObjects[box].AntwortAnz = count;
        doc.CurrentObjects[box].Bild = Picture(AnswerBoxPicture(applies));
        const QString text = (marked ? line.mid(1) : line).trimmed();
        if (pictureAnswers) {
            const int p = doc.AddGeneratedObject(TypMCAntwortBild, 1, text, Round(step * 240) - 10,
                                                 1, x + 0.06, y, k);
            doc.CurrentObjects[p].Bild = question.BildAntw[a];
        } else {
            doc.AddGeneratedObject(TypMCAntwortText, 1, text, 1, 1, x + 0.06, y, k);
        }
    }
    const double okX = twoColumns && count > rows ? 0.5 : columnX;
    const double okRow = rows - (pictureAnswers ? 0.1 : 0.0);
    doc.AddGeneratedObject(TypMCOkBtn, 1, QStringLiteral("OK"), 1, 1, okX, rowY(okRow), k);
}

void BuildChoiceQuestions(Document& doc) {
    DeleteTypes(doc, TypBtnZurueck, TypFixText);
    DeleteTypes(doc, TypMCFragetext, TypMCAntwortBild);
    std::vector<int> questions;
    for (int i = 0; i < doc.ObjectCount(); ++i) {
        const int t = doc.CurrentObjects[i].Typ;
        if (t == TypMCFrage || t == TypMCFrageBild) questions.push_back(i);
    }
    const int n = static_cast<int>(questions.size());
    doc.CurrentHeader.AnzFrageNummern = n;
    if (n == 0) return;
    AddButtons(doc, 0.05, 0.925, 1);
    for (int k = 1; k <= n; ++k) {
        // The generated objects find their question by this number.
        doc.CurrentObjects[questions[k - 1]].FrageNummer = k;
        BuildChoiceQuestion(doc, doc.CurrentObjects[questions[k - 1]], k, n);
    }
}

QImage DrawAnswerBox(bool ticked) {
    constexpr int kSide = 64;
    QImage img(kSide, kSide, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(QColor(40, 40, 40), 4));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4, 4, kSide - 8, kSide - 8));
    if (ticked) {
        QPainterPath tick;
        tick.moveTo(14, 33);
        tick.lineTo(27, 47);
        tick.lineTo(51, 16);
        p.setPen(QPen(QColor(0, 128, 0), 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(tick);
    }
    return img;
}

} // namespace

SingleQuestionLine SplitQuestionLine(const QString& line) {
    const qsizetype cut = line.indexOf(QStringLiteral("//"));
    if (cut < 0) return {line.trimmed(), QStringLiteral("---")};
    return {line.left(cut).trimmed(), line.mid(cut + 2).trimmed()};
}

ChoiceQuestionContent ParseChoiceQuestion(const QString& cap) {
    const QStringList items = SplitCommaItems(cap);
    ChoiceQuestionContent c;
    if (!items.isEmpty()) c.question = items[0].trimmed();
    if (items.size() > 1) c.answers = SplitLines(items[1].trimmed());
    if (c.answers.size() > kMaxAnswers) c.answers = c.answers.mid(0, kMaxAnswers);
    if (c.answers.isEmpty()) c.answers << QStringLiteral("+ Antwort");
    return c;
}

QString EncodeChoiceQuestion(const QString& question, const QStringList& answerLines) {
    return EncodeCommaItems({question, answerLines.join(QStringLiteral("\r\n"))});
}

int ChoiceQuestionFsize(int length) {
    return std::max(-1, 5 - std::max(0, length - 60) / 12);
}

const QImage& AnswerBoxPicture(bool ticked) {
    static const QImage pictures[2] = {DrawAnswerBox(false), DrawAnswerBox(true)};
    return pictures[ticked ? 1 : 0];
}

void BuildQuestionObjects(Document& doc, bool rebuild, bool exerciseRunning, int& currentQuestion) {
    if (doc.CurrentHeader.DokTyp != DokEinzelfragen) return;
    if (rebuild) BuildSingleQuestions(doc);
    Reset(doc, TypAntwortFeld, exerciseRunning, currentQuestion);
}

void BuildChoiceObjects(Document& doc, bool rebuild, bool exerciseRunning, int& currentQuestion) {
    if (doc.CurrentHeader.DokTyp != DokMultipleChoice) return;
    if (rebuild) BuildChoiceQuestions(doc);
    Reset(doc, TypMCAntwortBox, exerciseRunning, currentQuestion);
}

} // namespace bw
