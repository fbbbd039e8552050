#include "mapview/SlipClipboard.h"

#include "image/ImageEncoding.h"
#include "mapview/SlipText.h"
#include "model/Records.h"
#include "platform/Cp932.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QPixmap>

namespace tavelin
{
namespace
{

const QMimeData* SystemClipboard()
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return nullptr;
    const QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard ? clipboard->mimeData() : nullptr;
}

bool IsLoneLineBreak(const QString& text)
{
    return text == u"\r\n" || text == u"\n";
}

} // namespace

ClipboardContent ClassifyClipboard(const QMimeData* data)
{
    if (!data)
        return ClipboardContent::Nothing;
    if (data->hasText()) {
        const QString text = data->text();
        if (text == QLatin1String(CopiedSlipsMarker))
            return ClipboardContent::CopiedSlips;
        if (!text.isEmpty() && !IsLoneLineBreak(text))
            return ClipboardContent::Text;
    }
    if (data->hasImage())
        return ClipboardContent::Picture;
    return ClipboardContent::Nothing;
}

ClipboardContent ClassifyClipboard()
{
    return ClassifyClipboard(SystemClipboard());
}

void PutCopiedSlipsMarker()
{
    if (QClipboard* clipboard = qobject_cast<QGuiApplication*>(QCoreApplication::instance())
                                    ? QGuiApplication::clipboard()
                                    : nullptr)
        clipboard->setText(QLatin1String(CopiedSlipsMarker));
}

QByteArray SlipTextFromClipboard(const QString& text)
{
    return cp932::CutToBytes(EncodeSlipText(text).bytes, SlipTextBytes);
}

bool SaveClipboardPicture(const QMimeData* data, const QString& path, QString& failure)
{
    QImage image;
    if (data && data->hasImage()) {
        const QVariant value = data->imageData();
        image = value.metaType() == QMetaType::fromType<QPixmap>()
                    ? qvariant_cast<QPixmap>(value).toImage()
                    : qvariant_cast<QImage>(value);
    }
    if (image.isNull()) {
        failure = QStringLiteral("クリップボードからの取得エラー\n");
        return false;
    }
    // 32 bits per pixel, as the encoders take it.
    const QImage bits = image.convertToFormat(QImage::Format_RGB32);
    if (bits.isNull()) {
        failure = QStringLiteral("DIBへの変換エラー\n");
        return false;
    }
    if (!SaveBitmapImage(bits, bits.width(), bits.height(), path, QStringLiteral("jpeg"))) {
        failure = QStringLiteral("セーブエラー\n");
        return false;
    }
    return true;
}

} // namespace tavelin
