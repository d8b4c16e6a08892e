#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace bw {

// A file that several computers read and append to on a share (best lists). Stands in for
// Windows share modes: appenders hold an exclusive lock, readers a shared one. The locks
// belong to the open file (not the process), so they also keep two threads apart and are not
// lost when some other descriptor of the same file is closed.
class SharedFile {
public:
    enum class Access { Read, Append };
    enum class Status { Ok, Busy, Failed, NotRegular };

    SharedFile() = default;
    SharedFile(const SharedFile&) = delete;
    SharedFile& operator=(const SharedFile&) = delete;
    ~SharedFile();

    // Opens the file (Append creates it when missing) and takes the lock, trying for up to
    // lockWaitMs while someone else holds it. Only regular files are opened.
    Status Open(const QString& path, Access access, int lockWaitMs);
    bool IsOpen() const { return fd_ >= 0; }

    // -1 on failure.
    qint64 Size() const;
    // The whole file when it holds at most limit bytes.
    bool ReadAll(QByteArray& out, qint64 limit) const;
    // Cuts the file to size bytes (Append only).
    bool Truncate(qint64 size);
    // Writes bytes at the end and forces them to the disk or server; on any failure the file
    // is cut back to its previous size, so no partial record stays behind.
    bool Append(QByteArrayView bytes);
    // Releases the lock; false when closing reported a late write error.
    bool Close();

private:
    int fd_ = -1;
};

} // namespace bw
