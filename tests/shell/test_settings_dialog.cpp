#include "shell/widgets/editorschriftart.h"

#include <QCheckBox>
#include <QComboBox>
#include <QTimer>
#include <gtest/gtest.h>

using namespace bw;

TEST(EditorSchriftart, ShowsTheStoredFontAndOkStoresTheChoice) {
    TEditorSchriftartForm form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Editor-Schriftart"));
    EXPECT_EQ(form.fontCombo()->count(), 4);
    EXPECT_EQ(form.sizeCombo()->itemText(0), QStringLiteral("8"));
    EXPECT_EQ(form.sizeCombo()->itemText(4), QStringLiteral("12"));

    Settings s;
    s.EditorSchriftartFontName = QStringLiteral("Verdana");
    s.EditorSchriftartFontSize = 12;
    QTimer::singleShot(0, &form, [&] {
        EXPECT_EQ(form.fontCombo()->currentText(), QStringLiteral("Verdana"));
        EXPECT_EQ(form.sizeCombo()->currentText(), QStringLiteral("12"));
        EXPECT_FALSE(form.fettCheck()->isChecked());
        form.fontCombo()->setCurrentText(QStringLiteral("Courier New"));
        form.sizeCombo()->setCurrentText(QStringLiteral("9"));
        form.fettCheck()->setChecked(true);
        form.accept();
    });
    ASSERT_TRUE(form.Execute(s));
    EXPECT_EQ(s.EditorSchriftartFontName, QStringLiteral("Courier New"));
    EXPECT_EQ(s.EditorSchriftartFontSize, 9);
    EXPECT_TRUE(s.EditorSchriftartFontFett);

    // "Abbrechen" keeps the stored font.
    QTimer::singleShot(0, &form, [&] {
        form.fontCombo()->setCurrentText(QStringLiteral("Arial"));
        form.reject();
    });
    EXPECT_FALSE(form.Execute(s));
    EXPECT_EQ(s.EditorSchriftartFontName, QStringLiteral("Courier New"));
}

TEST(EditorSchriftart, AStoredFontOutsideTheListIsKept) {
    TEditorSchriftartForm form;
    form.SetValues({QStringLiteral("DejaVu Sans"), 14, true});
    const EditorSchriftartDataTyp f = form.Values();
    EXPECT_EQ(f.FontName, QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(f.FontSize, 14);
    EXPECT_TRUE(f.FontFett);
    EXPECT_TRUE(EditorFont(f).bold());
    EXPECT_EQ(EditorFont(f).pointSize(), 14);
}
