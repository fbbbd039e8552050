#include "platform/ColourChooser.h"

#include <QColorDialog>

namespace tavelin
{

namespace
{
ColourChooser* installed = nullptr;
}

std::optional<QColor> DialogColourChooser::chooseColour(QWidget* owner, const QColor& initial)
{
    const QColor colour = QColorDialog::getColor(initial, owner);
    if (!colour.isValid())
        return std::nullopt;
    return colour;
}

ColourChooser& CurrentColourChooser()
{
    static DialogColourChooser dialog;
    return installed ? *installed : dialog;
}

ColourChooser* InstallColourChooser(ColourChooser* chooser)
{
    ColourChooser* previous = installed;
    installed = chooser;
    return previous;
}

} // namespace tavelin
