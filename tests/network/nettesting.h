#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QString>
#include <functional>
#include <unistd.h>

namespace bw::test {

// A channel of its own for each test process, so parallel runs do not share a port.
inline QString UniqueChannel(const char* prefix) {
    return QString::fromLatin1(prefix) + QString::number(::getpid() % 100000);
}

// Lets the event loop run until done() or the time is up. The limit is generous: started
// tools are slow to come up on a loaded machine and under the sanitizers, and a test that
// passes returns as soon as done() holds.
inline bool SpinUntil(const std::function<bool()>& done, int ms = 20000) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

} // namespace bw::test
