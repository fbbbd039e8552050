#pragma once
// Saving the map as a JPEG image (ID_SAVE_IMAGE): the whole scene at zoom
// 1.0, mapWidth x mapHeight pixels, through the same DrawScene as the view.

#include "mapview/DrawScene.h"

#include <QString>

class QObject;

namespace tavelin
{

// The save dialog, behind an interface so tests never block. Empty: cancelled.
class MapImagePathChooser
{
public:
    virtual ~MapImagePathChooser() = default;
    virtual QString chooseMapImagePath(QObject* owner, const QString& defaultName) = 0;
};

// The document title up to its last "." followed by ".jpeg"; empty when
// the title has no ".".
QString DefaultMapImageName(const QString& documentTitle);

// Asks for the path, draws the scene (state as the view shows it) and writes
// it at quality 100. 30038 when written; 30001 when the image cannot be
// allocated (SaveBitmapImage reports a failed write). True when written.
bool SaveMapAsJpeg(RouteModel& model, const SceneState& state, const QString& documentTitle,
                   MapImagePathChooser& chooser, QObject* owner, int dotsPerInch = 96);

// The same image written to `path` without dialog or success message:
// `tavelin-tool render`. False (the message shown) when it fails.
bool WriteMapJpeg(RouteModel& model, const SceneState& state, const QString& path, QObject* owner,
                  int dotsPerInch = 96);

} // namespace tavelin
