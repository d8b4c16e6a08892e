#pragma once

#include "document/docfile.h"

#include <QString>

namespace bw {

QString FileMissingText(const QString& path, const QString& extra = {});
QString FileReadErrorText(const QString& path, const QString& extra = {});
QString FileWriteErrorText(const QString& path, const QString& extra = {});

// Shown with ShowError.
void FileMissingMessage(const QString& path, const QString& extra = {});
void FileReadErrorMessage(const QString& path, const QString& extra = {});
void FileWriteErrorMessage(const QString& path, const QString& extra = {});

// The texts of the document reader and writer.
QString DocMessageText(DocMessage m, const QString& path);
void ShowDocMessages(const DocResult& r, const QString& path);

void ShowInfo(const QString& text);
void ShowWarning(const QString& text);
void ShowError(const QString& text);
bool AskYesNo(const QString& text);

// Asks the desktop to open a file or address; shows the error when it cannot.
bool OpenWithShell(const QString& target);

} // namespace bw
