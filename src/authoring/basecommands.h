#pragma once

#include "authoring/authoring.h"

namespace bw {

// The base-image and "Alle löschen" commands of the authoring menu, with their questions
// and messages through the prompter. Each change is one undo step.
class BaseImageCommands {
public:
    explicit BaseImageCommands(Authoring& authoring, DocumentEditor& editor)
        : authoring_(authoring), ed_(editor) {}

    void EinfuegenAusDatei(const QString& folder);
    void EinfuegenAusZwischenablage();
    void KopierenInZwischenablage();
    void BasisbildLoeschen();
    // true when objects were deleted
    bool AlleBeschriftungenLoeschen();

private:
    Authoring& authoring_;
    DocumentEditor& ed_;
};

} // namespace bw
