#include "commands.h"

#include "common/messages.h"
#include "document/docfile.h"
#include "document/imagecodec.h"
#include "document/safefile.h"
#include "view/learnview.h"

#include <QRegularExpression>
#include <cstdio>

namespace bw::tool {

namespace {

void PrintErr(const QString& text) {
    std::fputs(text.toUtf8().constData(), stderr);
    std::fputc('\n', stderr);
}

int Usage() {
    PrintErr(QStringLiteral(
        "usage: brettwerk-tool render FILE OUT.png --view WxH [--zoom 0|2|4] [--uncover]"));
    return 2;
}

} // namespace

// The view bitmap as the learning view shows it right after opening the document in a
// picture control of W x H pixels: ordered numbering, all layers on, fields covered.
int RunRender(const QStringList& args) {
    QStringList files;
    QSize size;
    int zoom = 0;
    bool uncover = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--view") && i + 1 < args.size()) {
            static const QRegularExpression re(QStringLiteral("^(\\d{1,5})[xX](\\d{1,5})$"));
            const auto m = re.match(args[++i]);
            if (!m.hasMatch()) return Usage();
            size = QSize(m.captured(1).toInt(), m.captured(2).toInt());
        } else if (a == QLatin1String("--zoom") && i + 1 < args.size()) {
            const QString z = args[++i];
            if (z != QLatin1String("0") && z != QLatin1String("2") && z != QLatin1String("4"))
                return Usage();
            zoom = z.toInt();
        } else if (a == QLatin1String("--uncover")) {
            uncover = true;
        } else if (a.startsWith(QLatin1String("--"))) {
            return Usage();
        } else {
            files << a;
        }
    }
    // The page bitmaps at 200 % are several times the view; keep them within reach of memory.
    constexpr int kMaxView = 8192;
    if (files.size() != 2 || size.width() < 1 || size.height() < 1 || size.width() > kMaxView ||
        size.height() > kMaxView)
        return Usage();

    Document doc;
    const DocResult r = ReadDocumentFile(files[0], doc, false);
    for (DocMessage m : r.messages)
        PrintErr(DocMessageText(m, files[0]));
    if (!r.ok) return 1;

    LearnView view(doc);
    view.SetViewSize(size.width(), size.height());
    view.NumberMode = 1;
    for (int layer = 0; layer < kLayerCount; ++layer)
        view.SetLayerVisible(layer, true);
    view.DocumentLoaded(zoom);
    if (uncover) view.UncoverAll();

    const QByteArray png = EncodePng(view.ViewImage());
    if (png.isEmpty() || !WriteFileSafely(files[1], png)) {
        PrintErr(FileWriteErrorText(files[1]));
        return 1;
    }
    return 0;
}

} // namespace bw::tool
