#include "commands.h"

#include "common/messages.h"
#include "document/docfile.h"
#include "view/learnview.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

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

// dump FILE, or with --generated the object list as the learning view holds it after opening
// (generated layouts included, in list order, with their display states), in a view of the
// page's own size unless --view WxH is given.
int RunDump(const QStringList& args) {
    QString file;
    bool generated = false;
    QSize size;
    auto usage = [] {
        PrintErr(QStringLiteral("usage: brettwerk-tool dump FILE | dump --generated FILE "
                                "[--view WxH]"));
        return 2;
    };
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--generated")) {
            generated = true;
        } else if (a == QLatin1String("--view") && i + 1 < args.size()) {
            static const QRegularExpression re(QStringLiteral("^(\\d{1,4})[xX](\\d{1,4})$"));
            const auto m = re.match(args[++i]);
            if (!m.hasMatch()) return usage();
            size = QSize(m.captured(1).toInt(), m.captured(2).toInt());
        } else if (a.startsWith(QLatin1String("--")) || !file.isEmpty()) {
            return usage();
        } else {
            file = a;
        }
    }
    if (file.isEmpty() || (!generated && size.isValid()) || (size.isValid() && size.isEmpty()))
        return usage();
    Document doc;
    if (!Load(file, doc)) return 1;
    int currentQuestion = 0;
    if (generated) {
        LearnView view(doc);
        const QSize page = doc.PageSize();
        const QSize shown = size.isValid() ? size : page.boundedTo(QSize(4096, 4096));
        view.SetViewSize(shown.width(), shown.height());
        view.DocumentLoaded();
        currentQuestion = view.CurrentQuestion;
    }
    QJsonArray objects;
    for (const ObjDataTyp& o : doc.CurrentObjects) {
        QJsonObject j = ObjectJson(o);
        if (generated) {
            j[QStringLiteral("Abgedeckt")] = o.Abgedeckt;
            j[QStringLiteral("Nummer")] = o.Nummer;
        }
        objects.append(j);
    }
    QJsonObject root{{"header", HeaderJson(doc.CurrentHeader)},
                     {"objects", objects},
                     {"baseImage", PictureJson(doc.BaseImage)}};
    if (generated) root[QStringLiteral("CurrentQuestion")] = currentQuestion;
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
