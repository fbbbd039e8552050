#include "editors/SlipImageSettings.h"

#include "image/ImageEncoding.h"

#include <algorithm>

namespace tavelin
{
namespace
{

float PictureRatio(QSize picture)
{
    return static_cast<float>(picture.width()) / static_cast<float>(picture.height());
}

bool Usable(QSize picture)
{
    return picture.width() > 0 && picture.height() > 0;
}

} // namespace

QString SlipSizeText(QSize size)
{
    return QStringLiteral("%1 × %2px").arg(size.width()).arg(size.height());
}

bool CanReducePicture(QSize slip, QSize picture)
{
    return Usable(picture) && slip.height() > 0 && slip.height() < picture.height();
}

QSize ReducedPictureSize(QSize picture, int slipHeight)
{
    if (!Usable(picture))
        return {};
    return {FittedSlipWidth(picture, slipHeight), slipHeight};
}

int FittedSlipWidth(QSize picture, int slipHeight)
{
    if (!Usable(picture))
        return 0;
    return static_cast<int>(static_cast<float>(slipHeight) * PictureRatio(picture));
}

QSize SlipSizeForPicture(QSize picture)
{
    return {std::max(50, std::min(800, picture.width())),
            std::max(30, std::min(600, picture.height()))};
}

bool ReduceSlipPicture(RouteModel& model, int slip, QSize size, bool keepTransparency,
                       const QString& workFolder)
{
    PicturePtr& picture = (*model.slipPictures)[std::size_t(slip)];
    if (!picture || size.isEmpty())
        return false;
    const LoadedPicture smaller =
        ResizePicture(*picture, size.width(), size.height(), keepTransparency, workFolder);
    if (!smaller.picture)
        return false; // the old picture stays
    SlipRec& s = model.slips[slip];
    picture = smaller.picture;
    s.imageSize = static_cast<std::int32_t>(smaller.byteSize);
    // A JPEG has no exact colours left to key on: drawing it keyed would
    // punch scattered holes where a pixel happens to match.
    if (!keepTransparency)
        s.imageTransparentColour = -1;
    return true;
}

SlipBox ResizeSlipFromTopLeft(RouteModel& model, int slip, QSize size)
{
    SlipRec& s = model.slips[slip];
    const SlipBox before{s.left, s.top, s.right, s.bottom};
    const SlipBox fitted =
        FitSlipIntoMap({s.left, s.top, s.left + size.width(), s.top + size.height()},
                       model.header.mapWidth, model.header.mapHeight);
    s.left = fitted.left;
    s.top = fitted.top;
    s.right = fitted.right;
    s.bottom = fitted.bottom;
    return before;
}

} // namespace tavelin
