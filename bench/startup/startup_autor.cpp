// The authoring edition as it starts from its own main(), with the start-up probe.

#include "app/run.h"
#include "shell/widgets/tform1.h"
#include "startupprobe.h"

#include <QCoreApplication>

namespace {

void Install() {
    bw::bench::InstallStartupProbe([](QWidget* w) {
        if (w->objectName() != QLatin1String("LernKartPicImg")) return false;
        auto* form = qobject_cast<bw::TForm1*>(w->window());
        return form && !form->workspace().doc.CurrentHeader.Datei.isEmpty();
    });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(Install)

int main(int argc, char** argv) {
    return bw::RunProgram(argc, argv, bw::Edition::Autor);
}
