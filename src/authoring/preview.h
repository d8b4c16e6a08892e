#pragma once

#include "document/docfile.h"

#include <QImage>
#include <QSize>
#include <QString>

namespace bw {

class LearnView;

constexpr int kPreviewMinHeight = 10;
constexpr int kPreviewMaxHeight = 2000;
constexpr int kPreviewDefaultHeight = 200;

// The view picture stretched to round(w / h x height) x height.
QImage MakePreviewImage(const QImage& viewImage, int height);

// Folder "vorschaubilder" of the document's folder, or of topicFolder for a document
// without a file.
QString PreviewFolder(const QString& documentFile, const QString& topicFolder);
// Name of the preview of a document: its name without extension, "-", the height, ".png".
QString PreviewFileName(const QString& documentFile, int height);

// Creates the preview folder (one level) when missing; false when that fails.
bool EnsurePreviewFolder(const QString& folder);
// Writes the preview of the view picture as PNG; false when the file could not be made.
bool WritePreviewImage(const QImage& viewImage, int height, const QString& path);

// Reads a document into a learning view of viewSize as opening it shows it (first zoom
// step, fields covered) and returns the view picture; null when it could not be read.
QImage RenderOpenedDocument(const QString& file, QSize viewSize, DocResult& result);

// The texts of the preview command.
QString PreviewFolderErrorText(const QString& folder);
QString PreviewProgressText(int number, int count);

} // namespace bw
