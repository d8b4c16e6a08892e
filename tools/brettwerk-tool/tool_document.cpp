#include "commands.h"

#include "document/docfile.h"
#include "common/messages.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace bw::tool {

namespace {

void PrintErr(const QString& text) {
    std::fputs(text.toUtf8().constData(), stderr);
    std::fputc('\n', stderr);
}

void PrintOut(const QByteArray& utf8) {
    std::fwrite(utf8.constData(), 1, size_t(utf8.size()), stdout);
}

void PrintMessages(const DocResult& r, const QString& path) {
    for (DocMessage m : r.messages)
        PrintErr(DocMessageText(m, path));
}

bool Load(const QString& path, Document& doc) {
    const DocResult r = ReadDocumentFile(path, doc, false);
    PrintMessages(r, path);
    return r.ok;
}

QJsonValue PictureJson(const Picture& p) {
    if (p.isNull()) return QJsonValue::Null;
    return QJsonObject{{"width", p.width()}, {"height", p.height()}};
}

QJsonObject RectJson(const DoubleRect& r) {
    return {{"left", r.left}, {"top", r.top}, {"right", r.right}, {"bottom", r.bottom}};
}

QJsonObject HeaderJson(const HeaderDataTyp& h) {
    return {{"vers", h.vers},
            {"titel", h.titel},
            {"autor", h.autor},
            {"bemerkung", h.bemerkung},
            {"lueckentext", h.lueckentext},
            {"fragentext", h.fragentext},
            {"AnzFrageNummern", h.AnzFrageNummern},
            {"DokTyp", h.DokTyp},
            {"RandErw", RectJson(h.RandErw)},
            {"NumArt", h.NumArt},
            {"GeordnetArt", h.GeordnetArt}};
}

QJsonObject ObjectJson(const ObjDataTyp& o) {
    QJsonArray answers;
    for (const Picture& p : o.BildAntw)
        answers.append(PictureJson(p));
    return {{"Sx", o.Sx},
            {"Sy", o.Sy},
            {"Kx", o.Kx},
            {"Ky", o.Ky},
            {"Cap", o.Cap},
            {"KAusr", o.KAusr},
            {"TAusr", o.TAusr},
            {"Ebene", o.Ebene},
            {"Typ", o.Typ},
            {"Sline", o.Sline},
            {"Fsize", o.Fsize},
            {"KAusrAkt", o.KAusrAkt},
            {"FrageNummer", o.FrageNummer},
            {"Stil", o.Stil},
            {"Farbe", o.Farbe},
            {"Untertyp", o.Untertyp},
            {"AntwortAnz", o.AntwortAnz},
            {"Bild", PictureJson(o.Bild)},
            {"BildAntw", answers}};
}

QString DokTypName(int typ) {
    switch (typ) {
    case DokBildbeschriftung:
        return QStringLiteral("Bildbeschriftung");
    case DokLueckentext:
        return QStringLiteral("Lückentext");
    case DokEinzelfragen:
        return QStringLiteral("Einzelfragen");
    case DokMultipleChoice:
        return QStringLiteral("Multiple-Choice-Fragen");
    default:
        return QStringLiteral("unbekannt");
    }
}

} // namespace

int RunInfo(const QStringList& args) {
    if (args.size() != 1) {
        PrintErr(QStringLiteral("usage: brettwerk-tool info FILE"));
        return 2;
    }
    Document doc;
    if (!Load(args[0], doc)) return 1;
    const HeaderDataTyp& h = doc.CurrentHeader;
    const QString text =
        QStringLiteral("title: %1\ntype: %2 (%3)\nobjects: %4\nbase image: %5 x %6\n")
            .arg(h.titel)
            .arg(h.DokTyp)
            .arg(DokTypName(h.DokTyp))
            .arg(doc.ObjectCount())
            .arg(doc.BaseImage.width())
            .arg(doc.BaseImage.height());
    PrintOut(text.toUtf8());
    return 0;
}

int RunDump(const QStringList& args) {
    if (args.size() != 1) {
        PrintErr(QStringLiteral("usage: brettwerk-tool dump FILE"));
        return 2;
    }
    Document doc;
    if (!Load(args[0], doc)) return 1;
    QJsonArray objects;
    for (const ObjDataTyp& o : doc.CurrentObjects)
        objects.append(ObjectJson(o));
    const QJsonObject root{{"header", HeaderJson(doc.CurrentHeader)},
                           {"objects", objects},
                           {"baseImage", PictureJson(doc.BaseImage)}};
    PrintOut(QJsonDocument(root).toJson(QJsonDocument::Indented));
    return 0;
}

int RunConvert(const QStringList& args) {
    if (args.size() != 2) {
        PrintErr(QStringLiteral("usage: brettwerk-tool convert IN OUT"));
        return 2;
    }
    Document doc;
    if (!Load(args[0], doc)) return 1;
    const DocResult w = WriteDocumentFile(args[1], doc);
    PrintMessages(w, args[1]);
    return w.ok ? 0 : 1;
}

} // namespace bw::tool
