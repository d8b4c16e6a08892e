#include "platform/sharedfile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <cerrno>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace bw {

namespace {

struct flock WholeFile(bool exclusive) {
    struct flock fl = {};
    fl.l_type = exclusive ? F_WRLCK : F_RDLCK;
    fl.l_whence = SEEK_SET;
    fl.l_start = 0;
    fl.l_len = 0; // the whole file, however long it grows
    return fl;
}

bool LockBusy(int error) {
    return error == EAGAIN || error == EACCES || error == EINTR;
}

#if defined(__linux__) && defined(F_OFD_SETLKW)

void WakeUp(int) {}

// Waits in the kernel's queue of lock waiters, so that a waiter gets the lock as soon as it
// is free instead of whenever its next poll happens to come. A timer signal to this thread
// interrupts the wait every few milliseconds to check the deadline (a signal that came just
// before the wait began only costs one interval).
bool WaitForLock(int fd, bool exclusive, int waitMs, int& error) {
    static const int kSignal = [] {
        struct sigaction sa = {};
        sa.sa_handler = WakeUp; // no SA_RESTART: the wait returns EINTR
        sigemptyset(&sa.sa_mask);
        sigaction(SIGRTMIN + 3, &sa, nullptr);
        return SIGRTMIN + 3;
    }();
    struct flock fl = WholeFile(exclusive);
    if (::fcntl(fd, F_OFD_SETLK, &fl) == 0) return true;
    error = errno;
    if (!LockBusy(error) || waitMs <= 0) return false;

    struct sigevent sev = {};
    sev.sigev_notify = SIGEV_THREAD_ID;
    sev.sigev_signo = kSignal;
    sev._sigev_un._tid = ::gettid();
    timer_t timer;
    if (::timer_create(CLOCK_MONOTONIC, &sev, &timer) != 0) return false;
    struct itimerspec every = {};
    every.it_value.tv_nsec = 5'000'000;
    every.it_interval.tv_nsec = 5'000'000;
    ::timer_settime(timer, 0, &every, nullptr);
    QElapsedTimer waited;
    waited.start();
    bool locked = false;
    for (;;) {
        fl = WholeFile(exclusive);
        if (::fcntl(fd, F_OFD_SETLKW, &fl) == 0) {
            locked = true;
            break;
        }
        error = errno;
        if (error != EINTR || waited.elapsed() >= waitMs) break;
    }
    ::timer_delete(timer);
    return locked;
}

#else

bool WaitForLock(int fd, bool exclusive, int waitMs, int& error) {
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        struct flock fl = WholeFile(exclusive);
        if (::fcntl(fd, F_SETLK, &fl) == 0) return true;
        error = errno;
        if (!LockBusy(error) || waited.elapsed() >= waitMs) return false;
        QThread::usleep(500);
    }
}

#endif

} // namespace

SharedFile::~SharedFile() {
    Close();
}

SharedFile::Status SharedFile::Open(const QString& path, Access access, int lockWaitMs) {
    Close();
    const QByteArray name = QFile::encodeName(path);
    // Non-blocking so that a FIFO behind the name cannot hang us before the type check.
    int flags = O_CLOEXEC | O_NONBLOCK;
    flags |= access == Access::Append ? (O_RDWR | O_CREAT | O_APPEND) : O_RDONLY;
    const int fd = ::open(name.constData(), flags, 0666);
    if (fd < 0) return Status::Failed;
    struct stat st = {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return Status::NotRegular;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);

    int error = 0;
    if (!WaitForLock(fd, access == Access::Append, lockWaitMs, error)) {
        ::close(fd);
        return LockBusy(error) ? Status::Busy : Status::Failed;
    }
    fd_ = fd;
    return Status::Ok;
}

qint64 SharedFile::Size() const {
    struct stat st = {};
    if (fd_ < 0 || ::fstat(fd_, &st) != 0) return -1;
    return st.st_size;
}

bool SharedFile::ReadAll(QByteArray& out, qint64 limit) const {
    const qint64 size = Size();
    if (size < 0 || size > limit) return false;
    out.resize(size);
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = ::pread(fd_, out.data() + done, size_t(size - done), done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) break; // cut shorter behind our back: keep what was there
        done += n;
    }
    out.resize(done);
    return true;
}

bool SharedFile::Truncate(qint64 size) {
    int r;
    do {
        r = ::ftruncate(fd_, size);
    } while (r != 0 && errno == EINTR);
    return r == 0;
}

bool SharedFile::Append(QByteArrayView bytes) {
    const qint64 before = Size();
    if (before < 0) return false;
    // One write for the whole record; the loop only continues what the kernel cut short.
    qint64 done = 0;
    bool ok = true;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd_, bytes.data() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = false;
            break;
        }
        done += n;
    }
    // A full disk or a share often reports the failure only here.
    if (ok && ::fdatasync(fd_) != 0) ok = false;
    if (!ok) Truncate(before);
    return ok;
}

bool SharedFile::Close() {
    if (fd_ < 0) return true;
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0; // closing releases the lock
}

} // namespace bw
