#include "exercise/bestlistfolders.h"

#include "common/helpers.h"

namespace bw {

namespace {

struct FolderTexts {
    const char16_t* group;
    const char16_t* explanation;
    const char16_t* title;
    const char16_t* invalid;
};

const FolderTexts kTexts[DataFolders::Count] = {
    {u" Ordner für Bestenlisten ",
     u"In diesem Ordner werden die Bestenlisten gepeichert. Wenn hierfür ein Netzwerk-Ordner "
     u"\nangegeben wird, so wird eine gemeinsame Liste für alle Rechner geführt, die darauf "
     u"zugreifen, \nansonsten nur für den lokalen Rechner.",
     u"Ordner für Bestenlisten festlegen",
     u"Der angegebene Ordner für die Bestenlisten ist ungültig."},
    {u" Ordner für Protokolle ",
     u"In diesem Ordner werden die Übungsprotokolle automatisch gespeichert.",
     u"Ordner für Protokolle festlegen", u"Der angegebene Ordner für die Protokolle ist ungültig."},
    {u" Ordner für Chronik-Screenshots ",
     u"In diesem Ordner werden die Chronik-Screenshots gespeichert.",
     u"Ordner für Chronik-Screenshots festlegen",
     u"Der angegebene Ordner für die Chronik-Screenshots ist ungültig."},
    {u" Ordner für Tauschbörse ",
     u"In diesem Ordner werden die aus der Internet-Tauschbörse heruntergeladenen Dokumente "
     u"gespeichert.",
     u"Ordner für Tauschbörse festlegen",
     u"Der angegebene Ordner für die Tauschbörse ist ungültig."},
};

} // namespace

std::optional<DataFolderProblem> CheckDataFolders(DataFolders& f) {
    constexpr DataFolders::Index kOrder[] = {DataFolders::Chronik, DataFolders::Protokolle,
                                             DataFolders::BestListen, DataFolders::Tauschboerse};
    for (DataFolders::Index i : kOrder) {
        QString& folder = f.folder[i];
        folder = folder.trimmed();
        if (!folder.isEmpty()) folder = FolderWithSlash(folder);
        if (!DirectoryExists(folder))
            return DataFolderProblem{i, QString::fromUtf16(kTexts[i].invalid)};
    }
    return std::nullopt;
}

QString DataFolderGroupCaption(DataFolders::Index i) {
    return QString::fromUtf16(kTexts[i].group);
}

QString DataFolderExplanation(DataFolders::Index i) {
    return QString::fromUtf16(kTexts[i].explanation);
}

QString DataFolderBrowseTitle(DataFolders::Index i) {
    return QString::fromUtf16(kTexts[i].title);
}

QString DataFolderFootnote() {
    return QStringLiteral("Für alle Ordner ist Lese- und Schreibberechtigung erforderlich bei "
                          "Nutzung der entsprechenden Funktionen.\ngenutzt werden.");
}

} // namespace bw
