#pragma once

#include <QFont>
#include <QObject>

class QWidget;

namespace bw {

class DocumentEditor;
class TFragenEditForm;
class TLueckEditForm;
class TMultipleChoiceEditForm;

// The three content editors of cloze, single-question and multiple-choice documents, shown
// modally on demand. Each is made when first needed and then kept, so that a start of the
// program does not pay for windows a lesson may never open.
class ContentEditors : public QObject {
    Q_OBJECT
public:
    ContentEditors(QWidget* window, DocumentEditor& editor);

    // Shows the editor of dokTyp (1..3) on the document. On "OK" the content is stored as one
    // undo step, dokTyp becomes the document's type and contentStored follows; true then.
    bool Edit(int dokTyp);
    void SetEditorFont(const QFont& font);

    TLueckEditForm* clozeForm();
    TFragenEditForm* questionForm();
    TMultipleChoiceEditForm* choiceForm();

signals:
    // "Editor-Schriftart..." in one of the editors.
    void editorFontRequested();
    // The generated objects of the new content are to be built.
    void contentStored(int dokTyp);

private:
    QWidget* window_;
    DocumentEditor& ed_;
    QFont font_;
    bool fontSet_ = false;
    TLueckEditForm* cloze_ = nullptr;
    TFragenEditForm* questions_ = nullptr;
    TMultipleChoiceEditForm* choice_ = nullptr;
};

} // namespace bw
