#pragma once
// Dialog 156 "印刷": printer and paper, orientation, the range of pages,
// margins in millimetres and a live preview of any page of the grid. The
// whole scene is drawn once, at 100 %, into a 1:1 picture when the dialog
// opens; the preview and the printed pages are scaled copies out of it.

#include "mapview/DrawScene.h"
#include "print/PagePlan.h"
#include "print/PrintPreview.h"

#include <QDialog>
#include <QImage>
#include <optional>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace tavelin
{

class PrinterSetupRunner;
class PdfPathChooser;
class MarginSpinBox;

// What the dialog prints: the model as the map view shows it.
struct PrintSource {
    RouteModel* model = nullptr;
    SceneState state;      // the view's state; the zoom is set to 1.0 for the drawing
    int screenDpi = 96;    // the map is measured in these pixels per inch
    QString documentTitle; // proposes the PDF file's name
};

struct PrintChoosers {
    PrinterSetupRunner* setup = nullptr; // Qt's print dialog when null
    PdfPathChooser* pdfPath = nullptr;   // Qt's save dialog when null
};

class CInsatuDlg : public QDialog
{
    Q_OBJECT
public:
    CInsatuDlg(QPrinter& printer, PrintSource source, PrintChoosers choosers = {},
               QWidget* parent = nullptr);
    ~CInsatuDlg() override;

    // False when the picture of the map could not be made (30001 was
    // shown): the dialog is then not to be run.
    bool ready() const { return m_ready; }

    const PagePlan& plan() const { return m_plan; }
    const PrintPreview& preview() const { return m_preview; }
    const PageMargins& margins() const { return m_margins; }
    int currentPage() const { return m_currentPage; }
    int minimumMarginAcross() const { return m_minAcross; }
    int minimumMarginDown() const { return m_minDown; }
    const QImage& mapPicture() const { return m_map; }

    void done(int result) override;

private:
    void buildControls();
    void restorePlacement();
    void showPrinter();
    bool readGeometry(const char* place);
    void applyMarginRanges();
    // Lays the grid and the preview out again; `full` repaints the whole
    // preview area, otherwise only the sheet.
    void relayout(bool full);
    void relayPreview(bool full);
    void runSetup();
    void chooseOrientation(int code);
    void chooseRangeKind(PageRangeKind kind);
    void toggleOnePage(bool checked);
    void marginChanged();
    void startEdited();
    void endEdited();
    void printOut();
    PageRangeKind rangeKind() const;

    QPrinter& m_printer;
    PrintSource m_source;
    PrintChoosers m_choosers;
    bool m_ready = false;

    QImage m_map; // the whole scene at 1:1
    std::optional<PrinterGeometry> m_geometry;
    PagePlan m_plan;
    PrintPreview m_preview;
    PageMargins m_margins;
    int m_paperCode = 9;
    int m_orientationCode = 1;
    int m_minAcross = 0;
    int m_minDown = 0;
    int m_currentPage = 1;
    bool m_onePage = false;
    bool m_initialised = false;

    QLabel* m_printerName = nullptr;         // 321
    QPushButton* m_setup = nullptr;          // 1040
    QRadioButton* m_portrait = nullptr;      // 1020
    QRadioButton* m_landscape = nullptr;     // 1021
    QLabel* m_paperName = nullptr;           // 1009
    QLabel* m_paperSize = nullptr;           // 1010
    QRadioButton* m_allPages = nullptr;      // 1046
    QRadioButton* m_thisPage = nullptr;      // 1047
    QRadioButton* m_pageRange = nullptr;     // 1048
    QLineEdit* m_rangeStart = nullptr;       // 1002
    QLineEdit* m_rangeEnd = nullptr;         // 1019
    QCheckBox* m_allOnOne = nullptr;         // 1001
    MarginSpinBox* m_marginLeft = nullptr;   // 1012/1014
    MarginSpinBox* m_marginRight = nullptr;  // 1024/1016
    MarginSpinBox* m_marginTop = nullptr;    // 1006/1005
    MarginSpinBox* m_marginBottom = nullptr; // 1013/1031
    QCheckBox* m_showMargins = nullptr;      // 1004
    QLabel* m_grid = nullptr;                // 1049
    QSpinBox* m_previewPage = nullptr;       // 1007/1003
    QLabel* m_pageCount = nullptr;           // 1050
    QFrame* m_previewFrame = nullptr;        // 1008
    QPushButton* m_print = nullptr;          // 1
    QPushButton* m_cancel = nullptr;         // 2
};

} // namespace tavelin
