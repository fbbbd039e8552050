#pragma once
// The clipboard as the map sees it: the marker of slips copied inside the
// program, text for a new text slip, or a picture for a new image slip.

#include <QByteArray>
#include <QString>

class QMimeData;

namespace tavelin
{

enum class ClipboardContent { Nothing, CopiedSlips, Text, Picture };

// The text that stands for "the slips in the copy buffer".
inline constexpr char CopiedSlipsMarker[] = "[OBJ]";

// Text "[OBJ]" is the copied slips; other text that is not empty and not a
// lone line break is text; otherwise an image is a picture. A null data is
// nothing. The second form reads the system clipboard.
ClipboardContent ClassifyClipboard(const QMimeData* data);
ClipboardContent ClassifyClipboard();

// Replaces the clipboard's content with the marker text.
void PutCopiedSlipsMarker();

// Text for a slip: CR LF line breaks, characters CP932 lacks left out, and
// at most 1000 bytes cut on a whole character.
QByteArray SlipTextFromClipboard(const QString& text);

// Writes the clipboard's picture to `path` as JPEG. On failure `failure`
// holds the message prefix that names the step that failed.
bool SaveClipboardPicture(const QMimeData* data, const QString& path, QString& failure);

} // namespace tavelin
