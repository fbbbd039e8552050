#pragma once
// The small pictures of the layer menu, drawn here: insert before (190) and
// after (191), move to the previous (187) and next (189) place, delete
// (137) and rename (1012).

#include <QIcon>

namespace tavelin
{

// A null icon for a number that has no picture.
QIcon LayerMenuIcon(int picture);

} // namespace tavelin
