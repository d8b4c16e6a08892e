#pragma once

#include "view/viewhost.h"

#include <QStringList>

namespace bw::test {

// Records what the view asked of the window.
class FakeHost : public ViewHost {
public:
    bool saveAnswer = true;
    bool readResult = true;
    bool startScreen = false;
    QStringList readPaths;
    int closed = 0;
    int newSheets = 0;
    QString currentFolder;
    QString startFolder;
    QString programFolder;

    bool AskSaveChanges() override { return saveAnswer; }
    bool ReadDocument(const QString& path, bool) override {
        readPaths << path;
        return readResult;
    }
    void CloseDocument() override { ++closed; }
    QString CurrentFolder() const override { return currentFolder; }
    void SetCurrentFolder(const QString& f) override { currentFolder = f; }
    QString StartFolder() const override { return startFolder; }
    QString ProgramFolder() const override { return programFolder; }
    bool StartScreenVisible() const override { return startScreen; }
    void StartNewSheet() override {
        ++newSheets;
        startScreen = false;
    }
};

} // namespace bw::test
