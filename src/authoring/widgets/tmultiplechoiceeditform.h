#pragma once

#include "authoring/content.h"

#include <QDialog>
#include <vector>

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace bw {

// "Multiple-Choice-Fragen bearbeiten": works on copies of the questions and hands them back
// only when "OK" closes it.
class TMultipleChoiceEditForm : public QDialog {
    Q_OBJECT
public:
    explicit TMultipleChoiceEditForm(QWidget* parent = nullptr);

    // The working copies for the next show; an empty list starts with one new question.
    void Load(std::vector<ChoiceQuestion> questions);
    // The copies as they stand, typed text included.
    std::vector<ChoiceQuestion> Questions();
    void SetEditorFont(const QFont& font);

    // The list operations, as their buttons run them.
    void NeueFrage();
    void Duplizieren();
    void FrageLoeschen();
    void FrageVerschieben(int delta);
    void AllesLoeschen();
    void NeueAntwort();
    void AntwortLoeschen();
    void AntwortVerschieben(int delta);
    void SetQuestionPicture(const QImage& image);
    void SetAnswerPicture(const QImage& image);

    QListWidget* FrageListBox;
    QPlainTextEdit* FrageMemo;
    QLabel* BildMemo;
    QRadioButton* TextAntwortenRadio;
    QRadioButton* BildAntwortenRadio;
    QWidget* TextAntwortPanel;
    QPlainTextEdit* AntwortMemo;
    QWidget* BildAntwortPanel;
    QListWidget* BildAntwListBox;
    QRadioButton* ZutreffendRadio;
    QRadioButton* NichtZutreffendRadio;
    QLabel* BildAntwMemo;
    QPushButton* OKBtn;
    QPushButton* AbbrBtn;

signals:
    void editorFontRequested();

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    ChoiceQuestion* Current();
    void StoreTexts();
    void ShowQuestion();
    void ShowAnswer();
    void Relabel();
    void SelectQuestion(int row);
    void PictureFromClipboard(bool answer);
    void PictureFromFile(bool answer);
    bool NeedsAnswerSelection();

    std::vector<ChoiceQuestion> qs_;
    QImage leerBild_;
    bool showing_ = false;
};

} // namespace bw
