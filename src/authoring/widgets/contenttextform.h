#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QVBoxLayout;
class QHBoxLayout;

namespace bw {

// "Aus Datei einfügen...": a text file chosen in the open dialog replaces memo's text.
void InsertTextFile(QPlainTextEdit* memo);

// What the cloze and the single-question editors share: the instruction, the text field in
// the editor font, and the buttons for clearing, the clipboard, a text file and the font.
class ContentTextForm : public QDialog {
    Q_OBJECT
public:
    void SetText(const QString& text);
    QString Text() const;
    void SetEditorFont(const QFont& font);

    QPlainTextEdit* Memo1;
    QPushButton* AllesLoeschenBtn;
    QPushButton* AusZwischenablageBtn;
    QPushButton* InZwischenablageBtn;
    QPushButton* EditorSchriftartBtn;
    QPushButton* AusDateiBtn;
    QPushButton* OKBtn;
    QPushButton* AbbrBtn;

signals:
    // "Editor-Schriftart...": the owner shows the font dialog and applies the choice.
    void editorFontRequested();
    void textChanged();

protected:
    ContentTextForm(const QString& caption, const QString& instruction, QWidget* parent);
    // Where a form adds its own buttons, beside the shared ones.
    QHBoxLayout* extraButtons() const { return extra_; }
    void showEvent(QShowEvent* e) override;

private:
    QHBoxLayout* extra_;
};

} // namespace bw
