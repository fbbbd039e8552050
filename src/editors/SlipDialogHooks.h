#pragma once
// What the slip's image dialogs need of the map view.

#include <QPoint>
#include <QRect>
#include <functional>

namespace tavelin
{

struct SlipDialogHooks {
    std::function<QPoint()> scrollPosition;       // the view's scroll position
    std::function<void(const QRect&)> redrawArea; // client coordinates, repainted at once
    std::function<void()> markModified;           // the document's modified flag
};

} // namespace tavelin
