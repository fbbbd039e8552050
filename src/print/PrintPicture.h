#pragma once
// The 1:1 picture of the whole scene that the print preview and every
// printed page are cut from, drawn once by DrawScene at zoom 1.0.

#include "mapview/DrawScene.h"

#include <QImage>

namespace tavelin
{

// An image of `size` whose memory is taken in large pages where the system
// offers them: a 4000 x 4000 map is 64 MB, and touching that much fresh
// memory page by page costs more than drawing the whole scene into it.
// Null when it cannot be allocated.
QImage AllocatePictureBuffer(QSize size);

// The scene at zoom 1.0 (the header's zoom is put back afterwards) into a
// mapWidth x mapHeight picture measured at `dotsPerInch`. Null when the
// picture cannot be allocated or the map has no size.
QImage RenderPrintPicture(RouteModel& model, SceneState state, int dotsPerInch);

} // namespace tavelin
