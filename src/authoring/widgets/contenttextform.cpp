#include "authoring/widgets/contenttextform.h"

#include "authoring/contenttext.h"
#include "common/messages.h"
#include "platform/prompter.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace bw {

ContentTextForm::ContentTextForm(const QString& caption, const QString& instruction,
                                 QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(instruction, this);
    label->setWordWrap(true);
    layout->addWidget(label);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setTabChangesFocus(true);
    layout->addWidget(Memo1, 1);

    auto button = [this](const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    AllesLoeschenBtn = button("BitBtn21", QStringLiteral("Alles löschen"));
    AusZwischenablageBtn = button("BitBtn22", QStringLiteral("Aus Zwischenablage einfügen"));
    InZwischenablageBtn = button("BitBtn23", QStringLiteral("In Zwischenablage kopieren"));
    EditorSchriftartBtn = button("EditorSchriftartBtn", QStringLiteral("Editor-Schriftart..."));
    AusDateiBtn = button("BitBtn26", QStringLiteral("Aus Datei einfügen..."));
    auto* row = new QHBoxLayout;
    for (QPushButton* b :
         {AllesLoeschenBtn, AusZwischenablageBtn, InZwischenablageBtn, AusDateiBtn})
        row->addWidget(b);
    row->addStretch(1);
    layout->addLayout(row);
    extra_ = new QHBoxLayout;
    layout->addLayout(extra_);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(EditorSchriftartBtn);
    bottom->addStretch(1);
    OKBtn = button("OKBtn", QStringLiteral("OK"));
    OKBtn->setDefault(true);
    AbbrBtn = button("AbbrBtn", QStringLiteral("Abbrechen"));
    bottom->addWidget(OKBtn);
    bottom->addWidget(AbbrBtn);
    layout->addLayout(bottom);
    resize(720, 480);

    connect(AllesLoeschenBtn, &QPushButton::clicked, Memo1, &QPlainTextEdit::clear);
    connect(AusZwischenablageBtn, &QPushButton::clicked, this,
            [this] { Memo1->setPlainText(QGuiApplication::clipboard()->text()); });
    connect(InZwischenablageBtn, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(Memo1->toPlainText()); });
    connect(AusDateiBtn, &QPushButton::clicked, this, [this] { InsertTextFile(Memo1); });
    connect(EditorSchriftartBtn, &QPushButton::clicked, this,
            &ContentTextForm::editorFontRequested);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(AbbrBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(Memo1, &QPlainTextEdit::textChanged, this, &ContentTextForm::textChanged);
}

void ContentTextForm::SetText(const QString& text) {
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    Memo1->setPlainText(t);
}

QString ContentTextForm::Text() const {
    // Documents keep CR LF between lines; everything else stays as typed.
    return Memo1->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

void ContentTextForm::SetEditorFont(const QFont& font) {
    Memo1->setFont(font);
}

void ContentTextForm::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    Memo1->setFocus();
}

void InsertTextFile(QPlainTextEdit* memo) {
    const QString path = prompter().GetOpenFileName(
        QStringLiteral("Textdatei öffnen"), QString(),
        QStringLiteral("Text (*.txt)|*.txt|Alle Dateien (*.*)|*.*"), QStringLiteral("txt"));
    if (path.isEmpty()) return;
    QString text;
    if (!ReadTextFile(path, text)) {
        FileReadErrorMessage(path);
        return;
    }
    memo->setPlainText(text);
}

} // namespace bw
