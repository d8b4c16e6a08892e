#pragma once

#include "document/document.h"

#include <QObject>
#include <QUndoStack>
#include <vector>

namespace bw {

// The one way to change the open document. Edits are undo steps on the stack, whose clean
// state follows saving and sets Geaendert; run-time states (covering, exercise marks,
// generated layouts) only notify. Views, the title and editors listen to the signals.
class DocumentEditor : public QObject {
    Q_OBJECT
public:
    explicit DocumentEditor(Document& doc, QObject* parent = nullptr);
    ~DocumentEditor() override;

    Document& document() { return doc_; }
    const Document& document() const { return doc_; }
    QUndoStack& undoStack() { return stack_; }

    // ---- edits (each one undo step) ----
    // Inserts at index (appends when index is outside the list); returns the index.
    int AddObject(const ObjDataTyp& o, int index = -1);
    void RemoveObject(int index);
    // Replaces the stored fields of an object (its run-time values stay). Typing edits of the
    // same object in a row (mergeTyping) make one step, as a word typed is one change.
    void SetObject(int index, const ObjDataTyp& o, const QString& text = {},
                   bool mergeTyping = false);
    // Moves the anchor point (Sx, Sy) or the card point (Kx, Ky) to page fractions. Moves of
    // the same point of the same object in a row merge into one step, as a drag does.
    enum class Point { Anchor, Card };
    void MovePoint(int index, Point which, double x, double y);
    void ReplaceObjects(const std::vector<ObjDataTyp>& objects, const QString& text);
    void SetHeader(const HeaderDataTyp& header, const QString& text = {});
    void SetBaseImage(const Picture& picture, const QString& text = {});
    // Base image, header and objects together, as a new page layout changes them; listeners
    // hear baseImageChanged only, which stands for the whole page.
    void SetPage(const Picture& picture, const HeaderDataTyp& header,
                 const std::vector<ObjDataTyp>& objects, const QString& text);
    // Several edits as one step.
    void BeginMacro(const QString& text) { stack_.beginMacro(text); }
    void EndMacro() { stack_.endMacro(); }

    // ---- run-time changes (not undoable, not a modification) ----
    void SetRuntimeState(int index, int abgedeckt);
    void NotifyObjectChanged(int index) { emit objectChanged(index); }
    void NotifyObjectsReset() { emit objectsReset(); }

    // ---- the document as a whole ----
    // Another document was read, or the document was reset or closed: no undo history.
    void DocumentReplaced();
    // The document was written to its file: the current state is the saved one.
    void MarkSaved();
    bool IsModified() const { return doc_.CurrentHeader.Geaendert; }

signals:
    void objectChanged(int index);
    void objectInserted(int index);
    void objectRemoved(int index);
    void objectsReset(); // the object list as a whole changed
    // Everything changed at once (read, reset, closed); listeners redraw once.
    void documentReplaced();
    void headerChanged();
    void baseImageChanged();
    void modifiedChanged(bool modified);

private:
    void setModified(bool modified);

    Document& doc_;
    QUndoStack stack_;
};

} // namespace bw
