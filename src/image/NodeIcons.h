#pragma once
// The four built-in node icons, drawn by our own code. Each is a 64 x 64
// picture on white (the key colour new icons get), drawn for the upper-left
// position: the point that touches the node is the picture's lower-right
// corner, or its centre for the round marker.

#include <QImage>
#include <array>

namespace tavelin
{

// The resource numbers the layer properties' four picture buttons show, in
// the buttons' order. 1015 is also the default icon of a new layer.
constexpr std::array<int, 4> BuiltInNodeIconIds = {1015, 1016, 1018, 1017};

// The icon of resource `id` (1015 round marker, 1016 flag, 1017 pin,
// 1018 arrow); a null image for any other number.
QImage BuiltInNodeIcon(int id);

} // namespace tavelin
