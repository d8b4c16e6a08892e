#include "shell/sounds.h"
#include "support/scriptedprompter.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace bw;

namespace {
void WriteWave(const QString& path, int dataBytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    auto u32 = [&](quint32 v) { f.write(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [&](quint16 v) { f.write(reinterpret_cast<const char*>(&v), 2); };
    f.write("RIFF");
    u32(36 + dataBytes);
    f.write("WAVEfmt ");
    u32(16);
    u16(1);
    u16(1);
    u32(8000);
    u32(16000);
    u16(2);
    u16(16);
    f.write("data");
    u32(dataBytes);
    f.write(QByteArray(dataBytes, '\0'));
}
} // namespace

TEST(Sounds, MissingFileIsReportedOncePerRequest) {
    test::ScriptedPrompter p;
    QTemporaryDir dir;
    Sounds s;
    s.SetFolder(dir.path());
    EXPECT_TRUE(s.PlaySoundFile(QStringLiteral("Richtig1.wav"), false, false).isEmpty());
    s.PlayWrongSound(false);
    ASSERT_EQ(p.count(QStringLiteral("error")), 2);
    EXPECT_EQ(p.texts(QStringLiteral("error"))[0],
              QStringLiteral("Sounddatei \"") + dir.filePath(QStringLiteral("Richtig1.wav")) +
                  QStringLiteral("\" nicht gefunden."));
}

TEST(Sounds, SwitchedOffPlaysNothingAndSaysNothing) {
    test::ScriptedPrompter p;
    Sounds s;
    s.SetFolder(QStringLiteral("/nicht/da"));
    s.SetEnabled(false);
    s.PlayRightSound(false);
    EXPECT_EQ(p.shown.size(), 0u);
}

TEST(Sounds, NamesGetTheWaveExtensionAndTheSoundFolder) {
    test::ScriptedPrompter p;
    QTemporaryDir dir;
    WriteWave(dir.filePath(QStringLiteral("Gong.wav")), 1600);
    Sounds s;
    s.SetFolder(dir.path());
    EXPECT_EQ(s.PlaySoundFile(QStringLiteral("Gong"), false, false),
              dir.filePath(QStringLiteral("Gong.wav")));
    EXPECT_EQ(s.PlaySoundFile(QStringLiteral("Gong.mp3"), false, false),
              dir.filePath(QStringLiteral("Gong.wav")));
    // A name with a folder is used unchanged, not looked up in the sound folder.
    EXPECT_EQ(s.PlaySoundFile(dir.filePath(QStringLiteral("Gong")), false, false),
              dir.filePath(QStringLiteral("Gong.wav")));
    s.Stop();
    EXPECT_EQ(p.count(QStringLiteral("error")), 0);
    EXPECT_EQ(Sounds::WaveDurationMs(dir.filePath(QStringLiteral("Gong.wav"))), 100);
}

TEST(Sounds, ShippedSoundsAreWaves) {
    // The build makes them beside the programs.
    const QString folder = QStringLiteral(BW_SOUND_DIR);
    for (const char* name : {"Richtig1.wav", "Falsch1.wav"}) {
        const int ms = Sounds::WaveDurationMs(folder + QLatin1Char('/') + QLatin1String(name));
        EXPECT_GT(ms, 200) << name;
        EXPECT_LT(ms, 2000) << name;
    }
}

TEST(Sounds, TheSoundModuleIsBuiltBesideThePrograms) {
    // Without it every sound would be silent, without a message.
    EXPECT_TRUE(SoundPlayer::ModuleAvailable());
}
