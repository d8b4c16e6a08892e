// new OUT.bwk --type 0..3 ...: a new document as "Neues Dokument anlegen" makes it.
// previews FOLDER|FILE [--height H]: the preview pictures of "Vorschaubilder generieren".
#include "commands.h"

#include "authoring/contenttext.h"
#include "authoring/newdocument.h"
#include "authoring/preview.h"
#include "common/messages.h"
#include "document/docfile.h"
#include "document/documenteditor.h"
#include "platform/system.h"
#include "shell/folders.h"
#include "shell/settings.h"
#include "shell/settingsstore.h"
#include "view/learnview.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <cstdio>

namespace bw::tool {

namespace {

// The learning view as the authoring window shows a document.
constexpr int kLearningViewWidth = 870;
constexpr int kLearningViewHeight = 609;

void PrintErr(const QString& text) {
    std::fputs(text.toUtf8().constData(), stderr);
    std::fputc('\n', stderr);
}

void PrintOut(const QString& text) {
    std::fputs(text.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
}

// The page ratio of new documents in force: stored settings, then the central config.ini.
PageRatioDefaults RatioInForce() {
    Settings s = DefaultSettings(DefaultFolders(ExecutableFolder()));
    SettingsStore store;
    store.Load();
    ReadStoredSettings(s, store);
    LoadCentralSettings(s, s.ConfigDatei);
    return {s.DokSeitRatioArt, s.DokSeitRatioBreite, s.DokSeitRatioHoehe};
}

int NewUsage() {
    PrintErr(QStringLiteral("usage: brettwerk-tool new OUT.bwk --type 0..3 [--base IMAGE] "
                            "[--title TEXT] [--author TEXT] [--text FILE]"));
    return 2;
}

int PreviewsUsage() {
    PrintErr(QStringLiteral("usage: brettwerk-tool previews FOLDER|FILE [--height H]"));
    return 2;
}

} // namespace

int RunNew(const QStringList& args) {
    QString out, base, title, author, textFile;
    int type = -1;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == QLatin1String("--type") && hasValue) {
            bool ok = false;
            type = args[++i].toInt(&ok);
            if (!ok || type < 0 || type > 3) return NewUsage();
        } else if (a == QLatin1String("--base") && hasValue) {
            base = args[++i];
        } else if (a == QLatin1String("--title") && hasValue) {
            title = args[++i];
        } else if (a == QLatin1String("--author") && hasValue) {
            author = args[++i];
        } else if (a == QLatin1String("--text") && hasValue) {
            textFile = args[++i];
        } else if (a.startsWith(QLatin1String("--")) || !out.isEmpty()) {
            return NewUsage();
        } else {
            out = a;
        }
    }
    if (out.isEmpty() || type < 0 || (!textFile.isEmpty() && type == 0)) return NewUsage();
    // A new document never replaces one that is there: that one may hold a teacher's work.
    if (QFileInfo::exists(out) || QFileInfo(out).isSymLink()) {
        PrintErr(QStringLiteral("%1: existiert bereits").arg(out));
        return 1;
    }

    QImage image;
    if (!base.isEmpty()) {
        switch (LoadAuthoringPicture(base, image)) {
        case PictureLoad::Ok:
            break;
        case PictureLoad::BadExtension:
            PrintErr(base + QStringLiteral(": ") + BadExtensionText());
            return 1;
        case PictureLoad::Unreadable:
            PrintErr(FileReadErrorText(base));
            return 1;
        }
    }
    // The text is checked before anything is written: a bad character names its place.
    ContentText content;
    if (!textFile.isEmpty()) {
        content = ReadContentText(textFile, type);
        if (!content.ok) {
            PrintErr(textFile + QStringLiteral(": ") + content.message);
            return 1;
        }
    }
    Document doc;
    MakeNewDocument(doc, type, RatioInForce(), image, title, author);
    if (!textFile.isEmpty()) {
        DocumentEditor editor(doc);
        if (type == 1) StoreClozeText(editor, content.text);
        if (type == 2) StoreQuestionText(editor, content.text);
        if (type == 3) StoreChoiceQuestions(editor, content.questions);
        // The gaps and single questions are stored with the objects generated from them, as
        // the window saves them after the editor: laid out in the learning view's size.
        LearnView view(doc);
        view.SetViewSize(kLearningViewWidth, kLearningViewHeight);
        view.RebuildGeneratedObjects();
    }
    const DocResult r = WriteDocumentFile(out, doc);
    for (DocMessage m : r.messages)
        PrintErr(DocMessageText(m, out));
    return r.ok ? 0 : 1;
}

int RunPreviews(const QStringList& args) {
    QString target;
    int height = kPreviewDefaultHeight;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--height") && i + 1 < args.size()) {
            bool ok = false;
            height = args[++i].toInt(&ok);
            if (!ok || height < kPreviewMinHeight || height > kPreviewMaxHeight)
                return PreviewsUsage();
        } else if (a.startsWith(QLatin1String("--")) || !target.isEmpty()) {
            return PreviewsUsage();
        } else {
            target = a;
        }
    }
    if (target.isEmpty()) return PreviewsUsage();

    QStringList files;
    QString folder;
    const QFileInfo fi(target);
    if (fi.isDir()) {
        folder = fi.absoluteFilePath();
        const QDir dir(folder);
        for (const QString& name : dir.entryList(
                 {QStringLiteral("*.bwk")}, QDir::Files | QDir::Hidden | QDir::System, QDir::Name))
            files << dir.filePath(name);
    } else if (fi.isFile()) {
        folder = fi.absolutePath();
        files << fi.absoluteFilePath();
    } else {
        PrintErr(FileMissingText(target));
        return 1;
    }
    const QString previewFolder = PreviewFolder(QString(), folder);
    if (!EnsurePreviewFolder(previewFolder)) {
        PrintErr(PreviewFolderErrorText(previewFolder));
        return 1;
    }

    // The learning view's picture control at the renderer's reference width.
    const QSize viewSize(kLearningViewWidth, kLearningViewHeight);
    int failed = 0;
    for (int i = 0; i < files.size(); ++i) {
        PrintErr(QStringLiteral("Bearbeite Dokument Nr. %1 von %2: %3")
                     .arg(i + 1)
                     .arg(files.size())
                     .arg(QDir::toNativeSeparators(files[i])));
        DocResult r;
        const QImage view = RenderOpenedDocument(files[i], viewSize, r);
        for (DocMessage m : r.messages)
            PrintErr(DocMessageText(m, files[i]));
        if (view.isNull()) {
            ++failed;
            continue;
        }
        const QString out = QDir(previewFolder).filePath(PreviewFileName(files[i], height));
        if (!WritePreviewImage(view, height, out)) {
            PrintErr(FileWriteErrorText(out));
            ++failed;
            continue;
        }
        PrintOut(out);
    }
    return failed == 0 ? 0 : 1;
}

} // namespace bw::tool
