#include "app/Wiring.h"

#include "app/CMainFrame.h"
#include "app/CN20417App.h"
#include "app/CommandTable.h"
#include "document/CN20417Doc.h"
#include "document/CShoriDlg.h"
#include "editors/EditMapSettings.h"
#include "editors/ImageFileChooser.h"
#include "mapview/CN20417View.h"
#include "mapview/MapImageFileDialog.h"
#include "print/ShowPrintDialog.h"

#include <memory>

namespace tavelin {

void WireApplication(CN20417App& app, WiringChoosers choosers)
{
    InstallShoriDialog();

    app.createMapArea = [&app] { return new CN20417View(app.model()); };

    app.wireFrame = [&app, choosers](CMainFrame& frame) {
        auto* view = dynamic_cast<CN20417View*>(frame.mapArea());
        if (!view)
            return;
        CN20417Doc* document = frame.document();
        if (document)
            view->SetDocumentPathQuery([document] { return document->pathName(); });

        frame.SetHandler(ID_MAP_SETTEI, [&app, &frame, view, document, choosers] {
            MapViewHooks hooks;
            hooks.zoomBarHeight = [view] { return view->zoomBarHeight(); };
            hooks.setScrollSizes = [view](QSize size) { view->SetScrollSizes(size); };
            hooks.scrollTo = [view](QPoint position) { view->ScrollTo(position); };
            hooks.rebuildBackground = [view] { return view->RebuildBackground(); };
            hooks.refreshNow = [view] { view->RefreshNow(); };
            hooks.markModified = [document] {
                if (document)
                    document->SetModifiedFlag();
            };
            hooks.refreshNodeList = [&frame] {
                if (frame.listArea())
                    frame.listArea()->RefreshNodeList();
            };
            EditMapSettings(app.model(), &frame, hooks, choosers.mapPicture);
        });

        frame.SetHandler(ID_SAVE_IMAGE, [view, document, choosers] {
            static MapImageFileDialog dialog;
            MapImagePathChooser& chooser = choosers.mapImagePath ? *choosers.mapImagePath : dialog;
            view->SaveMapImage(document ? document->title() : QString(), chooser);
        });

        frame.SetHandler(ID_INSATU, [&app, &frame, view, document, choosers] {
            PrintSource source;
            source.model = &app.model();
            source.state = view->sceneState();
            source.screenDpi = view->logicalDpiX();
            source.documentTitle = document ? document->title() : QString();
            ShowPrintDialog(app.printer(), source, {choosers.printerSetup, choosers.pdfPath},
                            &frame);
        });
    };
}

} // namespace tavelin
