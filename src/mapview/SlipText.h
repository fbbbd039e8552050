#pragma once
// Slip text between the records (CP932 bytes, CR LF line breaks, at most
// 1000 bytes) and the widgets (QString with LF line breaks).

#include <QByteArray>
#include <QString>

namespace tavelin
{

struct SlipRec;

struct EncodedSlipText {
    QByteArray bytes;         // CP932, CR LF line breaks; not yet cut
    bool droppedCharacters{}; // characters CP932 cannot hold were left out
};

// Line breaks of any platform become CR LF; characters CP932 has no code
// for are left out (and reported), never replaced by something else.
EncodedSlipText EncodeSlipText(const QString& text);

// The slip's text field for a widget: LF line breaks.
QString DecodeSlipText(const SlipRec& slip);
QString DecodeSlipText(const QByteArray& bytes);

// The bytes of the text field (up to its NUL).
QByteArray SlipTextField(const SlipRec& slip);

// Stores at most 1000 bytes, cut on a whole character.
void StoreSlipText(SlipRec& slip, const QByteArray& bytes);

} // namespace tavelin
