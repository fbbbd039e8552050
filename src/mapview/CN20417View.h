#pragma once
// The map area: shows the scene that DrawScene composes, scrolls and zooms
// it, and carries the zoom bar. Other parts reach the one view through
// CN20417View::instance().

#include "platform/Areas.h"
#include "mapview/DrawScene.h"
#include "mapview/SaveMapImage.h"

#include <QAbstractScrollArea>
#include <QImage>
#include <functional>

namespace tavelin
{

class CUnderBar;

class CN20417View : public QAbstractScrollArea, public MapArea
{
    Q_OBJECT
public:
    explicit CN20417View(RouteModel& model, QWidget* parent = nullptr);
    ~CN20417View() override;

    // The application-wide pointer, set when the view is created.
    static CN20417View* instance();

    // MapArea
    QWidget* widget() override { return this; }
    void InitialUpdate() override;
    void RefreshNow() override;
    bool HasBackground() const override { return !m_background.isNull(); }
    void StoreScrollPosition() override;
    bool IconsShown() const override { return m_iconsShown; }
    void SetIconsShown(bool shown) override;
    void PlaceFloatingBars() override { PlaceZoomBar(); }
    bool HasPrimarySlip() const override { return m_primarySlip >= 0; }

    // Initial update with the document's origin known: opened from a file,
    // or new (the model is reset to a new document with one layer).
    void InitialUpdate(bool openedFromFile);
    // Tells InitialUpdate() whether the document has a path.
    void SetDocumentPathQuery(std::function<QString()> query) { m_documentPath = std::move(query); }

    // The map picture rendered 1:1 into the background buffer; 0 on failure.
    bool RebuildBackground();
    // The total scroll size and the scroll position, in device pixels at the
    // current zoom (the map settings set both after a new map).
    void SetScrollSizes(QSize total);
    void ScrollTo(QPoint position);
    void CenterOn(int x, int y);
    void ShowNodeCentred(int node);
    void ClearSelection();
    void SetZoom(float zoom, bool useSavedCentre);
    void PlaceZoomBar();

    // ID_SAVE_IMAGE: the whole map at 100 % as a JPEG.
    bool SaveMapImage(const QString& documentTitle, MapImagePathChooser& chooser);

    // The state DrawScene reads, as this view shows it.
    SceneState sceneState() const;
    RouteModel& model() { return m_model; }
    CUnderBar* zoomBar() const { return m_bar; }
    int zoomBarHeight() const;
    QPoint scrollPosition() const;
    QSize scrollSize() const { return m_scrollSize; }
    QPoint savedCentre() const { return m_savedCentre; }
    bool eraseOnce() const { return m_eraseOnce; }

    int primaryNode() const { return m_primaryNode; }
    int primarySlip() const { return m_primarySlip; }
    void setPrimaryNode(int node) { m_primaryNode = node; }
    void setPrimarySlip(int slip) { m_primarySlip = slip; }
    // The slip under in-place editing (-1 none) and its editor rectangle in
    // zoomed-map coordinates; the zoom bar is inactive meanwhile.
    int editingSlip() const { return m_editingSlip; }
    void setEditingSlip(int slip, const QRect& editorRect = {});

Q_SIGNALS:
    void zoomChanged(float zoom);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void UpdateScrollBars();
    void ViewportResized();
    void ResetViewState();
    // The background buffer alone, without the redraw RebuildBackground adds.
    bool BuildBackgroundBuffer();
    bool ZoomCommandsAllowed() const;
    void UpdateBarState();
    void ApplyZoomRequest(float zoom, bool useSavedCentre, bool leaveFit, int slider);
    void OnZoomOut();
    void OnZoomIn();
    void OnSliderChosen(int position);
    void OnFitToggled(bool checked);
    void OnPercentDoubleClicked();
    // Hooks for the pointer gestures and the hover animation.
    void CancelRubberBand() {}
    void ClearFeedback() {}
    void StopHoverAnimation() {}

    RouteModel& m_model;
    std::function<QString()> m_documentPath;
    QImage m_scene;             // screen-sized; each paint is composed here
    QImage m_saveBuffer;        // what transient feedback covers
    QImage m_background;        // mapWidth x mapHeight, null without a map
    mutable SceneCache m_cache; // prepared icons, refreshed as they change
    CUnderBar* m_bar = nullptr;
    QSize m_scrollSize{100, 100};
    QSize m_lastResize;
    QPoint m_savedCentre;
    bool m_iconsShown = true;
    bool m_eraseOnce = false;
    bool m_resourcesOk = true;
    int m_primaryNode = -1;
    int m_primarySlip = -1;
    int m_editingSlip = -1;
    QRect m_editorRect;
};

} // namespace tavelin
