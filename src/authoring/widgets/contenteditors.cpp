#include "authoring/widgets/contenteditors.h"

#include "authoring/content.h"
#include "authoring/widgets/texteditforms.h"
#include "authoring/widgets/tmultiplechoiceeditform.h"
#include "document/documenteditor.h"

namespace bw {

ContentEditors::ContentEditors(QWidget* window, DocumentEditor& editor)
    : QObject(window), window_(window), ed_(editor) {}

TLueckEditForm* ContentEditors::clozeForm() {
    if (!cloze_) {
        cloze_ = new TLueckEditForm(window_);
        if (fontSet_) cloze_->SetEditorFont(font_);
        connect(cloze_, &ContentTextForm::editorFontRequested, this,
                &ContentEditors::editorFontRequested);
    }
    return cloze_;
}

TFragenEditForm* ContentEditors::questionForm() {
    if (!questions_) {
        questions_ = new TFragenEditForm(window_);
        if (fontSet_) questions_->SetEditorFont(font_);
        connect(questions_, &ContentTextForm::editorFontRequested, this,
                &ContentEditors::editorFontRequested);
    }
    return questions_;
}

TMultipleChoiceEditForm* ContentEditors::choiceForm() {
    if (!choice_) {
        choice_ = new TMultipleChoiceEditForm(window_);
        if (fontSet_) choice_->SetEditorFont(font_);
        connect(choice_, &TMultipleChoiceEditForm::editorFontRequested, this,
                &ContentEditors::editorFontRequested);
    }
    return choice_;
}

bool ContentEditors::Edit(int dokTyp) {
    const HeaderDataTyp& h = ed_.document().CurrentHeader;
    switch (dokTyp) {
    case 1: {
        TLueckEditForm* f = clozeForm();
        f->SetText(h.lueckentext);
        if (f->exec() != QDialog::Accepted) return false;
        StoreClozeText(ed_, f->Text());
        break;
    }
    case 2: {
        TFragenEditForm* f = questionForm();
        f->SetText(h.fragentext);
        if (f->exec() != QDialog::Accepted) return false;
        StoreQuestionText(ed_, f->Text());
        break;
    }
    case 3: {
        TMultipleChoiceEditForm* f = choiceForm();
        f->Load(LoadChoiceQuestions(ed_.document()));
        if (f->exec() != QDialog::Accepted) return false;
        std::vector<ChoiceQuestion> questions = f->Questions();
        StoreChoiceQuestions(ed_, questions);
        break;
    }
    default:
        return false;
    }
    emit contentStored(dokTyp);
    return true;
}

void ContentEditors::SetEditorFont(const QFont& font) {
    font_ = font;
    fontSet_ = true;
    if (cloze_) cloze_->SetEditorFont(font);
    if (questions_) questions_->SetEditorFont(font);
    if (choice_) choice_->SetEditorFont(font);
}

} // namespace bw
