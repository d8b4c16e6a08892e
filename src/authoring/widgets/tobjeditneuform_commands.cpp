// The object editor's commands: duplicate, delete, test, grid moves, and the picture, text
// and link buttons of its panels.
#include "authoring/widgets/tobjeditneuform.h"

#include "authoring/authoring.h"
#include "authoring/contenttext.h"
#include "authoring/newdocument.h"
#include "common/helpers.h"
#include "platform/prompter.h"
#include "view/learnview.h"
#include "view/links.h"

#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

namespace bw {

void TObjEditneuForm::CopyBtnClick() {
    if (!objectSelected()) return;
    StoreObject();
    view_.holdEditRedraws = true;
    const int copy = authoring_.DuplicateObject(selected_);
    view_.holdEditRedraws = false;
    if (copy < 0) return;
    fill(copy);
    view_.RedrawObjects();
    if (TextPanel->isVisible() && BezMemo->isEnabled()) {
        BezMemo->selectAll();
        BezMemo->setFocus();
    }
}

void TObjEditneuForm::EntfBtnClick() {
    if (!objectSelected()) return;
    StoreObject();
    const int n = selected_;
    const int typ = ed_.document().CurrentObjects[n].Typ;
    if (!prompter().AskYesNo(DeleteObjectQuestion(typ, n, DateiEdit->text(), memoText()))) return;
    fill(-1);
    authoring_.DeleteObject(n);
}

void TObjEditneuForm::AktBtnClick() {
    view_.RedrawObjects();
}

void TObjEditneuForm::TestBtnClick() {
    if (!objectSelected() || !TestBtn->isEnabled()) return;
    StoreObject();
    emit testObject(selected_);
}

void TObjEditneuForm::MoveCard(int dx, int dy) {
    if (!objectSelected() || !guard_) return;
    if (dx) KxEdit->setValue(dx < 0 ? GridStepDown(KxEdit->value()) : GridStepUp(KxEdit->value()));
    if (dy) KyEdit->setValue(dy < 0 ? GridStepDown(KyEdit->value()) : GridStepUp(KyEdit->value()));
}

void TObjEditneuForm::AmRasterausrichten1Click() {
    if (!objectSelected() || !guard_) return;
    // Both fields in one step.
    const QSignalBlocker bx(KxEdit), by(KyEdit);
    KxEdit->setValue(SnapToGrid(KxEdit->value()));
    KyEdit->setValue(SnapToGrid(KyEdit->value()));
    editChange();
}

void TObjEditneuForm::SetCardSide(int kausr) {
    KAusrCombo->setCurrentIndex(kausr);
}

void TObjEditneuForm::BildAusZwischenablageBtnClick() {
    const QImage img = QGuiApplication::clipboard()->image();
    if (img.isNull()) {
        prompter().ShowInfo(QStringLiteral("Die Zwischenablage enthält keine Bitmap-Grafik."));
        return;
    }
    setPicture(Picture(img.convertToFormat(QImage::Format_ARGB32_Premultiplied)));
    editChange();
}

void TObjEditneuForm::BildAusDateiEinfuegenBtnClick() {
    const QString path = prompter().GetOpenFileName(
        QStringLiteral("Bilddatei öffnen"), DocumentFolder(ed_.document()),
        QStringLiteral(
            "PNG (*.png)|*.png|JPEG (*.jpg)|*.jpg|Bitmap (*.bmp)|*.bmp|Alle Dateien (*.*)|*.*"),
        QStringLiteral("png"));
    if (path.isEmpty()) return;
    QImage img;
    switch (LoadAuthoringPicture(path, img)) {
    case PictureLoad::BadExtension:
        prompter().ShowError(BadExtensionText());
        return;
    case PictureLoad::Unreadable:
        prompter().ShowError(QStringLiteral("Fehler beim Einlesen der Datei \"%1\"").arg(path));
        return;
    case PictureLoad::Ok:
        break;
    }
    setPicture(Picture(img));
    editChange();
}

void TObjEditneuForm::BildInZwischenablageKopierenBtnClick() {
    if (!picture_.isNull()) QGuiApplication::clipboard()->setImage(picture_.image());
}

void TObjEditneuForm::BezMemoAusZwablgBtnClick() {
    BezMemo->setPlainText(QGuiApplication::clipboard()->text());
}

void TObjEditneuForm::BezMemoAusDateiBtnClick() {
    const QString path = prompter().GetOpenFileName(
        QStringLiteral("Textdatei öffnen"), DocumentFolder(ed_.document()),
        QStringLiteral("Text (*.txt)|*.txt|Alle Dateien (*.*)|*.*"), QStringLiteral("txt"));
    if (path.isEmpty()) return;
    // Bounded, regular files only (a pipe behind the name must not hang the editor), and
    // Windows-1252 where the file is not UTF-8.
    QString text;
    if (!ReadTextFile(path, text)) {
        prompter().ShowError(QStringLiteral("Fehler beim Einlesen der Datei \"%1\"").arg(path));
        return;
    }
    BezMemo->setPlainText(text);
}

void TObjEditneuForm::BezMemoInZwablBtnClick() {
    QGuiApplication::clipboard()->setText(memoText());
}

void TObjEditneuForm::DateiDurchsuchenBtnClick() {
    const int t = TypCombo->currentIndex();
    const Document& doc = ed_.document();
    const QString start =
        ResolveLinkPath(DateiEdit->text(), DocumentFolder(doc), QString(), QString());
    const QString folder = QFileInfo(start).absolutePath();
    const QString path =
        t == 6
            ? prompter().GetOpenFileName(
                  QStringLiteral("Zu verknüpfendes Brettwerk-Dokument auswählen"), folder,
                  QStringLiteral("Brettwerk-Dokument (*.bwk)|*.bwk"), QStringLiteral("bwk"))
            : prompter().GetOpenFileName(QStringLiteral("Zu verknüpfende Datei auswählen"), folder,
                                         QStringLiteral("Alle Dateien (*.*)|*.*"), QString());
    if (path.isEmpty()) return;
    DateiEdit->setText(QDir::toNativeSeparators(path));
    editChange();
}

void TObjEditneuForm::PfadRelativBtnClick() {
    const QString folder = DocumentFolder(ed_.document());
    const QString path = DateiEdit->text();
    if (folder.isEmpty() || path.isEmpty() || QFileInfo(path).isRelative()) return;
    QString rel = QDir(folder).relativeFilePath(QDir::fromNativeSeparators(path));
    // A path on another drive stays absolute.
    if (QFileInfo(rel).isAbsolute()) return;
    DateiEdit->setText(QDir::toNativeSeparators(rel));
    editChange();
}

void TObjEditneuForm::SchriftfarbeBtnClick() {
    const QColor c = chooseColour ? chooseColour(ColorFromWin(farbe_)) : QColor();
    if (!c.isValid()) return;
    setColour(WinFromColor(c));
    editChange();
}

} // namespace bw
