#include "app/run.h"

#include "document/safefile.h"
#include "platform/widgets/germanqt.h"
#include "platform/widgets/programstyle.h"
#include "platform/widgets/qtprompter.h"
#include "shell/widgets/tform1.h"

#include <QApplication>

namespace bw {

int RunProgram(int argc, char** argv, Edition edition) {
    IgnoreFileSizeSignal();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brettwerk"));
    QApplication::setOrganizationName(QStringLiteral("Brettwerk"));
    UseGermanQtTexts(app);
    UseProgramStyle(app);
    QtPrompter prompter;
    InstallPrompter(&prompter);
    int rc = 0;
    {
        TForm1 form(edition);
        form.SetCommandLine(app.arguments().mid(1));
        prompter.SetParent(&form);
        if (!form.FormCreate()) return 0; // the display check said No
        form.show();
        rc = QApplication::exec();
    }
    InstallPrompter(nullptr);
    return rc;
}

} // namespace bw
