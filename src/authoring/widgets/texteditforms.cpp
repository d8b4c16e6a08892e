#include "authoring/widgets/texteditforms.h"

#include "authoring/content.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

namespace bw {

namespace {

// The selected text as plain text (the edit keeps line breaks as paragraph separators).
QString SelectedText(const QTextCursor& c) {
    return c.selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

} // namespace

TLueckEditForm::TLueckEditForm(QWidget* parent)
    : ContentTextForm(
          QStringLiteral("Lückentext bearbeiten"),
          QStringLiteral("Geben Sie hier Ihren Lückentext ein. Textstellen, die später als Lücke "
                         "erscheinen sollen, bitte mit '<<' und '>>' umschließen, z.B. \"Die "
                         "Sonne geht im <<Osten>> auf.\""),
          parent) {
    setObjectName(QStringLiteral("LueckEditForm"));
    LueckeSetzenBtn = new QPushButton(QStringLiteral("<< ... >> setzen"), this);
    LueckeSetzenBtn->setObjectName(QStringLiteral("BitBtn24"));
    LueckeEntfernenBtn = new QPushButton(QStringLiteral("<< ... >> entfernen"), this);
    LueckeEntfernenBtn->setObjectName(QStringLiteral("BitBtn25"));
    for (QPushButton* b : {LueckeSetzenBtn, LueckeEntfernenBtn}) {
        b->setAutoDefault(false);
        extraButtons()->addWidget(b);
    }
    extraButtons()->addStretch(1);
    connect(LueckeSetzenBtn, &QPushButton::clicked, this, [this] {
        QTextCursor c = Memo1->textCursor();
        c.insertText(GapFromSelection(SelectedText(c)));
        Memo1->setTextCursor(c);
        Memo1->setFocus();
    });
    connect(LueckeEntfernenBtn, &QPushButton::clicked, this, [this] {
        QTextCursor c = Memo1->textCursor();
        if (!c.hasSelection()) return;
        c.insertText(WithoutGapMarks(SelectedText(c)));
        Memo1->setTextCursor(c);
        Memo1->setFocus();
    });
}

TFragenEditForm::TFragenEditForm(QWidget* parent)
    : ContentTextForm(
          QStringLiteral("Einzelfragen bearbeiten"),
          QStringLiteral("Geben Sie hier Ihre Einzelfragen ein. Jede Zeile entspricht dabei "
                         "einer Frage. Die Antwort jeder Frage bitte mit '//' anfügen, z.B. \"In "
                         "Welchem Monat ist Sommeranfang? // Juni\""),
          parent) {
    setObjectName(QStringLiteral("FragenEditForm"));
    AnzFragLab = new QLabel(this);
    AnzFragLab->setObjectName(QStringLiteral("AnzFragLab"));
    extraButtons()->addStretch(1);
    extraButtons()->addWidget(AnzFragLab);
    connect(this, &ContentTextForm::textChanged, this, [this] { UpdateCount(); });
    UpdateCount();
}

void TFragenEditForm::showEvent(QShowEvent* e) {
    ContentTextForm::showEvent(e);
    UpdateCount();
}

void TFragenEditForm::UpdateCount() {
    AnzFragLab->setText(QuestionCountText(Memo1->toPlainText()));
}

} // namespace bw
