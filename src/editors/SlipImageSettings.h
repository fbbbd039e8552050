#pragma once
// The arithmetic and the model changes behind the image settings of a slip:
// reducing its picture to the slip's height, fitting the slip's width to the
// picture's proportions, and making the slip as large as the picture.

#include "model/RouteModel.h"

#include <QSize>
#include <QString>

namespace tavelin
{

// "%d × %dpx".
QString SlipSizeText(QSize size);

// The picture can only be reduced: to a slip lower than the picture.
bool CanReducePicture(QSize slip, QSize picture);

// The picture scaled to the slip's height, its width by the picture's
// proportions (single-precision ratio, truncated). Empty for an empty picture.
QSize ReducedPictureSize(QSize picture, int slipHeight);

// The slip's width for its height at the picture's proportions.
int FittedSlipWidth(QSize picture, int slipHeight);

// The picture's size within 50..800 x 30..600 (upper bounds first).
QSize SlipSizeForPicture(QSize picture);

// Re-encodes the slip's picture at `size` (a BMP keeping the transparent
// colour when `keepTransparency`, else a JPEG that has none). On failure the
// slip keeps its picture and false is returned (30001 shown).
bool ReduceSlipPicture(RouteModel& model, int slip, QSize size, bool keepTransparency,
                       const QString& workFolder);

// The slip's rectangle becomes `size` from its top-left corner, fitted into
// the map. Returns the rectangle it had before.
SlipBox ResizeSlipFromTopLeft(RouteModel& model, int slip, QSize size);

} // namespace tavelin
