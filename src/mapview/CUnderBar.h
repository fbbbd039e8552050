#pragma once
// The zoom bar over the bottom strip of the map view: zoom out, the seven
// step slider, zoom in, the percentage (double click: 100 %) and the
// fit-to-window toggle. It only reports; the view decides and zooms.

#include <QWidget>

class QLabel;
class QSlider;
class QToolButton;

namespace tavelin
{

class CUnderBar : public QWidget
{
    Q_OBJECT
public:
    // Control ids of the bar, as the command code and tests name them.
    enum Control { ZoomOut = 1010, Slider = 1011, ZoomIn = 1007, Percent = 1008, Fit = 1009 };

    explicit CUnderBar(QWidget* parent = nullptr);

    int sliderPosition() const;
    // Moves the slider without reporting it.
    void setSliderPosition(int position);
    // "%d%%" of (int)(zoom x 100).
    void UpdateZoomText(float zoom);
    // Slider from the zoom (0 for 0.5, else (int)zoom), then the text.
    void SyncSlider(float zoom);
    bool fitChecked() const;
    void setFitChecked(bool checked);
    QString zoomText() const;

    // The zoom kept when fit mode was switched on.
    float savedZoom() const { return m_savedZoom; }
    void setSavedZoom(float zoom) { m_savedZoom = zoom; }

    // Greys the zoom controls while they do nothing (no map, in-place
    // editing); the percentage stays live.
    void setZoomControlsActive(bool active);

    // Height of the strip the bar covers.
    int barHeight() const;

    QWidget* control(Control id) const;

Q_SIGNALS:
    void zoomOutClicked();
    void zoomInClicked();
    void sliderChosen(int position);
    void fitToggled(bool checked);
    void percentDoubleClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QToolButton* m_zoomOut;
    QSlider* m_slider;
    QToolButton* m_zoomIn;
    QLabel* m_percent;
    QToolButton* m_fit;
    float m_savedZoom = 1.0f;
    bool m_syncing = false;
};

} // namespace tavelin
