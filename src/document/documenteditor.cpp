#include "document/documenteditor.h"

#include <QUndoCommand>
#include <functional>

namespace bw {

namespace {

// Keeps the run-time values of the object now in the list; only stored fields change.
ObjDataTyp WithRuntimeOf(ObjDataTyp stored, const ObjDataTyp& current) {
    stored.Abgedeckt = current.Abgedeckt;
    stored.Nummer = current.Nummer;
    stored.FehlerPos = current.FehlerPos;
    stored.FehlerKarte = current.FehlerKarte;
    return stored;
}

// An undo step given as the two directions.
class FunctionCommand : public QUndoCommand {
public:
    FunctionCommand(const QString& text, std::function<void()> redo, std::function<void()> undo)
        : QUndoCommand(text), redo_(std::move(redo)), undo_(std::move(undo)) {}
    void redo() override { redo_(); }
    void undo() override { undo_(); }

private:
    std::function<void()> redo_, undo_;
};

// A point drag: consecutive moves of the same point merge into one step.
class MovePointCommand : public QUndoCommand {
public:
    MovePointCommand(Document& doc, DocumentEditor& ed, int index, DocumentEditor::Point which,
                     QPointF to)
        : QUndoCommand(QStringLiteral("Verschieben")), doc_(doc), ed_(ed), index_(index),
          which_(which), to_(to) {
        from_ = point();
    }
    int id() const override { return 1; }
    bool mergeWith(const QUndoCommand* other) override {
        auto* o = static_cast<const MovePointCommand*>(other);
        if (o->index_ != index_ || o->which_ != which_) return false;
        to_ = o->to_;
        return true;
    }
    void redo() override { set(to_); }
    void undo() override { set(from_); }

private:
    QPointF point() const {
        const ObjDataTyp& o = doc_.CurrentObjects[index_];
        return which_ == DocumentEditor::Point::Anchor ? QPointF(o.Sx, o.Sy) : QPointF(o.Kx, o.Ky);
    }
    void set(QPointF p) {
        ObjDataTyp& o = doc_.CurrentObjects[index_];
        if (which_ == DocumentEditor::Point::Anchor) {
            o.Sx = p.x();
            o.Sy = p.y();
        } else {
            o.Kx = p.x();
            o.Ky = p.y();
        }
        emit ed_.objectChanged(index_);
    }
    Document& doc_;
    DocumentEditor& ed_;
    int index_;
    DocumentEditor::Point which_;
    QPointF from_, to_;
};

// An object edit; typing edits of the same object in a row merge.
class SetObjectCommand : public QUndoCommand {
public:
    SetObjectCommand(const QString& text, int index, bool typing,
                     std::function<void(const ObjDataTyp&)> apply, ObjDataTyp before,
                     ObjDataTyp after)
        : QUndoCommand(text), index_(index), typing_(typing), apply_(std::move(apply)),
          before_(std::move(before)), after_(std::move(after)) {}
    int id() const override { return typing_ ? 2 : -1; }
    bool mergeWith(const QUndoCommand* other) override {
        auto* o = static_cast<const SetObjectCommand*>(other);
        if (!o->typing_ || o->index_ != index_) return false;
        after_ = o->after_;
        return true;
    }
    void redo() override { apply_(after_); }
    void undo() override { apply_(before_); }

private:
    int index_;
    bool typing_;
    std::function<void(const ObjDataTyp&)> apply_;
    ObjDataTyp before_, after_;
};

QString Or(const QString& text, const char* fallback) {
    return text.isEmpty() ? QString::fromUtf8(fallback) : text;
}

} // namespace

DocumentEditor::DocumentEditor(Document& doc, QObject* parent) : QObject(parent), doc_(doc) {
    connect(&stack_, &QUndoStack::cleanChanged, this, [this](bool clean) { setModified(!clean); });
}

DocumentEditor::~DocumentEditor() {
    // A stack with unsaved steps reports "clean" as it goes; nobody may hear that from a
    // document that is being closed with the window.
    stack_.blockSignals(true);
}

void DocumentEditor::setModified(bool modified) {
    if (doc_.CurrentHeader.Geaendert == modified) return;
    doc_.CurrentHeader.Geaendert = modified;
    emit modifiedChanged(modified);
}

int DocumentEditor::AddObject(const ObjDataTyp& o, int index) {
    if (!doc_.ValidIndex(index)) index = doc_.ObjectCount();
    stack_.push(new FunctionCommand(
        QStringLiteral("Neues Objekt"),
        [this, o, index] {
            doc_.CurrentObjects.insert(doc_.CurrentObjects.begin() + index, o);
            emit objectInserted(index);
        },
        [this, index] {
            doc_.DeleteObject(index);
            emit objectRemoved(index);
        }));
    return index;
}

void DocumentEditor::RemoveObject(int index) {
    if (!doc_.ValidIndex(index)) return;
    const ObjDataTyp removed = doc_.CurrentObjects[index];
    stack_.push(new FunctionCommand(
        QStringLiteral("Objekt löschen"),
        [this, index] {
            doc_.DeleteObject(index);
            emit objectRemoved(index);
        },
        [this, removed, index] {
            doc_.CurrentObjects.insert(doc_.CurrentObjects.begin() + index, removed);
            emit objectInserted(index);
        }));
}

void DocumentEditor::SetObject(int index, const ObjDataTyp& o, const QString& text,
                               bool mergeTyping) {
    if (!doc_.ValidIndex(index)) return;
    const ObjDataTyp before = doc_.CurrentObjects[index];
    const ObjDataTyp after = WithRuntimeOf(o, before);
    auto apply = [this, index](const ObjDataTyp& v) {
        doc_.CurrentObjects[index] = WithRuntimeOf(v, doc_.CurrentObjects[index]);
        emit objectChanged(index);
    };
    stack_.push(new SetObjectCommand(Or(text, "Objekt ändern"), index, mergeTyping, apply, before,
                                     after));
}

void DocumentEditor::MovePoint(int index, Point which, double x, double y) {
    if (!doc_.ValidIndex(index)) return;
    stack_.push(new MovePointCommand(doc_, *this, index, which, QPointF(x, y)));
}

void DocumentEditor::ReplaceObjects(const std::vector<ObjDataTyp>& objects, const QString& text) {
    const std::vector<ObjDataTyp> before = doc_.CurrentObjects;
    auto apply = [this](const std::vector<ObjDataTyp>& v) {
        doc_.CurrentObjects = v;
        emit objectsReset();
    };
    stack_.push(new FunctionCommand(
        text, [apply, objects] { apply(objects); }, [apply, before] { apply(before); }));
}

void DocumentEditor::SetHeader(const HeaderDataTyp& header, const QString& text) {
    const HeaderDataTyp before = doc_.CurrentHeader;
    // The modified flag belongs to the stack, not to either state.
    auto apply = [this](HeaderDataTyp h) {
        h.Geaendert = doc_.CurrentHeader.Geaendert;
        doc_.CurrentHeader = std::move(h);
        emit headerChanged();
    };
    stack_.push(new FunctionCommand(
        Or(text, "Dokumenteigenschaften"), [apply, header] { apply(header); },
        [apply, before] { apply(before); }));
}

void DocumentEditor::SetBaseImage(const Picture& picture, const QString& text) {
    const Picture before = doc_.BaseImage;
    auto apply = [this](const Picture& p) {
        doc_.BaseImage = p;
        doc_.ComputeDerivedGeometry();
        emit baseImageChanged();
    };
    stack_.push(new FunctionCommand(
        Or(text, "Basisbild"), [apply, picture] { apply(picture); },
        [apply, before] { apply(before); }));
}

void DocumentEditor::SetPage(const Picture& picture, const HeaderDataTyp& header,
                             const std::vector<ObjDataTyp>& objects, const QString& text) {
    struct State {
        Picture picture;
        HeaderDataTyp header;
        std::vector<ObjDataTyp> objects;
    };
    State before{doc_.BaseImage, doc_.CurrentHeader, doc_.CurrentObjects};
    State after{picture, header, objects};
    auto apply = [this](const State& s) {
        doc_.BaseImage = s.picture;
        const bool modified = doc_.CurrentHeader.Geaendert;
        doc_.CurrentHeader = s.header;
        doc_.CurrentHeader.Geaendert = modified;
        doc_.CurrentObjects = s.objects;
        // One signal for the one redraw the new page needs.
        emit baseImageChanged();
    };
    stack_.push(new FunctionCommand(
        text, [apply, after] { apply(after); }, [apply, before] { apply(before); }));
}

void DocumentEditor::SetRuntimeState(int index, int abgedeckt) {
    if (!doc_.ValidIndex(index) || doc_.CurrentObjects[index].Abgedeckt == abgedeckt) return;
    doc_.CurrentObjects[index].Abgedeckt = abgedeckt;
    emit objectChanged(index);
}

void DocumentEditor::DocumentReplaced() {
    stack_.clear();
    stack_.setClean();
    setModified(false);
    emit documentReplaced();
}

void DocumentEditor::MarkSaved() {
    stack_.setClean();
    setModified(false);
}

} // namespace bw
