// The start-up check for the font that carries the stamp symbols.
#include "drawing/drawingtables.h"
#include "platform/system.h"
#include "shell/displaycheck.h"
#include "shell/widgets/tform1.h"
#include "support/scriptedprompter.h"

#include <gtest/gtest.h>

using namespace bw;

TEST(FontCheck, TheStampFontWarningComesExactlyWhenTheFontIsMissing) {
    test::ScriptedPrompter p;
    TForm1 form(Edition::Autor);
    form.SetDisplayOverride(1280, 1024, 32);
    // The program goes on either way.
    EXPECT_TRUE(form.FormCreate());
    const bool missing = !FontInstalled(StampFontFamily());
    // Run once with the fonts of the system and once with none (see CMakeLists.txt).
    if (qEnvironmentVariableIsSet("BW_EXPECT_NO_FONTS")) EXPECT_TRUE(missing);
    EXPECT_EQ(p.texts(QStringLiteral("warning")),
              missing ? QStringList{SymbolFontWarningText()} : QStringList{});
    EXPECT_TRUE(SymbolFontWarningText().startsWith(QStringLiteral(
        "Die von Windows standardmäßig mitgelieferte Schriftart \"Wingdings\" fehlt auf Ihrem "
        "System.\r\nDie Stempelsymbole (Häkchen, Kreuze, Smilies, etc.)")));
}
