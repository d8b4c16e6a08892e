#pragma once

#include "authoring/pagelayout.h"
#include "document/documenteditor.h"

#include <QImage>

namespace bw {

// What the object editor's controls hold when a new object is made.
struct NewObjectDefaults {
    DoubleRect viewport{0, 0, 1, 1}; // the visible part of the page
    bool sline = true;               // "mit Linie ab Pos.:" ticked
    int kausr = 0;                   // "Position zum Ankerpunkt" index, 0 when none chosen
};

// The authoring commands. Each is one undo step on the editor's stack, so the modified flag
// follows the stack; the caller redraws on the editor's signals.
class Authoring {
public:
    explicit Authoring(DocumentEditor& editor) : ed_(editor) {}

    // ---- base image and page ----
    // New margins from the base image and the layout values; with transform the objects
    // stay on their spots of the base image, else on their page fractions.
    void ApplyBaseImageLayout(bool transform);
    // The layout values as the size and alignment or page ratio dialog set them, applied.
    void SetPageLayout(const PageLayout& layout, bool transform);
    // Replaces the base image and lays out its page; objects keep their page fractions.
    void ReplaceBaseImage(const QImage& image);
    // The start picture as base image.
    void DeleteBaseImage();

    // ---- objects ----
    // The object "Neu" makes for a type index (0..6) in this state of the controls.
    static ObjDataTyp MakeNewObject(int typeIndex, const NewObjectDefaults& d);
    // Appends it; returns its index, -1 for a type index outside 0..6.
    int NewObject(int typeIndex, const NewObjectDefaults& d);
    // Writes the edited fields into object index; -1 when there is no such object.
    // KAusrAkt follows KAusr when a side is chosen and is cleared when "automatisch" is.
    int StoreObject(int index, const ObjDataTyp& edited);
    // A copy directly behind object index, 0.05 lower; returns its index or -1.
    int DuplicateObject(int index);
    bool DeleteObject(int index);
    // Removes every object below Typ 10 (labels, pictures, info points, links, gaps); the
    // generated objects of the other document types stay. False when there was none.
    bool DeleteAllObjects();
    // Algorithm of "Transformieren": false when there are no objects.
    bool TransformObjects(double factorX, double offsetX, double factorY, double offsetY);

    // ---- properties ----
    void SetProperties(const QString& titel, const QString& autor, const QString& bemerkung,
                       int numArt, int geordnetArt);

private:
    std::vector<ObjDataTyp> withLayout(const DoubleRect& margins, bool transform) const;

    DocumentEditor& ed_;
};

// The confirmation asked before an object is deleted ("Soll ... (ID n) wirklich gelöscht
// werden?"), from the texts the editor's fields show.
QString DeleteObjectQuestion(int typ, int index, const QString& fileText, const QString& text);

} // namespace bw
