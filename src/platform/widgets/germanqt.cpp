#include "platform/widgets/germanqt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace bw {

namespace {

// Key names as German keyboards label the keys, where Qt's catalogue says it otherwise
// ("Bild abwärts") or not at all ("Return").
class KeyNames : public QTranslator {
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        if (qstrcmp(context, "QShortcut") != 0) return {};
        static const std::pair<const char*, const char*> names[] = {
            {"PgUp", "Bild auf"}, {"PgDown", "Bild ab"}, {"Return", "Eingabe"},
            {"Enter", "Eingabe"}, {"Up", "Oben"},        {"Down", "Unten"},
            {"Left", "Links"},    {"Right", "Rechts"},
        };
        for (const auto& [english, german] : names) {
            if (qstrcmp(source, english) == 0) return QString::fromUtf8(german);
        }
        return {};
    }
};

} // namespace

bool UseGermanQtTexts(QCoreApplication& app) {
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    auto* catalogue = new QTranslator(&app);
    const bool loaded = catalogue->load(QStringLiteral("qtbase_de"),
                                        QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (loaded)
        QCoreApplication::installTranslator(catalogue);
    else
        delete catalogue;
    // Installed last, so asked first.
    QCoreApplication::installTranslator(new KeyNames(&app));
    return loaded;
}

} // namespace bw
