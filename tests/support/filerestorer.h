#pragma once

#include <QFile>
#include <QString>

namespace bw::test {

// Puts a file back as it was (or removes it) when the test ends, however it ends.
class FileRestorer {
public:
    explicit FileRestorer(QString path) : path_(std::move(path)) {
        QFile f(path_);
        existed_ = f.open(QIODevice::ReadOnly);
        if (existed_) bytes_ = f.readAll();
    }
    ~FileRestorer() {
        QFile::remove(path_);
        if (!existed_) return;
        QFile f(path_);
        if (f.open(QIODevice::WriteOnly)) f.write(bytes_);
    }
    FileRestorer(const FileRestorer&) = delete;
    FileRestorer& operator=(const FileRestorer&) = delete;

private:
    QString path_;
    bool existed_ = false;
    QByteArray bytes_;
};

} // namespace bw::test
