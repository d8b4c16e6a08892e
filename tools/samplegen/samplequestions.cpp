#include "samplequestions.h"

#include "samplepictures.h"
#include "view/learnview.h"
#include "view/questionlayout.h"

#include <QPainter>
#include <QPainterPath>

namespace bw::samples {

namespace {

QImage WhitePage() {
    QImage page(1000, 700, QImage::Format_RGB32);
    page.fill(Qt::white);
    return page;
}

QImage SunPicture() {
    QImage img(160, 160, QImage::Format_RGB32);
    img.fill(QColor(200, 230, 255));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(QColor(240, 160, 0), 6, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 12; ++i) {
        p.save();
        p.translate(80, 80);
        p.rotate(i * 30);
        p.drawLine(0, 48, 0, 70);
        p.restore();
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 210, 0));
    p.drawEllipse(QPointF(80, 80), 40, 40);
    return img;
}

QImage FishPicture() {
    QImage img(200, 120, QImage::Format_RGB32);
    img.fill(QColor(170, 215, 240));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(QColor(40, 60, 90), 3));
    p.setBrush(QColor(250, 130, 60));
    p.drawEllipse(QRectF(30, 30, 110, 60));
    QPainterPath tail;
    tail.moveTo(135, 60);
    tail.lineTo(185, 25);
    tail.lineTo(185, 95);
    tail.closeSubpath();
    p.drawPath(tail);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(55, 52), 5, 5);
    return img;
}

ObjDataTyp ChoiceQuestion(const QString& question, const QStringList& answers) {
    ObjDataTyp o;
    o.Typ = TypMCFrage;
    o.Cap = EncodeChoiceQuestion(question, answers);
    o.Sx = o.Kx = 0.05;
    o.Sy = o.Ky = 0.125;
    o.KAusr = 1;
    o.Fsize = 1;
    return o;
}

} // namespace

Document IslandQuestionsDocument() {
    Document doc;
    doc.BaseImage = Picture(WhitePage());
    HeaderDataTyp& h = doc.CurrentHeader;
    h.titel = QStringLiteral("Einzelfragen: Die Insel Lindholm");
    h.autor = QStringLiteral("Brettwerk-Beispiel");
    h.bemerkung = QStringLiteral("Einzelfragen zur Karte der Insel Lindholm.");
    h.DokTyp = DokEinzelfragen;
    h.fragentext =
        QStringLiteral("In welchem Meer liegt die Insel Lindholm? // Nordmeer\r\n"
                       "Wie heißt der größte Hafen der Insel? // Nordhafen\r\n"
                       "An welchem See liegt die Stadt Lindau? // Klarsee\r\n"
                       "Welcher Bach fließt bei Südmünde ins Meer? // Silberbach\r\n"
                       "\r\n"
                       "Was warnt die Schiffe auf dem Ostkap vor den Klippen? // Leuchtturm\r\n"
                       "Wie heißen die Berge im Nordosten der Insel? // Graufels\r\n");
    // The single-question objects are stored with the document.
    LearnView view(doc);
    view.SetViewSize(1000, 700);
    view.BuildQuestionObjects(true);
    return doc;
}

Document IslandChoiceDocument() {
    Document doc;
    doc.BaseImage = Picture(WhitePage());
    HeaderDataTyp& h = doc.CurrentHeader;
    h.titel = QStringLiteral("Multiple-Choice-Fragen: Die Insel Lindholm");
    h.autor = QStringLiteral("Brettwerk-Beispiel");
    h.bemerkung = QStringLiteral(
        "Multiple-Choice-Fragen mit Textantworten, Bildantworten und einem Fragebild.");
    h.DokTyp = DokMultipleChoice;
    auto& objs = doc.CurrentObjects;

    objs.push_back(ChoiceQuestion(QStringLiteral("Welche Orte liegen auf der Insel Lindholm?"),
                                  {QStringLiteral("+Lindau"), QStringLiteral("+Südmünde"),
                                   QStringLiteral("-Hamburg"), QStringLiteral("+Nordhafen"),
                                   QStringLiteral("-Kiel")}));

    ObjDataTyp pictures =
        ChoiceQuestion(QStringLiteral("Was findet man auf dem Ostkap und im Hafen von Lindholm?"),
                       {QStringLiteral("+Leuchtturm"), QStringLiteral("+Segelschiff"),
                        QStringLiteral("-Sonne"), QStringLiteral("-Fisch")});
    pictures.Untertyp = 1;
    pictures.BildAntw[0] = Picture(LighthousePicture());
    pictures.BildAntw[1] = Picture(SailingShipPicture());
    pictures.BildAntw[2] = Picture(SunPicture());
    pictures.BildAntw[3] = Picture(FishPicture());
    objs.push_back(pictures);

    ObjDataTyp map = ChoiceQuestion(
        QStringLiteral("Die Karte zeigt die Insel Lindholm. Welche Aussagen treffen zu?"),
        {QStringLiteral("+Die Insel ist von Meer umgeben."),
         QStringLiteral("-Auf der Insel gibt es keinen See."),
         QStringLiteral("+Im Nordosten liegen Berge."),
         QStringLiteral("-Die Insel ist größer als Europa.")});
    map.Typ = TypMCFrageBild;
    map.Bild = Picture(IslandMap(480, 360));
    objs.push_back(map);

    for (int k = 0; k < static_cast<int>(objs.size()); ++k)
        objs[k].FrageNummer = k + 1;
    return doc;
}

} // namespace bw::samples
