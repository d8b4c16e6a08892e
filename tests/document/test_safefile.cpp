#include "document/safefile.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace bw;
using test::ReadFile;
using test::WriteFile;

namespace {

QByteArray Name(const QString& path) {
    return QFile::encodeName(path);
}

QStringList Entries(const QString& dir) {
    return QDir(dir).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

mode_t TypeOf(const QString& path) {
    struct stat st {};
    return ::lstat(Name(path).constData(), &st) == 0 ? (st.st_mode & S_IFMT) : 0;
}

} // namespace

TEST(SafeWrite, ReplacesAFileAndLeavesNothingBeside) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.bwk"));
    ASSERT_TRUE(WriteFileSafely(path, QByteArray("neu")));
    EXPECT_EQ(ReadFile(path), "neu");
    ASSERT_TRUE(WriteFile(path, "alt"));
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner |
                                                QFile::ReadGroup | QFile::ReadOther));
    ASSERT_TRUE(WriteFileSafely(path, QByteArray("zweimal neu")));
    EXPECT_EQ(ReadFile(path), "zweimal neu");
    EXPECT_EQ(TypeOf(path), mode_t(S_IFREG));
    EXPECT_TRUE(QFileInfo(path).permissions().testFlag(QFile::ReadOther));
    EXPECT_EQ(Entries(dir.path()), QStringList{QStringLiteral("a.bwk")});
}

TEST(SafeWrite, AModeIsSetBeforeAnyByteAndOnAnExistingFileToo) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.conf"));
    ASSERT_TRUE(WriteFile(path, "alt"));
    ASSERT_TRUE(
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther));
    mode_t seen = 0;
    const WriteResult r =
        WriteFileSafely(path,
                        [&](QIODevice&) {
                            // The temporary file is the only other entry.
                            for (const QString& e : Entries(dir.path())) {
                                struct stat st {};
                                if (e != QLatin1String("settings.conf") &&
                                    ::stat(Name(dir.filePath(e)).constData(), &st) == 0)
                                    seen = st.st_mode & 07777;
                            }
                            return true;
                        },
                        {.mode = 0600});
    ASSERT_TRUE(r);
    EXPECT_EQ(seen, mode_t(0600));
    struct stat st {};
    ASSERT_EQ(::stat(Name(path).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, mode_t(0600));
}

TEST(SafeWrite, ANewFileTakesTheUsualModeLessTheUmask) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("neu.bwk"));
    const mode_t before = ::umask(027);
    const WriteResult r = WriteFileSafely(path, QByteArray("neu"));
    const mode_t after = ::umask(before);
    ASSERT_TRUE(r);
    EXPECT_EQ(after, mode_t(027));
    struct stat st {};
    ASSERT_EQ(::stat(Name(path).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, mode_t(0640));
    EXPECT_EQ(Entries(dir.path()), QStringList{QStringLiteral("neu.bwk")});
}

TEST(SafeWrite, AFillThatGivesUpOrFailedWritesLeaveTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.bwk"));
    ASSERT_TRUE(WriteFile(path, "alt"));
    WriteResult r = WriteFileSafely(path, [](QIODevice& out) {
        out.write("halb");
        return false;
    });
    EXPECT_FALSE(r);
    EXPECT_EQ(r.error, 0);
    r = WriteFileSafely(path, [](QIODevice&) -> bool { throw std::bad_alloc(); });
    EXPECT_FALSE(r);
    EXPECT_EQ(ReadFile(path), "alt");
    EXPECT_EQ(Entries(dir.path()), QStringList{QStringLiteral("a.bwk")});
}

TEST(SafeWrite, AFileSizeLimitIsAWriteErrorNotTheEndOfTheProgram) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.png"));
    ASSERT_TRUE(WriteFile(path, "alt"));
    IgnoreFileSizeSignal();
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    // A writer that ignores what write returns still cannot save a cut file.
    const WriteResult r = WriteFileSafely(path, [](QIODevice& out) {
        for (int i = 0; i < 10; ++i)
            out.write(QByteArray(1000, 'x'));
        return true;
    });
    setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_FALSE(r);
    EXPECT_EQ(r.error, EFBIG);
    EXPECT_FALSE(r.ErrorText().isEmpty());
    EXPECT_EQ(ReadFile(path), "alt");
    EXPECT_EQ(Entries(dir.path()), QStringList{QStringLiteral("a.png")});
}

TEST(SafeWrite, TargetsThatAreNoRegularFilesAreRefusedAndKept) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("rohr.bwk"));
    ASSERT_EQ(::mkfifo(Name(fifo).constData(), 0600), 0);
    const QString folder = dir.filePath(QStringLiteral("ordner.bwk"));
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString toDevice = dir.filePath(QStringLiteral("geraet.bwk"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/null"), toDevice));
    const QString toFifo = dir.filePath(QStringLiteral("zumrohr.bwk"));
    ASSERT_TRUE(QFile::link(fifo, toFifo));
    const QString loop = dir.filePath(QStringLiteral("schleife.bwk"));
    ASSERT_EQ(::symlink("schleife.bwk", Name(loop).constData()), 0);

    for (const QString& target : {fifo, folder, toDevice, toFifo, loop}) {
        const auto start = std::chrono::steady_clock::now();
        const WriteResult r = WriteFileSafely(target, QByteArray("neu"));
        EXPECT_FALSE(r) << target.toStdString();
        EXPECT_NE(r.error, 0) << target.toStdString();
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    }
    EXPECT_EQ(TypeOf(fifo), mode_t(S_IFIFO));
    EXPECT_EQ(TypeOf(folder), mode_t(S_IFDIR));
    EXPECT_EQ(TypeOf(QStringLiteral("/dev/null")), mode_t(S_IFCHR));
    for (const QString& link : {toDevice, toFifo, loop})
        EXPECT_EQ(TypeOf(link), mode_t(S_IFLNK));
    EXPECT_EQ(Entries(dir.path()).size(), 5);
}

TEST(SafeWrite, ALinkToAFileReplacesThatFileAndStays) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir().mkdir(dir.filePath(QStringLiteral("echt"))));
    const QString real = dir.filePath(QStringLiteral("echt/a.bwk"));
    ASSERT_TRUE(WriteFile(real, "alt"));
    // Relative links are taken from the folder of the link, through two hops.
    const QString first = dir.filePath(QStringLiteral("eins.bwk"));
    const QString second = dir.filePath(QStringLiteral("zwei.bwk"));
    ASSERT_EQ(::symlink("echt/a.bwk", Name(first).constData()), 0);
    ASSERT_EQ(::symlink("eins.bwk", Name(second).constData()), 0);
    ASSERT_TRUE(WriteFileSafely(second, QByteArray("neu")));
    EXPECT_EQ(TypeOf(first), mode_t(S_IFLNK));
    EXPECT_EQ(TypeOf(second), mode_t(S_IFLNK));
    EXPECT_EQ(ReadFile(real), "neu");
    EXPECT_EQ(Entries(dir.filePath(QStringLiteral("echt"))), QStringList{QStringLiteral("a.bwk")});
}

TEST(SafeRead, OnlyRegularFilesAreOpenedAndNeverWaitedFor) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("rohr"));
    ASSERT_EQ(::mkfifo(Name(fifo).constData(), 0600), 0);
    const QString toFifo = dir.filePath(QStringLiteral("zumrohr"));
    ASSERT_TRUE(QFile::link(fifo, toFifo));
    const QString toZero = dir.filePath(QStringLiteral("null"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), toZero));
    const QString loop = dir.filePath(QStringLiteral("schleife"));
    ASSERT_EQ(::symlink("schleife", Name(loop).constData()), 0);
    for (const QString& p : {fifo, toFifo, toZero, loop, dir.path()}) {
        QFile f;
        EXPECT_EQ(OpenRegularFile(f, p), ReadStatus::NotRegular) << p.toStdString();
        EXPECT_FALSE(f.isOpen());
        EXPECT_EQ(ReadRegularFile(p, 1000).status, ReadStatus::NotRegular);
    }
    EXPECT_EQ(ReadRegularFile(dir.filePath(QStringLiteral("fehlt")), 10).status,
              ReadStatus::Missing);
}

TEST(SafeRead, ReadsAtMostTheLimit) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a"));
    ASSERT_TRUE(WriteFile(path, QByteArray(1000, 'a')));
    ReadResult r = ReadRegularFile(path, 1000);
    EXPECT_EQ(r.status, ReadStatus::Ok);
    EXPECT_EQ(r.bytes, QByteArray(1000, 'a'));
    r = ReadRegularFile(path, 999);
    EXPECT_EQ(r.status, ReadStatus::TooLarge);
    EXPECT_TRUE(r.bytes.isEmpty());
    ASSERT_TRUE(WriteFile(path, QByteArray()));
    r = ReadRegularFile(path, 10);
    EXPECT_EQ(r.status, ReadStatus::Ok);
    EXPECT_TRUE(r.bytes.isEmpty());

    // Opened by descriptor, the file reads as a file does.
    ASSERT_TRUE(WriteFile(path, "Inhalt"));
    QFile f;
    ASSERT_EQ(OpenRegularFile(f, path), ReadStatus::Ok);
    EXPECT_EQ(f.size(), 6);
    EXPECT_EQ(f.readAll(), "Inhalt");
}
