#pragma once
// Joins the application's parts that are built apart: the map area into the
// frame's splitter, and the commands whose work lives in the map area and
// the editors (background map settings, save as image, printing).

#include "editors/PropertyHooks.h"

namespace tavelin {

class CMainFrame;
class CN20417App;
class ImageFileChooser;
class MapImagePathChooser;
class PdfPathChooser;
class PrinterSetupRunner;

// The choosers default to the platform's file dialogs; tests pass scripted
// ones (not owned; they must outlive the application object).
struct WiringChoosers {
    ImageFileChooser* mapPicture = nullptr;
    MapImagePathChooser* mapImagePath = nullptr;
    PrinterSetupRunner* printerSetup = nullptr;
    PdfPathChooser* pdfPath = nullptr;
};

void WireApplication(CN20417App& app, WiringChoosers choosers = {});

// What the layer and node properties and the layer list are handed by the
// menus that open them: the frame's map area redraw, the document's
// modified flag and the list area's rebuild. The tab hooks are left to the
// layer tab bar.
PropertyHooks FramePropertyHooks(CMainFrame& frame, ImageFileChooser* iconChooser = nullptr);

} // namespace tavelin
