#pragma once

#include "document/headerdata.h"
#include "document/objdata.h"

#include <QPoint>
#include <QSize>
#include <vector>

namespace bw {

// The built-in start picture: white, 300 x 210.
QImage StartBasisbild();

// The one open topic document: header, objects in drawing order, base image.
struct Document {
    HeaderDataTyp CurrentHeader;
    std::vector<ObjDataTyp> CurrentObjects;
    Picture BaseImage{StartBasisbild()};

    // Frees all pictures and empties the object list.
    void ClearObjects();
    // Ignores an index outside the list.
    void DeleteObject(int index);
    int AddGeneratedObject(int typ, int ebene, const QString& cap, int fsize, int kausr, double kx,
                           double ky, int frageNummer);

    // Header to the state of a new document; the caller handles the state beside it.
    void ResetHeader(const PageRatioDefaults& defaults);

    // Query objects of the current document type; with onlyOpen those in state -5.
    int CountQueryObjects(bool onlyOpen) const;
    int CountOpenObjects() const;
    // Whether the object is a query field that an exercise of this document type asks.
    bool IsAskedQueryObject(int index) const;

    // Page size in base-image pixels and where the base image sits on it.
    QSize PageSize() const;
    QPoint BaseImageOrigin() const;

    // SeitFest .. BildGroesse from RandErw and the base image, as after reading a file.
    void ComputeDerivedGeometry();

    int ObjectCount() const { return static_cast<int>(CurrentObjects.size()); }
    bool ValidIndex(int index) const { return index >= 0 && index < ObjectCount(); }
};

} // namespace bw
