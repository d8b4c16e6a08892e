// The floor of bench_startup: a bare Qt program that shows an empty main window of the
// program's size.

#include "startupprobe.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    bw::bench::InstallStartupProbe({});
    QMainWindow window;
    window.resize(1076, 780);
    window.show();
    return QApplication::exec();
}
