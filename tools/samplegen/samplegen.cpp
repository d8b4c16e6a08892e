// Writes the sample documents that the program opens on first start:
//   insel-karte.bwk        a labelling document on a drawn island map
//   insel-lueckentext.bwk  a cloze text about the same island
//   insel-fragen.bwk       single questions about it
//   insel-multiple-choice.bwk  multiple choice with text and picture answers
// usage: samplegen OUTPUT_FOLDER

#include "authoring/authoring.h"
#include "authoring/newdocument.h"
#include "authoring/objecttypes.h"
#include "document/docfile.h"
#include "samplepictures.h"
#include "samplequestions.h"
#include "view/learnview.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

using namespace bw;
using namespace bw::samples;

namespace {

const QString kMapFile = QStringLiteral("insel-karte.bwk");
const QString kClozeFile = QStringLiteral("insel-lueckentext.bwk");

// The map sits in a page with a white margin of 10 % of its width on the left and right.
constexpr double kMarginX = 0.1;

QPointF PageFraction(QPointF picture) {
    return {(kMarginX + picture.x()) / (1 + 2 * kMarginX), picture.y()};
}

ObjDataTyp Card(int typ, const QString& cap, QPointF anchor, QPointF card, int kausr) {
    ObjDataTyp o;
    o.Typ = typ;
    o.Cap = cap;
    o.Sx = anchor.x();
    o.Sy = anchor.y();
    o.Kx = card.x();
    o.Ky = card.y();
    o.KAusr = kausr;
    o.KAusrAkt = kausr; // 0: chosen automatically at the first drawing
    o.Sline = anchor == card ? 0 : 1;
    o.Ebene = 1;
    o.Abgedeckt = -1;
    return o;
}

// Made as an author makes it: a new labelling document on the map, then each object
// through "Neu" and the editor's store, each an undo step of the authoring commands.
Document IslandMapDocument() {
    Document doc;
    // 10 % of the map's width as margin left and right: a page of 8 : 5 around 4 : 3.
    MakeNewDocument(doc, DokBildbeschriftung, {1, 8, 5}, IslandMap(1200, 900),
                    QStringLiteral("Die Insel Lindholm"), QStringLiteral("Brettwerk-Beispiel"));
    DocumentEditor editor(doc);
    Authoring authoring(editor);
    const HeaderDataTyp& h = doc.CurrentHeader;
    authoring.SetProperties(h.titel, h.autor,
                            QStringLiteral("Bildbeschriftung mit Abfragefeldern, Bildkarte, "
                                           "Infopunkt und Verknüpfung zum Lückentext."),
                            0, 0);
    std::vector<ObjDataTyp> objs;
    const auto places = IslandPlaces();
    auto at = [&](int i) { return PageFraction(places[i].at); };
    // Towns, mountains, river and lake as query labels; some sides fixed, some automatic.
    objs.push_back(Card(TypAbfrage, places[0].name, at(0), {0.40, 0.12}, 3));
    objs.push_back(Card(TypAbfrage, places[1].name, at(1), at(1) + QPointF(-0.02, 0.09), 0));
    objs.push_back(Card(TypAbfrage, places[2].name, at(2), at(2) + QPointF(0.04, 0.05), 1));
    objs.push_back(Card(TypAbfrage, places[3].name, at(3), at(3) + QPointF(-0.08, 0.04), 3));
    objs.push_back(Card(TypAbfrage, places[4].name, at(4), PageFraction({0.04, 0.66}), 4));
    objs.push_back(Card(TypAbfrage, places[5].name, at(5), at(5) + QPointF(0.05, -0.12), 2));
    objs.push_back(Card(TypAbfrage, places[6].name, at(6), at(6) + QPointF(0.10, 0.02), 0));
    objs.push_back(Card(TypAbfrage, places[7].name, at(7), at(7) + QPointF(-0.05, -0.17), 2));

    // The lighthouse as a query image in the right margin.
    ObjDataTyp light = Card(TypAbfrageBild, places[8].name, at(8), {0.958, 0.36}, 4);
    light.Bild = Picture(LighthousePicture());
    light.Fsize = 22;
    objs.push_back(light);

    // Fixed labels and a fixed picture.
    ObjDataTyp title =
        Card(TypFix, QStringLiteral("Insel Lindholm"), {0.5, 0.025}, {0.5, 0.025}, 4);
    title.Fsize = 6;
    title.Stil = 1;
    objs.push_back(title);
    ObjDataTyp sea = Card(TypFix, QStringLiteral("Nordmeer"), {0.80, 0.08}, {0.80, 0.08}, 1);
    sea.Stil = 2;
    sea.Farbe = 0x00703010; // dark blue, as 0x00BBGGRR
    objs.push_back(sea);
    ObjDataTyp bay = Card(TypFix, QStringLiteral("Ostbucht\r\n(flach)"), PageFraction({0.92, 0.80}),
                          PageFraction({0.92, 0.80}), 1);
    bay.TAusr = 1;
    bay.Fsize = -4;
    bay.Farbe = 0x00703010;
    objs.push_back(bay);
    ObjDataTyp ship = Card(TypFixBild, QStringLiteral("Segelschiff"), PageFraction({0.06, 0.86}),
                           PageFraction({0.06, 0.86}), 1);
    ship.Bild = Picture(SailingShipPicture());
    ship.Fsize = 12;
    objs.push_back(ship);

    // Info point on the lighthouse and a link to the cloze text.
    ObjDataTyp info =
        Card(TypInfopunkt,
             QStringLiteral("<B>Der Leuchtturm von Lindholm</B>\r\n"
                            "Er steht seit 1872 auf dem Ostkap und warnt die Schiffe vor den "
                            "Klippen der <I>Ostbucht</I>.\r\n"
                            "\r\n"
                            "<U>Steckbrief</U>\r\n"
                            "Höhe:<@POSX=45%><@REB=04>  38 m\r\n"
                            "Reichweite:<@POSX=45%><@REB=04>  24 km\r\n"
                            "Stufen:<@POSX=45%><@REB=04> 212\r\n"
                            "<@LINIE>\r\n"
                            "Weiter mit dem Lückentext: Punkt <B>Dok.</B> unten rechts."),
             PageFraction({0.80, 0.57}), PageFraction({0.80, 0.57}), 3);
    info.Ebene = 2;
    objs.push_back(info);
    ObjDataTyp link = Card(TypLinkIntern, kClozeFile, {0.95, 0.94}, {0.95, 0.94}, 3);
    link.Ebene = 2;
    objs.push_back(link);
    for (const ObjDataTyp& o : objs) {
        const int index = authoring.NewObject(TypeIndexFromTyp(o.Typ), {});
        authoring.StoreObject(index, o);
    }
    return doc;
}

Document IslandClozeDocument() {
    Document doc;
    QImage page(1000, 700, QImage::Format_RGB32);
    page.fill(Qt::white);
    doc.BaseImage = Picture(page);
    HeaderDataTyp& h = doc.CurrentHeader;
    h.titel = QStringLiteral("Lückentext: Die Insel Lindholm");
    h.autor = QStringLiteral("Brettwerk-Beispiel");
    h.bemerkung = QStringLiteral("Lückentext mit Buchstaben-Nummerierung.");
    h.DokTyp = DokLueckentext;
    h.NumArt = 1;
    h.lueckentext = QStringLiteral(
        "<B>Die Insel Lindholm</B>\r\n"
        "\r\n"
        "Lindholm liegt im <<Nordmeer>>. Der größte Hafen der Insel ist <<Nordhafen>>, "
        "von dort fahren die Fähren zum Festland.\r\n"
        "In der Mitte der Insel liegt der <<Klarsee>>; an seinem Ufer steht die Stadt "
        "<<Lindau>>.\r\n"
        "Im Nordosten erheben sich die Berge von <<Graufels>>. Dort entspringt der "
        "<<Silberbach>>, der bei <<Südmünde>> ins Meer fließt.\r\n"
        "Auf dem Ostkap warnt ein <<Leuchtturm>> die Schiffe vor den Klippen.\r\n"
        "\r\n"
        "<I>Tipp:</I> Klicke auf ein Feld, um die Lösung zu sehen.");

    // Lay the gaps out once at the page's own size; the view moves them at any other size.
    LearnView view(doc);
    view.SetViewSize(page.width(), page.height());
    view.RedrawView();
    view.BuildClozeObjects(true);

    ObjDataTyp link;
    link.Typ = TypLinkIntern;
    link.Cap = QStringLiteral(".\\") + kMapFile; // written the Windows way on purpose
    link.Sx = link.Kx = 0.95;
    link.Sy = link.Ky = 0.93;
    link.KAusr = link.KAusrAkt = 3;
    link.Ebene = 2;
    doc.CurrentObjects.push_back(link);
    return doc;
}

bool Write(Document doc, const QString& path) {
    const DocResult r = WriteDocumentFile(path, doc);
    if (!r.ok) std::fprintf(stderr, "samplegen: cannot write %s\n", qPrintable(path));
    return r.ok;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: samplegen OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.exists() && !QDir().mkpath(out.path())) {
        std::fprintf(stderr, "samplegen: cannot create %s\n", argv[1]);
        return 1;
    }
    bool ok = Write(IslandMapDocument(), out.filePath(kMapFile));
    ok = Write(IslandClozeDocument(), out.filePath(kClozeFile)) && ok;
    ok = Write(IslandQuestionsDocument(), out.filePath(QStringLiteral("insel-fragen.bwk"))) && ok;
    ok = Write(IslandChoiceDocument(), out.filePath(QStringLiteral("insel-multiple-choice.bwk"))) &&
         ok;
    return ok ? 0 : 1;
}
