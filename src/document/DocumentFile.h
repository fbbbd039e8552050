#pragma once
// Opening and saving a whole .tvn document without any window: used by the
// editor's document object and by tavelin-tool.

#include <QString>

namespace tavelin {

struct RouteModel;

// Unpacks the cabinet into the working folder and reads its data file into
// the model. On failure the message has been shown and the model is empty.
bool OpenDocumentFile(const QString& path, RouteModel& model);

// Clears the selection marks, writes the data file, keeps the backup copy
// when the settings ask for it and packs the cabinet. On failure the message
// has been shown and the document on disk is as it was.
bool SaveDocumentFile(const QString& path, RouteModel& model);

} // namespace tavelin
