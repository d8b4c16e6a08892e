#include "document/docsamples.h"

#include "document/docfile.h"
#include "shell/settingsstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

using namespace bw;

namespace {

// A small file system of its own, so that filling it harms nothing else. Mounting needs
// root (as in CI); elsewhere the test is skipped.
class FullDisk : public ::testing::Test {
protected:
    void SetUp() override {
        if (::geteuid() != 0) GTEST_SKIP() << "mounting a tmpfs needs root";
        ASSERT_TRUE(dir_.isValid());
        if (::mount("tmpfs", QFile::encodeName(dir_.path()).constData(), "tmpfs", 0,
                    "size=512k,mode=0700") != 0)
            GTEST_SKIP() << "no tmpfs could be mounted: " << std::strerror(errno);
        mounted_ = true;
    }
    void TearDown() override {
        if (mounted_) ::umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
    }

    QString Path(const char* name) const { return dir_.filePath(QString::fromUtf8(name)); }

    // Fills the file system up to `spare` bytes (rounded to whole pages by tmpfs).
    void Fill(qint64 spare) {
        const int fd = ::open(QFile::encodeName(Path("fueller")).constData(),
                              O_WRONLY | O_CREAT | O_APPEND, 0600);
        ASSERT_GE(fd, 0);
        const QByteArray block(4096, 'f');
        while (::write(fd, block.constData(), size_t(block.size())) == block.size()) {
        }
        ::close(fd);
        if (spare > 0)
            ASSERT_EQ(::truncate(QFile::encodeName(Path("fueller")).constData(),
                                 QFileInfo(Path("fueller")).size() - spare),
                      0);
    }

    QStringList Entries() const {
        return QDir(dir_.path())
            .entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }

    static QByteArray Bytes(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private:
    QTemporaryDir dir_;
    bool mounted_ = false;
};

// A document too large for what is left: a base image of noise does not compress.
Document LargeDocument() {
    Document d = test::SampleDocument();
    QImage noise(300, 300, QImage::Format_RGB32);
    quint32 x = 12345;
    for (int py = 0; py < noise.height(); ++py)
        for (int px = 0; px < noise.width(); ++px) {
            x = x * 1664525u + 1013904223u;
            noise.setPixel(px, py, x >> 8);
        }
    d.BaseImage = Picture(noise);
    return d;
}

} // namespace

TEST_F(FullDisk, SavingADocumentFailsAndKeepsTheOldOne) {
    Document small = test::SampleDocument();
    ASSERT_TRUE(WriteDocumentFile(Path("alt.bwk"), small).ok);
    const QByteArray old = Bytes(Path("alt.bwk"));
    ASSERT_FALSE(old.isEmpty());
    for (qint64 spare : {qint64(3 * 1024), qint64(0)}) {
        Fill(spare);
        Document big = LargeDocument();
        const DocResult r = WriteDocumentFile(Path("alt.bwk"), big);
        EXPECT_FALSE(r.ok) << spare;
        EXPECT_EQ(r.messages, std::vector<DocMessage>{DocMessage::WriteFailed});
        EXPECT_EQ(Bytes(Path("alt.bwk")), old) << spare;
        EXPECT_EQ(Entries(), (QStringList{QStringLiteral("alt.bwk"), QStringLiteral("fueller")}));
    }
}

TEST_F(FullDisk, SavingTheSettingsFailsAndKeepsTheOldFile) {
    SettingsStore store(Path("settings.conf"));
    ASSERT_TRUE(store.WriteString(QStringLiteral("Ordner"), QStringLiteral("/home/klasse")));
    ASSERT_TRUE(store.Save());
    const QByteArray old = Bytes(Path("settings.conf"));
    Fill(0);
    ASSERT_TRUE(store.WriteString(QStringLiteral("Notizen"), QString(20000, QLatin1Char('n'))));
    EXPECT_FALSE(store.Save());
    EXPECT_EQ(Bytes(Path("settings.conf")), old);
    EXPECT_EQ(Entries(), (QStringList{QStringLiteral("fueller"), QStringLiteral("settings.conf")}));
    // The next start reads the old values, not a damaged file.
    SettingsStore next(Path("settings.conf"));
    EXPECT_EQ(next.Load(), SettingsStore::LoadStatus::Read);
    EXPECT_EQ(next.ReadString(QStringLiteral("Ordner")), QStringLiteral("/home/klasse"));
}
