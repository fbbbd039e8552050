#include "mapview/SlipText.h"

#include "model/Records.h"
#include "platform/Cp932.h"

namespace tavelin
{

EncodedSlipText EncodeSlipText(const QString& text)
{
    QString unified = text;
    unified.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    unified.replace(u'\r', u'\n');
    unified.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));

    EncodedSlipText result;
    if (const auto whole = cp932::Encode(unified)) {
        result.bytes = *whole;
        return result;
    }
    // Rare: find the characters CP932 lacks one code point at a time.
    qsizetype i = 0;
    while (i < unified.size()) {
        const qsizetype width = unified.at(i).isHighSurrogate() && i + 1 < unified.size() ? 2 : 1;
        if (const auto one = cp932::Encode(unified.mid(i, width)))
            result.bytes += *one;
        else
            result.droppedCharacters = true;
        i += width;
    }
    return result;
}

QByteArray SlipTextField(const SlipRec& slip)
{
    return QByteArray(slip.text, qstrnlen(slip.text, SlipTextBytes));
}

QString DecodeSlipText(const QByteArray& bytes)
{
    QString text = cp932::Decode(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

QString DecodeSlipText(const SlipRec& slip)
{
    return DecodeSlipText(SlipTextField(slip));
}

void StoreSlipText(SlipRec& slip, const QByteArray& bytes)
{
    cp932::CopyToField(slip.text, SlipTextBytes, bytes);
}

} // namespace tavelin
