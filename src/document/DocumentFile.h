#pragma once
// Opening and saving a whole .tvn document without any window: used by the
// editor's document object (CN20417Doc) and by tavelin-tool.

#include <QString>

namespace tavelin {

struct RouteModel;

enum class OpenResult {
    Opened,     // the model holds the document
    NotOpened,  // nothing was read: the model is as it was
    Refused,    // the data file was refused: the model is empty
};

// Unpacks the cabinet into the working folder, reads its data file into the
// model and deletes every file the unpacking wrote. Every failure but a path
// not ending in "TVN" (any case) shows its message.
// `version`, when given, receives the data file's version (1 or 2).
OpenResult OpenDocument(const QString& path, RouteModel& model, int* version = nullptr);

// Clears the selection marks, writes the data file into the working folder,
// keeps the backup copy "<name>(back).TVN" when "KanSet" "MakeBackup" is 1,
// packs the cabinet (written beside the document and renamed over it only
// once complete) and deletes the data file; on success writes "Last"
// "FilePath". The caller has stored the scroll position in the header. On
// failure the message has been shown and the document on disk is as it was.
bool SaveDocument(const QString& path, RouteModel& model);

// The backup path of a document: the path up to the last "." of its file
// name followed by "(back).TVN"; empty when the file name has no ".".
QString BackupPath(const QString& documentPath);

} // namespace tavelin
