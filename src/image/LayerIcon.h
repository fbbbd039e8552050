#pragma once
// Layer icons: the default icon file and the 64 x 64 rendered cell of each
// layer's icon picture.

#include "image/PictureDrawing.h"
#include "model/Picture.h"

#include <QImage>
#include <QString>

namespace tavelin
{

struct LayerRec;

// The path of "DefIcon.bmp" (beside the program, or in the per-user data
// folder when the program's folder is not writable).
QString DefaultIconPath();

// The whole content of "DefIcon.bmp" as a picture, writing the file from the
// built-in icon first when it is missing. Null when it cannot be read.
PicturePtr LoadDefaultIcon();

// The same with the two folders given: the program's folder and the per-user
// folder used when the program's cannot be written.
QString DefaultIconPath(const QString& programFolder, const QString& userFolder);
PicturePtr LoadDefaultIcon(const QString& programFolder, const QString& userFolder);

// Renders a layer's icon picture into its 64 x 64 cell: black fill, the
// picture at actual size, mirrored or rotated for iconPos 1, 2, 3.
// A null image means the cell could not be built (the caller shows 30001).
QImage BuildLayerIcon(const Picture& picture, const LayerRec& layer);

// The same cell with the picture drawn in `mode`: the layer properties draw
// it fitted, which for their 64 x 64 icon pictures gives the same cell.
QImage BuildIconCell(const Picture& picture, int iconPos, PictureMode mode);

} // namespace tavelin
