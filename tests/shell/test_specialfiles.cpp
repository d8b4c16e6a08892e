#include "document/docfile.h"
#include "document/docsamples.h"
#include "shell/inifile.h"
#include "shell/settingsstore.h"
#include "shell/topiclist.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <future>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace bw;
using namespace std::chrono_literals;

namespace {

// Runs read and tells whether it came back within a few seconds. A read that waits on the
// FIFO is let go by a writer that comes and closes, so that the test itself always ends.
template <class Read> bool ReturnsPromptly(Read read, const QString& fifo) {
    auto done = std::async(std::launch::async, read);
    if (done.wait_for(5s) == std::future_status::ready) return true;
    while (done.wait_for(10ms) != std::future_status::ready) {
        const int fd = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0) ::close(fd);
    }
    return false;
}

struct SpecialFiles {
    QTemporaryDir dir;
    QString fifo = dir.filePath(QStringLiteral("rohr"));

    SpecialFiles() { EXPECT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0); }
    QString Link(const char* name, const QString& to) const {
        const QString path = dir.filePath(QString::fromUtf8(name));
        EXPECT_TRUE(QFile::link(to, path));
        return path;
    }
};

} // namespace

TEST(SpecialFiles, SettingsThatAreAPipeOrLeadToADeviceAreNotRead) {
    SpecialFiles f;
    const QString viaLink = f.Link("settings.conf", f.fifo);
    const QString zero = f.Link("zero.conf", QStringLiteral("/dev/zero"));
    for (const QString& path : {f.fifo, viaLink, zero}) {
        SettingsStore store(path);
        SettingsStore::LoadStatus status = SettingsStore::LoadStatus::Read;
        EXPECT_TRUE(ReturnsPromptly([&] { status = store.Load(); }, f.fifo));
        EXPECT_EQ(status, SettingsStore::LoadStatus::Unreadable) << path.toStdString();
        EXPECT_TRUE(store.IsEmpty());
        // Saving over them is refused and leaves them what they are.
        ASSERT_TRUE(store.WriteInt(QStringLiteral("Zoom"), 2));
        EXPECT_FALSE(store.Save());
    }
    EXPECT_TRUE(QFileInfo(viaLink).isSymLink());
    EXPECT_FALSE(QFile::exists(viaLink + QStringLiteral(".damaged")));
    struct stat st {};
    ASSERT_EQ(::stat("/dev/zero", &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));
}

TEST(SpecialFiles, ConfigIniThatIsAPipeOrLeadsToADeviceIsUnreadable) {
    SpecialFiles f;
    const QString viaLink = f.Link("config.ini", f.fifo);
    const QString zero = f.Link("zero.ini", QStringLiteral("/dev/zero"));
    for (const QString& path : {f.fifo, viaLink, zero}) {
        IniFile::Status status = IniFile::Status::Read;
        EXPECT_TRUE(ReturnsPromptly([&] { status = IniFile::Load(path).status(); }, f.fifo));
        EXPECT_EQ(status, IniFile::Status::Unreadable) << path.toStdString();
    }
}

TEST(SpecialFiles, ALinkToAPipeInATopicFolderIsLeftOut) {
    SpecialFiles f;
    Document d = test::SampleDocument();
    d.CurrentHeader.titel = QStringLiteral("Echt");
    ASSERT_TRUE(WriteDocumentFile(f.dir.filePath(QStringLiteral("echt.bwk")), d).ok);
    f.Link("pipe.bwk", f.fifo);
    f.Link("null.bwk", QStringLiteral("/dev/zero"));
    std::vector<ThemenDataTyp> list;
    EXPECT_TRUE(ReturnsPromptly([&] { list = ReadTopicList(f.dir.path()); }, f.fifo));
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].Titel, QStringLiteral("Echt"));

    // Opened directly, as a link in a document would, it is a read failure at once.
    Document opened;
    DocResult r;
    EXPECT_TRUE(ReturnsPromptly(
        [&] { r = ReadDocumentFile(f.dir.filePath(QStringLiteral("pipe.bwk")), opened, false); },
        f.fifo));
    EXPECT_EQ(r.messages, std::vector<DocMessage>{DocMessage::ReadFailed});
}
