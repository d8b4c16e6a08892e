#pragma once

#include "document/document.h"

class QImage;

namespace bw {

struct ClozeLayoutOptions {
    bool rebuildGaps = false;
    bool baseLayerVisible = true;
    bool exerciseRunning = false;
};

// Lays out the cloze text of a cloze document on page, lowering clozeFontReduction until it
// fits (not below a font height of 9 pixels). With rebuildGaps the gap objects are made anew,
// otherwise the existing ones are moved. Returns false when the document is no cloze document
// or has no text. The caller renumbers after a rebuild.
bool LayoutClozeText(Document& doc, QImage& page, int& clozeFontReduction,
                     const ClozeLayoutOptions& options);

} // namespace bw
