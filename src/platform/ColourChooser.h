#pragma once
// The colour chooser ("other colours" of the palettes, the colour column,
// the slip and tab colours), behind an interface so that tests script it
// instead of blocking on a platform dialog.

#include <QColor>
#include <optional>

class QWidget;

namespace tavelin
{

class ColourChooser
{
public:
    virtual ~ColourChooser() = default;
    // The chosen colour, or nothing when the user cancelled.
    virtual std::optional<QColor> chooseColour(QWidget* owner, const QColor& initial) = 0;
};

// QColorDialog, the platform's chooser.
class DialogColourChooser : public ColourChooser
{
public:
    std::optional<QColor> chooseColour(QWidget* owner, const QColor& initial) override;
};

// The chooser the program uses unless a test installs its own (not owned).
ColourChooser& CurrentColourChooser();
// Installs `chooser` (nullptr restores the dialog) and returns the previous one.
ColourChooser* InstallColourChooser(ColourChooser* chooser);

} // namespace tavelin
