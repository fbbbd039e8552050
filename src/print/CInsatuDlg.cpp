#include "print/CInsatuDlg.h"

#include "platform/Messages.h"
#include "platform/Settings.h"
#include "platform/StringTable.h"
#include "print/PaperCodes.h"
#include "print/PrintChoosers.h"
#include "print/PrintPages.h"
#include "print/PrintPicture.h"
#include "print/PrinterSetup.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>
#include <functional>

namespace tavelin
{
namespace
{

constexpr int MsgOutOfMemory = 30001;
constexpr int MsgNotSaved = 30018;
constexpr int MsgNoPrinterSurface = 30064;
constexpr int MsgJobRefused = 31600;
constexpr int MsgJobInterrupted = 31601;
constexpr int MsgNoPrintableArea = 31602;
constexpr int AppTitle = 57344;

const QString Section = QStringLiteral("Insatu");

int Get(const char* value)
{
    return settings::GetInt(Section, QString::fromLatin1(value));
}

void Put(const char* value, int v)
{
    settings::WriteInt(Section, QString::fromLatin1(value), v);
}

// The preview frame: paints the dialog's PrintPreview and reports its size.
class PreviewFrame : public QFrame
{
public:
    PreviewFrame(const PrintPreview& preview, std::function<void()> resized, QWidget* parent)
        : QFrame(parent), m_preview(preview), m_resized(std::move(resized))
    {
        setMinimumSize(160, 160);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        setAttribute(Qt::WA_OpaquePaintEvent, true);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        m_preview.Paint(painter);
    }
    void resizeEvent(QResizeEvent* event) override
    {
        QFrame::resizeEvent(event);
        if (m_resized)
            m_resized();
    }

private:
    const PrintPreview& m_preview;
    std::function<void()> m_resized;
};

// RAII wait cursor while the pages are written.
struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

} // namespace

// A margin edit with its spin buttons. A typed value above the maximum
// becomes the maximum at once; one below the printer's minimum is left
// while the user is still typing (a "1" may be the start of "15") and
// becomes the minimum when the edit is left. The spin buttons stay in range.
class MarginSpinBox : public QSpinBox
{
public:
    explicit MarginSpinBox(QWidget* parent) : QSpinBox(parent)
    {
        setRange(0, 99);
        setKeyboardTracking(true);
        connect(this, &QSpinBox::editingFinished, this, [this] {
            if (value() < m_minimum)
                setValue(m_minimum);
        });
    }
    void setMinimumMargin(int minimum) { m_minimum = std::min(minimum, MaximumMarginMm); }
    int minimumMargin() const { return m_minimum; }
    bool inRange() const { return value() >= m_minimum && value() <= MaximumMarginMm; }
    void stepBy(int steps) override
    {
        setValue(ClampMargin(value() + steps, m_minimum));
        selectAll();
    }

protected:
    StepEnabled stepEnabled() const override
    {
        StepEnabled enabled = StepNone;
        if (value() > m_minimum)
            enabled |= StepDownEnabled;
        if (value() < MaximumMarginMm)
            enabled |= StepUpEnabled;
        return enabled;
    }

private:
    int m_minimum = 0;
};

CInsatuDlg::CInsatuDlg(QPrinter& printer, PrintSource source, PrintChoosers choosers,
                       QWidget* parent)
    : QDialog(parent), m_printer(printer), m_source(std::move(source)), m_choosers(choosers)
{
    setObjectName(QStringLiteral("CInsatuDlg"));
    setWindowTitle(QStringLiteral("印刷"));
    setWindowIcon(QApplication::windowIcon());
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    buildControls();

    // Printer: orientation, paper and the unprintable edges.
    const QPageLayout layout = m_printer.pageLayout();
    m_orientationCode = CodeForOrientation(layout.orientation());
    m_paperCode = PaperCodeForSize(layout.pageSize(), Get("PaperSize"));
    (m_orientationCode == 1 ? m_portrait : m_landscape)->setChecked(true);
    showPrinter();
    // Without the printer the dialog stays open without a preview.
    const bool printerReady = readGeometry("OnInitDialog");

    m_margins = {Get("MarginLmm"), Get("MarginRmm"), Get("MarginTmm"), Get("MarginBmm")};
    applyMarginRanges();

    m_previewPage->setRange(1, 1);
    m_previewPage->setValue(1);

    const int hani = Get("Hani");
    if (hani == 2) {
        m_thisPage->setChecked(true);
    } else if (hani == 3) {
        m_pageRange->setChecked(true);
        m_onePage = Get("AllOne") == 1;
        m_allOnOne->setChecked(m_onePage);
    } else {
        m_allPages->setChecked(true);
    }
    m_allOnOne->setEnabled(m_pageRange->isChecked());
    m_preview.setShowMargins(Get("DspYohaku") == 1);
    m_showMargins->setChecked(m_preview.showMargins());

    // The scene once, at 100 %: every preview and page is cut from it.
    RouteModel* model = m_source.model;
    if (model && model->header.mapWidth > 0 && model->header.mapHeight > 0) {
        m_map = RenderPrintPicture(*model, m_source.state, m_source.screenDpi);
        if (m_map.isNull()) {
            ShowMessage(MsgOutOfMemory, this);
            return;
        }
    }
    m_ready = true;

    if (printerReady)
        relayout(true);
    m_rangeStart->setText(QStringLiteral("1"));
    m_rangeEnd->setText(QString::number(m_plan.pageCount()));

    adjustSize();
    setMinimumSize(size());
    restorePlacement();
    m_initialised = true;
    relayPreview(true);
}

CInsatuDlg::~CInsatuDlg() = default;

void CInsatuDlg::buildControls()
{
    const auto named = [](auto* widget, const char* name) {
        widget->setObjectName(QString::fromLatin1(name));
        return widget;
    };

    // 1 プリンタ
    auto* printerBox = new QGroupBox(QStringLiteral("1 プリンタ："), this);
    m_printerName = named(new QLabel(QStringLiteral("Printer Name"), printerBox), "printerName");
    m_setup = named(new QPushButton(QStringLiteral("設定(&P)"), printerBox), "setup");
    m_portrait = named(new QRadioButton(QStringLiteral("縦"), printerBox), "portrait");
    m_landscape = named(new QRadioButton(QStringLiteral("横"), printerBox), "landscape");
    m_paperName = named(new QLabel(QStringLiteral("A4"), printerBox), "paperName");
    m_paperSize = named(new QLabel(QStringLiteral("? X ? ﾐﾘ"), printerBox), "paperSize");
    auto* orientation = new QButtonGroup(this);
    orientation->addButton(m_portrait, 1);
    orientation->addButton(m_landscape, 2);
    auto* printerGrid = new QGridLayout(printerBox);
    printerGrid->addWidget(new QLabel(QStringLiteral("プリンタ名："), printerBox), 0, 0);
    printerGrid->addWidget(m_printerName, 0, 1, 1, 2);
    printerGrid->addWidget(m_setup, 0, 3);
    printerGrid->addWidget(new QLabel(QStringLiteral("用紙："), printerBox), 1, 0);
    printerGrid->addWidget(m_paperName, 1, 1, 1, 3);
    printerGrid->addWidget(new QLabel(QStringLiteral("サイズ："), printerBox), 2, 0);
    printerGrid->addWidget(m_paperSize, 2, 1);
    printerGrid->addWidget(m_portrait, 2, 2);
    printerGrid->addWidget(m_landscape, 2, 3);
    printerGrid->setColumnStretch(1, 1);

    // 2 印刷範囲
    auto* rangeBox = new QGroupBox(QStringLiteral("2 印刷範囲："), this);
    m_allPages =
        named(new QRadioButton(QStringLiteral("すべてのページ(&A)"), rangeBox), "allPages");
    m_thisPage =
        named(new QRadioButton(QStringLiteral("現在のページ(&N)"), rangeBox), "currentPage");
    m_pageRange = named(new QRadioButton(QStringLiteral("ページ指定(&R)"), rangeBox), "pageRange");
    m_rangeStart = named(new QLineEdit(rangeBox), "rangeStart");
    m_rangeEnd = named(new QLineEdit(rangeBox), "rangeEnd");
    for (QLineEdit* edit : {m_rangeStart, m_rangeEnd}) {
        edit->setValidator(new QIntValidator(0, 99999, edit));
        edit->setMaximumWidth(60);
    }
    m_allOnOne = named(new QCheckBox(QStringLiteral("全1ページ(&J)"), rangeBox), "allOnOne");
    auto* kinds = new QButtonGroup(this);
    kinds->addButton(m_allPages, int(PageRangeKind::All));
    kinds->addButton(m_thisPage, int(PageRangeKind::Current));
    kinds->addButton(m_pageRange, int(PageRangeKind::Range));
    auto* rangeGrid = new QGridLayout(rangeBox);
    rangeGrid->addWidget(m_allPages, 0, 0, 1, 5);
    rangeGrid->addWidget(m_thisPage, 1, 0, 1, 5);
    rangeGrid->addWidget(m_pageRange, 2, 0, 1, 5);
    rangeGrid->addWidget(new QLabel(QStringLiteral("開始："), rangeBox), 3, 0, Qt::AlignRight);
    rangeGrid->addWidget(m_rangeStart, 3, 1);
    rangeGrid->addWidget(new QLabel(QStringLiteral("- 終了："), rangeBox), 3, 2, Qt::AlignRight);
    rangeGrid->addWidget(m_rangeEnd, 3, 3);
    rangeGrid->addWidget(m_allOnOne, 4, 1, 1, 4);
    rangeGrid->setColumnStretch(4, 1);

    // 3 余白
    auto* marginBox = new QGroupBox(QStringLiteral("3 余白：(max : 50ﾐﾘ)"), this);
    m_marginLeft = named(new MarginSpinBox(marginBox), "marginLeft");
    m_marginRight = named(new MarginSpinBox(marginBox), "marginRight");
    m_marginTop = named(new MarginSpinBox(marginBox), "marginTop");
    m_marginBottom = named(new MarginSpinBox(marginBox), "marginBottom");
    m_showMargins =
        named(new QCheckBox(QStringLiteral("余白を表示(&M)"), marginBox), "showMargins");
    auto* marginGrid = new QGridLayout(marginBox);
    marginGrid->addWidget(new QLabel(QStringLiteral("左"), marginBox), 0, 0, Qt::AlignRight);
    marginGrid->addWidget(m_marginLeft, 0, 1);
    marginGrid->addWidget(new QLabel(QStringLiteral("右"), marginBox), 0, 2, Qt::AlignRight);
    marginGrid->addWidget(m_marginRight, 0, 3);
    marginGrid->addWidget(new QLabel(QStringLiteral("上"), marginBox), 1, 0, Qt::AlignRight);
    marginGrid->addWidget(m_marginTop, 1, 1);
    marginGrid->addWidget(new QLabel(QStringLiteral("下"), marginBox), 1, 2, Qt::AlignRight);
    marginGrid->addWidget(m_marginBottom, 1, 3);
    marginGrid->addWidget(m_showMargins, 2, 0, 1, 4);

    // 4 プレビュー
    auto* previewBox = new QGroupBox(QStringLiteral("4 プレビュー："), this);
    m_grid = named(new QLabel(QStringLiteral("(縦 2 × 横 2 ページ)"), previewBox), "grid");
    m_previewPage = named(new QSpinBox(previewBox), "previewPage");
    m_pageCount = named(new QLabel(QStringLiteral("/ 10 ページ"), previewBox), "pageCount");
    auto* previewRow = new QGridLayout(previewBox);
    previewRow->addWidget(m_grid, 0, 0, 1, 3);
    previewRow->addWidget(m_previewPage, 1, 0);
    previewRow->addWidget(m_pageCount, 1, 1);
    previewRow->setColumnStretch(2, 1);

    m_print = named(new QPushButton(QStringLiteral("印刷実行(&S)"), this), "print");
    m_print->setDefault(true);
    m_cancel = named(new QPushButton(QStringLiteral("中止(&C)"), this), "cancel");

    m_previewFrame = new PreviewFrame(
        m_preview,
        [this] {
            if (m_initialised)
                relayPreview(true);
        },
        this);
    m_previewFrame->setObjectName(QStringLiteral("preview"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_print);
    buttons->addWidget(m_cancel);
    auto* left = new QVBoxLayout;
    left->addWidget(printerBox);
    left->addWidget(rangeBox);
    left->addWidget(marginBox);
    left->addWidget(previewBox);
    left->addStretch(1);
    left->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    // The preview grows to 2 pixels short of the right and bottom edges.
    layout->setContentsMargins(layout->contentsMargins().left(), layout->contentsMargins().top(), 2,
                               2);
    layout->addLayout(left, 0);
    layout->addWidget(m_previewFrame, 1);

    connect(m_setup, &QPushButton::clicked, this, &CInsatuDlg::runSetup);
    connect(m_portrait, &QRadioButton::clicked, this, [this] { chooseOrientation(1); });
    connect(m_landscape, &QRadioButton::clicked, this, [this] { chooseOrientation(2); });
    connect(m_allPages, &QRadioButton::clicked, this,
            [this] { chooseRangeKind(PageRangeKind::All); });
    connect(m_thisPage, &QRadioButton::clicked, this,
            [this] { chooseRangeKind(PageRangeKind::Current); });
    connect(m_pageRange, &QRadioButton::clicked, this,
            [this] { chooseRangeKind(PageRangeKind::Range); });
    connect(m_allOnOne, &QCheckBox::clicked, this, &CInsatuDlg::toggleOnePage);
    connect(m_rangeStart, &QLineEdit::editingFinished, this, &CInsatuDlg::startEdited);
    connect(m_rangeEnd, &QLineEdit::editingFinished, this, &CInsatuDlg::endEdited);
    for (MarginSpinBox* spin : {m_marginLeft, m_marginRight, m_marginTop, m_marginBottom}) {
        connect(spin, &QSpinBox::valueChanged, this, &CInsatuDlg::marginChanged);
        connect(spin, &QSpinBox::editingFinished, this, &CInsatuDlg::marginChanged);
    }
    connect(m_showMargins, &QCheckBox::clicked, this, [this](bool checked) {
        m_preview.setShowMargins(checked);
        m_previewFrame->update();
    });
    connect(m_previewPage, &QSpinBox::valueChanged, this, [this](int page) {
        if (!m_initialised || page == m_currentPage)
            return;
        m_currentPage = page;
        relayout(false);
    });
    connect(m_print, &QPushButton::clicked, this, &CInsatuDlg::printOut);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CInsatuDlg::restorePlacement()
{
    const int px = Get("PX"), py = Get("PY");
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QRect desktop = screen ? screen->virtualGeometry() : QRect(0, 0, 1920, 1080);
    if (px < desktop.width() && py < desktop.height()) {
        move(px, py);
        resize(Get("SX"), Get("SY"));
        if (Get("Zoomed") == 1)
            setWindowState(windowState() | Qt::WindowMaximized);
    }
}

void CInsatuDlg::showPrinter()
{
    m_printerName->setText(PrinterDisplayName(m_printer));
    m_paperName->setText(PaperNameForCode(m_paperCode));
}

bool CInsatuDlg::readGeometry(const char* place)
{
    m_geometry = GeometryOf(m_printer);
    if (!m_geometry) {
        ShowMessage(MsgNoPrinterSurface, this,
                    QStringLiteral("CreateDC At %1\n").arg(QString::fromLatin1(place)));
        return false;
    }
    m_minAcross = MinimumMarginAcross(*m_geometry);
    m_minDown = MinimumMarginDown(*m_geometry);
    return true;
}

void CInsatuDlg::applyMarginRanges()
{
    m_margins.left = ClampMargin(m_margins.left, m_minAcross);
    m_margins.right = ClampMargin(m_margins.right, m_minAcross);
    m_margins.top = ClampMargin(m_margins.top, m_minDown);
    m_margins.bottom = ClampMargin(m_margins.bottom, m_minDown);
    const bool wasInitialised = m_initialised;
    m_initialised = false; // no relayout per spin while they are set
    const auto set = [](MarginSpinBox* spin, int minimum, int value) {
        spin->setMinimumMargin(minimum);
        spin->setValue(value);
    };
    set(m_marginLeft, m_minAcross, m_margins.left);
    set(m_marginRight, m_minAcross, m_margins.right);
    set(m_marginTop, m_minDown, m_margins.top);
    set(m_marginBottom, m_minDown, m_margins.bottom);
    m_initialised = wasInitialised;
}

void CInsatuDlg::relayout(bool full)
{
    if (!m_ready)
        return;
    if (!readGeometry("SetPaperSize")) {
        m_preview.Clear();
        m_previewFrame->update();
        return;
    }
    const QSizeF mm = PaperMillimetres(*m_geometry);
    m_paperSize->setText(QString::asprintf("%.1f X %.1fﾐﾘ", mm.width(), mm.height()));

    const int previousPages = m_plan.pageCount();
    const bool hadPlan = m_plan.printer().isValid();
    m_plan = PagePlan(*m_geometry, QSize(m_map.width(), m_map.height()), m_source.screenDpi,
                      m_margins, m_onePage);
    const int pages = m_plan.pageCount();
    m_grid->setText(
        QStringLiteral("(ﾖｺ %1 × ﾀﾃ %2 ﾍﾟｰｼﾞ)").arg(m_plan.columns()).arg(m_plan.rows()));
    m_pageCount->setText(QStringLiteral("/ %1 ﾍﾟｰｼﾞ").arg(pages));
    m_rangeEnd->setText(QString::number(pages));
    if (!hadPlan || pages != previousPages) {
        m_currentPage = std::min(m_currentPage, pages);
        const bool wasInitialised = m_initialised;
        m_initialised = false;
        m_previewPage->setRange(1, pages);
        m_previewPage->setValue(m_currentPage);
        m_initialised = wasInitialised;
    }
    relayPreview(full);
}

void CInsatuDlg::relayPreview(bool full)
{
    if (!m_ready)
        return;
    const QRect before = m_preview.sheet();
    m_preview.Lay(m_plan, m_map, m_currentPage, m_previewFrame->size());
    if (full || before != m_preview.sheet())
        m_previewFrame->update();
    else
        m_previewFrame->update(m_preview.sheet());
}

void CInsatuDlg::runSetup()
{
    static PrintDialogSetupRunner dialog;
    PrinterSetupRunner& runner = m_choosers.setup ? *m_choosers.setup : dialog;
    if (!runner.runPrinterSetup(m_printer, this))
        return;
    const QPageLayout layout = m_printer.pageLayout();
    const int code = PaperCodeForSize(layout.pageSize(), m_paperCode);
    const int orientation = CodeForOrientation(layout.orientation());
    const bool changed = code != m_paperCode || orientation != m_orientationCode;
    m_paperCode = code;
    showPrinter();
    if (changed) {
        (orientation == 1 ? m_portrait : m_landscape)->setChecked(true);
        m_orientationCode = orientation;
        Put("PaperSize", code);
        Put("Orientation", orientation);
    }
    // Another printer may have other unprintable edges and resolution.
    if (readGeometry("SetPaperSize")) {
        applyMarginRanges();
        relayout(true);
    }
}

void CInsatuDlg::chooseOrientation(int code)
{
    if (code != m_orientationCode) {
        m_printer.setPageOrientation(OrientationForCode(code));
        m_orientationCode = code;
        relayout(true);
    }
    Put("Orientation", code);
}

void CInsatuDlg::chooseRangeKind(PageRangeKind kind)
{
    Put("Hani", int(kind));
    if (kind == PageRangeKind::Range) {
        m_allOnOne->setEnabled(true);
        return;
    }
    Put("AllOne", 0);
    m_allOnOne->setChecked(false);
    m_allOnOne->setEnabled(false);
    m_onePage = false;
    relayout(true);
}

void CInsatuDlg::toggleOnePage(bool checked)
{
    m_onePage = checked;
    Put("AllOne", checked ? 1 : 0);
    relayout(true);
}

void CInsatuDlg::marginChanged()
{
    if (!m_initialised)
        return;
    MarginSpinBox* spins[] = {m_marginLeft, m_marginRight, m_marginTop, m_marginBottom};
    for (MarginSpinBox* spin : spins)
        if (spin->value() > MaximumMarginMm) {
            spin->setValue(MaximumMarginMm); // comes back here in range
            return;
        }
    // A value below the minimum is still being typed: it counts once it
    // has been corrected.
    PageMargins margins = m_margins;
    int* into[] = {&margins.left, &margins.right, &margins.top, &margins.bottom};
    for (int i = 0; i < 4; ++i)
        if (spins[i]->inRange())
            *into[i] = spins[i]->value();
    if (margins == m_margins)
        return;
    m_margins = margins;
    relayout(false);
}

void CInsatuDlg::startEdited()
{
    if (m_rangeStart->text().isEmpty()) {
        m_rangeStart->setText(QStringLiteral("1"));
        return;
    }
    bool endOk = false;
    const int end = m_rangeEnd->text().toInt(&endOk);
    if (endOk && end < m_rangeStart->text().toInt())
        m_rangeStart->setText(QString::number(end));
}

void CInsatuDlg::endEdited()
{
    const int pages = m_plan.pageCount();
    const int start = m_rangeStart->text().toInt();
    bool ok = false;
    const int end = m_rangeEnd->text().toInt(&ok);
    if (ok && end > pages)
        m_rangeEnd->setText(QString::number(pages));
    else if (!ok || end < start)
        m_rangeEnd->setText(QString::number(start));
}

PageRangeKind CInsatuDlg::rangeKind() const
{
    if (m_thisPage->isChecked())
        return PageRangeKind::Current;
    if (m_pageRange->isChecked())
        return PageRangeKind::Range;
    return PageRangeKind::All;
}

void CInsatuDlg::printOut()
{
    if (!m_ready)
        return;
    startEdited();
    endEdited();
    const PageSpan range{m_rangeStart->text().toInt(), m_rangeEnd->text().toInt()};
    Put("MarginLmm", m_margins.left);
    Put("MarginRmm", m_margins.right);
    Put("MarginTmm", m_margins.top);
    Put("MarginBmm", m_margins.bottom);

    if (!readGeometry("PrintOut")) {
        accept();
        return;
    }
    m_plan = PagePlan(*m_geometry, QSize(m_map.width(), m_map.height()), m_source.screenDpi,
                      m_margins, m_onePage);
    if (!m_plan.isPrintable()) {
        // Nothing would come out: let the user make room first.
        ShowMessage(MsgNoPrintableArea, this);
        return;
    }
    const PageSpan span = PagesToPrint(rangeKind(), m_currentPage, range, m_plan.pageCount());
    const QString title = LoadString(AppTitle);

    if (PrintsToPdf(m_printer)) {
        static PdfFileDialog dialog;
        PdfPathChooser& chooser = m_choosers.pdfPath ? *m_choosers.pdfPath : dialog;
        const QString proposed = m_printer.outputFileName().isEmpty()
                                     ? DefaultPdfName(m_source.documentTitle)
                                     : m_printer.outputFileName();
        const QString path = chooser.choosePdfPath(this, proposed);
        if (path.isEmpty())
            return; // the user may choose again
        const QPageLayout layout = m_printer.pageLayout();
        PdfResult result;
        {
            WaitCursor wait;
            result = WritePdfPages(path, PdfPageLayout(layout.pageSize(), layout.orientation()),
                                   title, m_map, m_plan, span);
        }
        if (result == PdfResult::Written)
            m_printer.setOutputFileName(path);
        else
            ShowMessage(MsgNotSaved, this, path + QLatin1Char('\n'));
    } else {
        PrintResult result;
        {
            WaitCursor wait;
            result = PrintOnPrinter(m_printer, title, m_map, m_plan, span);
        }
        if (result == PrintResult::NotStarted)
            ShowMessage(MsgJobRefused, this);
        else if (result == PrintResult::Interrupted)
            ShowMessage(MsgJobInterrupted, this);
    }
    m_currentPage = span.last;
    accept();
}

void CInsatuDlg::done(int result)
{
    Put("DspYohaku", m_preview.showMargins() ? 1 : 0);
    const bool zoomed = isMaximized();
    const QSize size = zoomed ? normalGeometry().size() : this->size();
    Put("PX", std::max(0, pos().x()));
    Put("PY", std::max(0, pos().y()));
    Put("SX", size.width());
    Put("SY", size.height());
    Put("Zoomed", zoomed ? 1 : 0);
    QDialog::done(result);
}

} // namespace tavelin
