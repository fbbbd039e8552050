#pragma once
// Shift-JIS (code page 932) text at the boundary between the records, which
// hold CP932 bytes, and the user interface, which works in QString.

#include <QByteArray>
#include <QString>
#include <optional>

namespace tavelin::cp932 {

// Null when the text holds a character CP932 cannot represent: nothing is
// ever silently substituted.
std::optional<QByteArray> Encode(const QString& text);
// Invalid byte sequences decode as U+FFFD; decoding never fails.
QString Decode(const QByteArray& bytes);
// A NUL-terminated field of at most `capacity` bytes (stops at the first NUL).
QString DecodeField(const char* field, int capacity);

// Length in CP932 bytes; -1 when the text cannot be encoded.
int ByteLength(const QString& text);

// The longest prefix of whole characters within maxBytes.
QByteArray CutToBytes(const QByteArray& bytes, int maxBytes);

// Whole when within `limit` bytes, else the longest whole-character prefix
// within `limit` followed by the two-byte ellipsis "…".
QByteArray FitToBytes(const QByteArray& bytes, int limit);
QString FitToBytes(const QString& text, int limit);

// Copies into a fixed NUL-terminated field of capacity+1 bytes, cutting to
// whole characters within `capacity` bytes and zero-filling the rest.
void CopyToField(char* field, int capacity, const QByteArray& bytes);

} // namespace tavelin::cp932
