// Modules are found beside the program or in the build folder, and only as plain files.

#include "platform/modules.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace bw;

TEST(Modules, TheBuildsSoundModuleResolves) {
    EXPECT_NE(ResolveModule(QStringLiteral("brettwerk-sound"), "bw_make_sound_backend",
                            QStringLiteral(BW_TEST_MODULE_DIR)),
              nullptr);
    EXPECT_EQ(ResolveModule(QStringLiteral("brettwerk-sound"), "no_such_symbol",
                            QStringLiteral(BW_TEST_MODULE_DIR)),
              nullptr);
    EXPECT_EQ(ResolveModule(QStringLiteral("brettwerk-none"), "bw_make_sound_backend",
                            QStringLiteral(BW_TEST_MODULE_DIR)),
              nullptr);
}

TEST(Modules, APipeOrAFolderUnderTheNameIsNoModule) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // Opening a pipe without a writer would wait for ever.
    ASSERT_EQ(mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("brettwerk-pipe.so"))), 0600),
              0);
    EXPECT_EQ(ResolveModule(QStringLiteral("brettwerk-pipe"), "anything", dir.path()), nullptr);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("brettwerk-dir.so")));
    EXPECT_EQ(ResolveModule(QStringLiteral("brettwerk-dir"), "anything", dir.path()), nullptr);
    // A file that is no library is refused by the loader.
    QFile junk(dir.filePath(QStringLiteral("brettwerk-junk.so")));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a library");
    junk.close();
    EXPECT_EQ(ResolveModule(QStringLiteral("brettwerk-junk"), "anything", dir.path()), nullptr);
}
