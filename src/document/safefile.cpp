#include "document/safefile.h"

#include <QFile>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace bw {

namespace {

constexpr int kMaxLinkHops = 40; // as the kernel allows before ELOOP

// Writes straight to a descriptor and remembers the first error, so that a writer that
// does not check every call still cannot turn a failed write into a saved file.
class DescriptorWriter : public QIODevice {
public:
    explicit DescriptorWriter(int fd) : fd_(fd) { open(QIODevice::WriteOnly | Unbuffered); }
    bool isSequential() const override { return true; }
    int error() const { return error_; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 len) override {
        if (error_ != 0) return -1;
        qint64 done = 0;
        while (done < len) {
            const ssize_t k = ::write(fd_, data + done, size_t(len - done));
            if (k < 0 && errno == EINTR) continue;
            if (k <= 0) {
                error_ = k < 0 ? errno : EIO;
                return -1;
            }
            done += k;
        }
        return done;
    }

private:
    int fd_;
    int error_ = 0;
};

QByteArray DirectoryOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0) return ".";
    if (slash == 0) return "/";
    return path.left(slash);
}

struct Target {
    QByteArray path; // where the new file goes: the end of any chain of links
    bool exists = false;
    struct stat st {};
};

// Follows links to the file a write would replace; error is set when that is not a
// regular file or cannot be reached.
int ResolveTarget(const QByteArray& start, Target& t) {
    QByteArray p = start;
    for (int hop = 0;; ++hop) {
        if (::lstat(p.constData(), &t.st) != 0) {
            if (errno != ENOENT) return errno;
            t.path = p; // a new file, or a link that points at a name not yet there
            t.exists = false;
            return 0;
        }
        if (S_ISREG(t.st.st_mode)) {
            t.path = p;
            t.exists = true;
            return 0;
        }
        if (!S_ISLNK(t.st.st_mode)) return S_ISDIR(t.st.st_mode) ? EISDIR : EINVAL;
        if (hop >= kMaxLinkHops) return ELOOP;
        QByteArray link(PATH_MAX, Qt::Uninitialized);
        const ssize_t n = ::readlink(p.constData(), link.data(), size_t(link.size()));
        if (n < 0) return errno;
        if (n >= link.size()) return ENAMETOOLONG;
        link.truncate(n);
        p = link.startsWith('/') ? link : DirectoryOf(p) + '/' + link;
    }
}

// The mode the new file must have exactly: the one asked for, else that of the file it
// replaces; -1 for a new file, which takes 0666 less the umask as any new file does.
int ExactMode(const Target& t, const WriteOptions& options) {
    if (options.mode >= 0) return options.mode;
    return t.exists ? int(t.st.st_mode & 07777) : -1;
}

// Creates the temporary file beside the target under a fresh name, never opening a file
// that is already there; it starts with no more permissions than it is to have.
int CreateTemporary(const QByteArray& stem, int exactMode, QByteArray& name) {
    const mode_t mode = exactMode >= 0 ? mode_t(exactMode & 0600) : mode_t(0666);
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = stem + '.' + QByteArray::number(QRandomGenerator::global()->generate64(), 36);
        const int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1; // errno is EEXIST
}

// The temporary file's mode and owner before any byte goes in, so the file never shows
// more than the target did.
int MatchTarget(int fd, const Target& t, int exactMode) {
    // Keeps a file the administrator saves for a user that user's; may fail, harmlessly.
    if (t.exists && (t.st.st_uid != ::geteuid() || t.st.st_gid != ::getegid()))
        (void)::fchown(fd, t.st.st_uid, t.st.st_gid);
    if (exactMode < 0) return 0;
    return ::fchmod(fd, mode_t(exactMode)) == 0 ? 0 : errno;
}

// The new file's bytes and what it takes to find them (size, blocks) on the disk; its times
// can wait.
int SyncData(int fd) {
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    return ::fdatasync(fd);
#else
    return ::fsync(fd);
#endif
}

// Makes the rename itself durable; folders that cannot be synced (some network file
// systems) only lose that guarantee, not the file.
void SyncDirectory(const QByteArray& dir) {
    const int fd = ::open(dir.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    (void)::fsync(fd);
    ::close(fd);
}

} // namespace

QString WriteResult::ErrorText() const {
    return error == 0 ? QString() : QString::fromLocal8Bit(std::strerror(error));
}

WriteResult WriteFileSafely(const QString& path, const std::function<bool(QIODevice&)>& fill,
                            const WriteOptions& options) {
    Target target;
    if (const int e = ResolveTarget(QFile::encodeName(path), target)) return {false, e};

    const QByteArray dir = DirectoryOf(target.path);
    const int exactMode = ExactMode(target, options);
    QByteArray temp;
    const int fd = CreateTemporary(target.path, exactMode, temp);
    if (fd < 0) return {false, errno};

    int error = MatchTarget(fd, target, exactMode);
    bool filled = false;
    if (error == 0) {
        DescriptorWriter out(fd);
        try {
            filled = fill(out);
        } catch (const std::bad_alloc&) {
            filled = false;
        }
        error = out.error();
    }
    // The last blocks of a full disk or a quota fail here, not at write.
    if (error == 0 && filled && SyncData(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && filled && ::rename(temp.constData(), target.path.constData()) != 0)
        error = errno;
    if (error != 0 || !filled) {
        ::unlink(temp.constData());
        return {false, error};
    }
    SyncDirectory(dir);
    return {true, 0};
}

WriteResult WriteFileSafely(const QString& path, const QByteArray& bytes,
                            const WriteOptions& options) {
    return WriteFileSafely(
        path, [&](QIODevice& out) { return out.write(bytes) == bytes.size(); }, options);
}

void IgnoreFileSizeSignal() {
    ::signal(SIGXFSZ, SIG_IGN);
}

ReadStatus OpenRegularFile(QFile& file, const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    // A look before the open: opening some devices has effects of its own.
    if (::stat(name.constData(), &st) != 0)
        return errno == ENOENT || errno == ENOTDIR ? ReadStatus::Missing
               : errno == ELOOP                    ? ReadStatus::NotRegular
                                                   : ReadStatus::Unreadable;
    if (!S_ISREG(st.st_mode)) return ReadStatus::NotRegular;
    // The name may be swapped for a FIFO in between: never wait for a writer.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT ? ReadStatus::Missing : ReadStatus::Unreadable;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return ReadStatus::NotRegular;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0 ||
        !file.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return ReadStatus::Unreadable;
    }
    return ReadStatus::Ok;
}

ReadResult ReadRegularFile(const QString& path, qint64 maxBytes) {
    QFile f;
    ReadResult r;
    r.status = OpenRegularFile(f, path);
    if (r.status != ReadStatus::Ok) return r;
    if (f.size() > maxBytes) {
        r.status = ReadStatus::TooLarge;
        return r;
    }
    // Read to the end rather than trust the size: the file may change while read. One
    // byte more than allowed tells a file that grew past the limit.
    QByteArray buf(qsizetype(std::min(f.size(), maxBytes) + 1), Qt::Uninitialized);
    qsizetype got = 0;
    for (;;) {
        if (got == buf.size()) {
            if (got > maxBytes) {
                r.status = ReadStatus::TooLarge;
                return r;
            }
            buf.resize(qsizetype(std::min<qint64>(qint64(got) * 2, maxBytes + 1)));
        }
        const qint64 k = f.read(buf.data() + got, buf.size() - got);
        if (k < 0) {
            r.status = ReadStatus::Unreadable;
            return r;
        }
        if (k == 0) break;
        got += qsizetype(k);
    }
    buf.truncate(got);
    r.bytes = std::move(buf);
    return r;
}

} // namespace bw
