#pragma once

#include <QFont>
#include <QObject>

class QWidget;

namespace bw {

class DocumentEditor;
class TFragenEditForm;
class TLueckEditForm;
class TMultipleChoiceEditForm;

// The three content editors of cloze, single-question and multiple-choice documents, created
// once beside the main window and shown modally on demand.
class ContentEditors : public QObject {
    Q_OBJECT
public:
    ContentEditors(QWidget* window, DocumentEditor& editor);

    // Shows the editor of dokTyp (1..3) on the document. On "OK" the content is stored as one
    // undo step, dokTyp becomes the document's type and contentStored follows; true then.
    bool Edit(int dokTyp);
    void SetEditorFont(const QFont& font);

    TLueckEditForm* clozeForm() const { return cloze_; }
    TFragenEditForm* questionForm() const { return questions_; }
    TMultipleChoiceEditForm* choiceForm() const { return choice_; }

signals:
    // "Editor-Schriftart..." in one of the editors.
    void editorFontRequested();
    // The generated objects of the new content are to be built.
    void contentStored(int dokTyp);

private:
    DocumentEditor& ed_;
    TLueckEditForm* cloze_;
    TFragenEditForm* questions_;
    TMultipleChoiceEditForm* choice_;
};

} // namespace bw
