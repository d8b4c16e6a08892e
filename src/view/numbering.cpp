#include "view/numbering.h"

#include <QCollator>
#include <QRandomGenerator>
#include <algorithm>

namespace bw {

namespace {

int Bounded(QRandomGenerator* rng, int n) {
    return n <= 1 ? 0 : static_cast<int>(rng->bounded(n));
}

bool HasAnswerBoxes(const Document& doc) {
    return std::any_of(doc.CurrentObjects.begin(), doc.CurrentObjects.end(),
                       [](const ObjDataTyp& o) { return o.Typ == TypMCAntwortBox; });
}

bool InQueryList(int dokTyp, int typ) {
    if (dokTyp == DokEinzelfragen) return typ == TypAntwortFeld;
    return typ == TypAbfrage || typ == TypLuecke || typ == TypAbfrageBild || typ == TypMCFrage ||
           typ == TypMCFrageBild;
}

} // namespace

NumberingList BuildNumbering(Document& doc, int mode, QRandomGenerator* rng) {
    if (!rng) rng = QRandomGenerator::global();
    auto& objs = doc.CurrentObjects;
    const int dokTyp = doc.CurrentHeader.DokTyp;
    const bool choice = dokTyp == DokMultipleChoice && HasAnswerBoxes(doc);

    NumberingList list;
    std::vector<bool> listed(objs.size(), false);
    for (int i = 0; i < doc.ObjectCount(); ++i) {
        const int typ = objs[i].Typ;
        if (choice ? typ == TypMCAntwortBox : InQueryList(dokTyp, typ)) {
            list.push_back({-1, i});
            listed[i] = true;
        }
    }

    if (!choice) {
        if (mode == NumberOrdered) {
            // Equal keys keep their list order.
            if (doc.CurrentHeader.GeordnetArt == 1) {
                QCollator coll;
                coll.setCaseSensitivity(Qt::CaseInsensitive);
                std::stable_sort(list.begin(), list.end(), [&](const auto& a, const auto& b) {
                    return coll.compare(objs[a.position].Cap, objs[b.position].Cap) < 0;
                });
            } else {
                std::stable_sort(list.begin(), list.end(), [&](const auto& a, const auto& b) {
                    const ObjDataTyp& oa = objs[a.position];
                    const ObjDataTyp& ob = objs[b.position];
                    if (oa.Ky != ob.Ky) return oa.Ky < ob.Ky;
                    return oa.Kx < ob.Kx;
                });
            }
        } else if (mode == NumberRandom) {
            const int n = static_cast<int>(list.size());
            for (int i = 0; i < n; ++i)
                std::swap(list[i], list[Bounded(rng, n)]);
        }
    }

    for (int j = 0; j < static_cast<int>(list.size()); ++j) {
        ObjDataTyp& o = objs[list[j].position];
        switch (o.Typ) {
        case TypAbfrage:
        case TypLuecke:
        case TypAbfrageBild:
            o.Nummer = mode == NumberQuestionMark ? 0 : j + 1;
            break;
        case TypAntwortFeld:
            o.Nummer = 0;
            break;
        case TypMCFrage:
        case TypMCFrageBild:
            o.Nummer = -1;
            o.Abgedeckt = Aufgedeckt;
            break;
        default:
            break;
        }
    }

    // Answer boxes are numbered per question: each run of boxes with one FrageNummer.
    if (choice) {
        std::size_t j = 0;
        while (j < list.size()) {
            std::size_t end = j;
            const int q = objs[list[j].position].FrageNummer;
            while (end < list.size() && objs[list[end].position].FrageNummer == q)
                ++end;
            const int count = static_cast<int>(end - j);
            std::vector<int> numbers(count);
            for (int k = 0; k < count; ++k)
                numbers[k] = k + 1;
            // A permutation of the run's own size, so a box count that differs from
            // AntwortAnz cannot leave a box without a number.
            if (mode == NumberRandom) {
                for (int k = count - 1; k > 0; --k)
                    std::swap(numbers[k], numbers[Bounded(rng, k + 1)]);
            }
            for (int k = 0; k < count; ++k)
                objs[list[j + k].position].Nummer = mode == NumberQuestionMark ? 0 : numbers[k];
            j = end;
        }
    }

    for (std::size_t i = 0; i < objs.size(); ++i) {
        if (!listed[i]) {
            objs[i].Nummer = -1;
            objs[i].Abgedeckt = Aufgedeckt;
        }
    }
    return list;
}

QString LetterText(int n) {
    if (n < 1) return QStringLiteral("?");
    QString s(QChar(u'A' + (n - 1) % 26));
    s += QString((n - 1) / 26, QLatin1Char('\''));
    return s;
}

QString NumberText(const Document& doc, int index) {
    if (!doc.ValidIndex(index)) return QStringLiteral("?");
    const int n = doc.CurrentObjects[index].Nummer;
    if (n <= 0) return QStringLiteral("?");
    if (doc.CurrentHeader.NumArt == 1) return LetterText(n);
    return QString::number(n);
}

} // namespace bw
