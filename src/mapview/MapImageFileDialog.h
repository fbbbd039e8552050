#pragma once
// The save dialog of ID_SAVE_IMAGE as a Qt file dialog.

#include "mapview/SaveMapImage.h"

namespace tavelin
{

class MapImageFileDialog : public MapImagePathChooser
{
public:
    QString chooseMapImagePath(QObject* owner, const QString& defaultName) override;
};

} // namespace tavelin
