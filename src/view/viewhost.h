#pragma once

#include <QString>

namespace bw {

// What the learning view asks of the main window when an object is activated.
// The window implements it; tests use a fake.
class ViewHost {
public:
    virtual ~ViewHost() = default;

    // The save question with Yes / No / Cancel; false on Cancel.
    virtual bool AskSaveChanges() = 0;
    // Reads a document with the reader's messages; the host redraws, rebuilds the window
    // title and re-reads the topic list.
    virtual bool ReadDocument(const QString& path, bool makeCurrent) = 0;
    // Closes the document (start picture, start screen, topic list re-read).
    virtual void CloseDocument() = 0;

    // Folders, each with a trailing separator.
    virtual QString CurrentFolder() const = 0;
    virtual void SetCurrentFolder(const QString& folder) = 0;
    virtual QString StartFolder() const = 0;
    virtual QString ProgramFolder() const = 0;

    // The start-screen panel: a click on the view while it shows hides it and starts a new
    // blank drawing sheet.
    virtual bool StartScreenVisible() const = 0;
    virtual void StartNewSheet() = 0;
};

} // namespace bw
