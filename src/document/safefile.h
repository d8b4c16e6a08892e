#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <functional>

class QFile;

namespace bw {

// What a replacing write came to: ok, or the system error of the step that failed
// (0 when the caller's own fill gave up).
struct WriteResult {
    bool ok = false;
    int error = 0;

    explicit operator bool() const { return ok; }
    // The system's text for error, for notes on stderr and logs.
    QString ErrorText() const;
};

struct WriteOptions {
    // Permission bits of the new file; -1: those of the file replaced, or 0666 less the
    // umask for a new one.
    int mode = -1;
};

// Every file the program writes goes through here. Writes a temporary file beside the
// target through fill, checks every write, syncs the file to disk and checks that, and only
// then renames it over the target. Any failure (a full disk or quota, an I/O error, a
// file-size limit, fill returning false) removes the temporary file and leaves the target
// byte for byte as it was. A target that exists and is not a regular file (FIFO, device,
// socket, folder, link loop), directly or through links, is refused and touched nowhere; a
// link to a regular file replaces that file and the link stays.
WriteResult WriteFileSafely(const QString& path, const std::function<bool(QIODevice&)>& fill,
                            const WriteOptions& options = {});
WriteResult WriteFileSafely(const QString& path, const QByteArray& bytes,
                            const WriteOptions& options = {});

// A file-size limit then fails a write with EFBIG instead of killing the process. Every
// program calls this first.
void IgnoreFileSizeSignal();

enum class ReadStatus { Ok, Missing, NotRegular, Unreadable, TooLarge };

// Opens path for reading only when it reaches a regular file (directly or through links),
// without ever waiting on a FIFO or opening a device for reading. file is opened on the
// descriptor (unbuffered), so its name stays empty.
ReadStatus OpenRegularFile(QFile& file, const QString& path);

struct ReadResult {
    ReadStatus status = ReadStatus::Unreadable;
    QByteArray bytes;
};

// The whole of a regular file of at most maxBytes; a file that grows past it while read is
// TooLarge as well.
ReadResult ReadRegularFile(const QString& path, qint64 maxBytes);

} // namespace bw
