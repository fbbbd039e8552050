#include "app/Wiring.h"

#include "app/CMainFrame.h"
#include "app/CN20417App.h"
#include "app/CommandTable.h"
#include "document/CN20417Doc.h"
#include "document/CShoriDlg.h"
#include "editors/EditMapSettings.h"
#include "editors/ImageFileChooser.h"
#include "listarea/CLeftView.h"
#include "mapview/CN20417View.h"
#include "mapview/MapImageFileDialog.h"
#include "mapview/SlipAlignment.h"
#include "print/ShowPrintDialog.h"

#include <memory>
#include <utility>

namespace tavelin {
namespace {

// The 整列 drop-down: each command and the alignment it runs.
constexpr std::pair<int, SlipAlignment> AlignmentCommands[] = {
    {ID_TO_LEFT2, SlipAlignment::Left},
    {ID_TO_RIGHT, SlipAlignment::Right},
    {ID_TO_TOP, SlipAlignment::Top},
    {ID_TO_BOTTOM2, SlipAlignment::Bottom},
    {ID_TO_V_CEN, SlipAlignment::CentreVertical},
    {ID_TO_H_CEN2, SlipAlignment::CentreHorizontal},
    {ID_TO_V_KIN2, SlipAlignment::SpaceVertical},
    {ID_TO_H_KIN, SlipAlignment::SpaceHorizontal},
    {ID_SAME_W, SlipAlignment::SameWidth},
    {ID_SAME_H, SlipAlignment::SameHeight},
    {ID_SAME_WH, SlipAlignment::SameSize},
};

// The list area's requests of the map area and the document.
void WireListArea(CN20417App& app, CMainFrame& frame, CN20417View& view, CLeftView& list)
{
    RouteModel& model = app.model();
    CN20417Doc* document = frame.document();
    if (document)
        list.SetDocumentPathQuery([document] { return document->pathName(); });

    ListAreaHooks hooks;
    hooks.refreshNow = [&view] { view.RefreshNow(); };
    hooks.markModified = [document] {
        if (document)
            document->SetModifiedFlag();
    };
    hooks.primaryNode = [&view] { return view.primaryNode(); };
    hooks.setPrimaryNode = [&view](int node) { view.setPrimaryNode(node); };
    hooks.showNodeCentred = [&view](int node) { view.ShowNodeCentred(node); };
    // As a click in node-adding mode appends: the new node alone selected
    // and primary, the countdown started over.
    hooks.appendNode = [&model, &view, &frame](QPoint mapPixel) {
        const int node = model.AppendNode(mapPixel, 1.0f);
        if (node < 0)
            return -1;
        view.ClearSelection();
        model.nodes[node].selected = 1;
        view.setPrimaryNode(node);
        if (frame.nodeAddCountdown().isActive())
            frame.nodeAddCountdown().Restart();
        return node;
    };
    hooks.selectLayerNodes = [&model, &view](int layer) {
        view.ClearSelection();
        for (int i = 0; i < model.nodeCount; ++i) {
            if (model.nodes[i].layer == layer) {
                model.nodes[i].selected = 1;
                view.setPrimaryNode(i);
            }
        }
        view.RefreshNow();
    };
    // The node and slip undo snapshots and the slip copy buffer join here
    // when the map area has them.
    hooks.discardEditBuffers = [] {};
    list.SetHooks(hooks);

    frame.SetHandler(ID_COL_COLOR, [&list] { list.ChooseColumnColour(); });
}

} // namespace

PropertyHooks FramePropertyHooks(CMainFrame& frame, ImageFileChooser* iconChooser)
{
    PropertyHooks hooks;
    hooks.refreshNow = [&frame] {
        if (frame.mapArea())
            frame.mapArea()->RefreshNow();
    };
    hooks.markModified = [&frame] {
        if (frame.document())
            frame.document()->SetModifiedFlag();
    };
    hooks.refreshNodeList = [&frame] {
        if (frame.listArea())
            frame.listArea()->RefreshNodeList();
    };
    hooks.iconChooser = iconChooser;
    return hooks;
}
void WireApplication(CN20417App& app, WiringChoosers choosers)
{
    InstallShoriDialog();

    app.createMapArea = [&app] { return new CN20417View(app.model()); };
    app.createListArea = [&app] { return new CLeftView(app.model()); };

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

        for (const auto& [id, alignment] : AlignmentCommands) {
            frame.SetHandler(id, [&app, view, document, alignment = alignment] {
                AlignmentHooks hooks;
                // The slip undo snapshot arrives with the view's undo.
                hooks.takeSlipSnapshot = [] {};
                hooks.refreshNow = [view] { view->RefreshNow(); };
                hooks.markModified = [document] {
                    if (document)
                        document->SetModifiedFlag();
                };
                AlignSlips(app.model(), view->primarySlip(), alignment, hooks);
            });
        }
        if (auto* list = dynamic_cast<CLeftView*>(frame.listArea()))
            WireListArea(app, frame, *view, *list);

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
