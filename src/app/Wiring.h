#pragma once
// Joins the application's parts that are built apart: the map area into the
// frame's splitter, and the commands whose work lives in the map area and
// the editors (background map settings, save as image, printing).

namespace tavelin {

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

} // namespace tavelin
