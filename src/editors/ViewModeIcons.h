#pragma once
// The icons of the map preview's view buttons (339, 318, 317, 319, 338):
// a small map sheet, whole or with the corner shown at actual size marked.

#include <QIcon>

namespace tavelin
{

// `mode` as MapViewMode: 0 whole map, 1 north-west, 2 south-east,
// 3 north-east, 4 south-west.
QIcon ViewModeIcon(int mode);

} // namespace tavelin
