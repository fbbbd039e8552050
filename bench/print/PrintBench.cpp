// Printing budgets over the maximal document (a 4000 x 4000 map, 100
// visible layers of 100 nodes, 1000 text slips), A4 portrait with the
// default margins, the map measured at 96 dpi:
//   one layout (the scene drawn once into the 1:1 picture, the page plan,
//   the preview of a page) <= 300 ms; one preview repaint <= 16 ms;
//   every page to a PDF at 600 dpi <= 5 s with a peak of <= 400 MB.

#include "mapview/DrawScene.h"
#include "print/PagePlan.h"
#include "print/PaperCodes.h"
#include "print/PrintPages.h"
#include "print/PrintPicture.h"
#include "print/PrintPreview.h"

#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstring>
#include <fstream>
#include <string>

using namespace tavelin;

namespace
{

constexpr int ScreenDpi = 96;
const QSize PreviewArea(900, 700); // the preview frame of a large dialog

QImage MapImage()
{
    QImage image(4000, 4000, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int n = int(random.bounded(24));
            line[x] = qRgb((x / 16 + n) & 0xFF, (y / 16 + n) & 0xFF, ((x + y) / 32) & 0xFF);
        }
    }
    return image;
}

struct Document {
    RouteModel model;
    QImage background;
    QImage scene; // the 1:1 picture a layout draws
};

Document& Maximal()
{
    static Document d;
    if (d.model.isAllocated())
        return d;
    d.model.Allocate();
    d.model.Clear();
    DocHeader& h = d.model.header;
    h.hasMap = 1;
    h.mapWidth = 4000;
    h.mapHeight = 4000;
    h.zoom = 2.0f; // the view's zoom, set aside while the scene is drawn
    d.model.mapPicture = std::make_shared<Picture>(QByteArray("bench"), MapImage());
    BuildBackground(d.model, d.background, ScreenDpi);
    QRandomGenerator random(11);
    QImage cell(IconCell, IconCell, QImage::Format_RGB32);
    cell.fill(Qt::white);
    {
        QPainter p(&cell);
        p.setBrush(QColor(200, 30, 30));
        p.drawEllipse(8, 8, 48, 48);
    }
    for (int i = 0; i < 100; ++i) {
        LayerRec& l = d.model.layers[i];
        std::memset(&l, 0, sizeof l);
        l.visible = 1;
        l.arcWidth = 2;
        l.arcColour = random.generate() & 0xFFFFFF;
        l.anchorWidth = 1;
        l.hasIcon = 1;
        l.iconSize = 20;
        l.iconTransparentColour = 0xFFFFFF;
        (*d.model.iconBitmaps)[i] = cell;
        d.model.layerCount++;
    }
    for (int layer = 0; layer < 100; ++layer) {
        int x = int(random.bounded(4000)), y = int(random.bounded(4000));
        for (int k = 0; k < 100; ++k) {
            NodeRec& n = d.model.nodes[d.model.nodeCount++];
            std::memset(&n, 0, sizeof n);
            n.layer = std::uint16_t(layer);
            x = std::clamp(x + int(random.bounded(161)) - 80, 0, 3999);
            y = std::clamp(y + int(random.bounded(161)) - 80, 0, 3999);
            n.x = x;
            n.y = y;
            n.noteSlip = -1;
        }
    }
    for (int i = 0; i < 1000; ++i) {
        SlipRec& s = d.model.slips[d.model.slipCount++];
        std::memset(&s, 0, sizeof s);
        s.left = int(random.bounded(3850));
        s.top = int(random.bounded(3900));
        s.right = s.left + 150;
        s.bottom = s.top + 100;
        std::strcpy(s.text, "Slip text that is long enough to wrap over a few lines of the slip");
        s.imageTransparentColour = -1;
        s.style.fontSize = 9;
        s.style.margin = 3;
        s.style.wrap = 1;
        s.style.backColour = 0xE0FFFF;
        s.style.borderWidth = 1;
        if (i % 10 == 0)
            d.model.nodes[i * 10].noteSlip = i;
    }
    SceneState state;
    state.background = &d.background;
    d.scene = RenderPrintPicture(d.model, state, ScreenDpi);
    return d;
}

const QPageLayout& A4()
{
    static const QPageLayout layout = PdfPageLayout(PaperSizeForCode(9), QPageLayout::Portrait);
    return layout;
}

PagePlan Plan(bool onePage)
{
    return PagePlan(PdfGeometry(A4()), QSize(4000, 4000), ScreenDpi, PageMargins{}, onePage);
}

// Resident memory: now and the peak since the last reset (Linux).
long StatusKb(const char* field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string key = std::string(field) + ":";
    while (std::getline(status, line))
        if (line.rfind(key, 0) == 0)
            return std::stol(line.substr(key.size()));
    return -1;
}

void ResetPeak()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

// What the dialog does when it opens: the whole scene at 100 % into the
// 1:1 picture, then the grid and the preview of the page shown.
void Layout(benchmark::State& state, bool onePage)
{
    Document& d = Maximal();
    SceneState scene;
    scene.background = &d.background;
    for (auto _ : state) {
        const QImage picture = RenderPrintPicture(d.model, scene, ScreenDpi);
        const PagePlan plan = Plan(onePage);
        PrintPreview preview;
        preview.Lay(plan, picture, 1, PreviewArea);
        benchmark::DoNotOptimize(preview.tileImage().constBits());
    }
    state.counters["pages"] = Plan(onePage).pageCount();
    state.counters["budget_ms"] = 300;
}

void BM_LayoutGrid(benchmark::State& state)
{
    Layout(state, false);
}
void BM_LayoutOnePage(benchmark::State& state)
{
    Layout(state, true);
}

void Repaint(benchmark::State& state, bool onePage)
{
    Document& d = Maximal();
    PrintPreview preview;
    preview.Lay(Plan(onePage), d.scene, 1, PreviewArea);
    preview.setShowMargins(true);
    QImage frame(PreviewArea, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&frame);
        preview.Paint(painter);
        painter.end();
        benchmark::DoNotOptimize(frame.constBits());
    }
    state.counters["budget_ms"] = 16;
}

void BM_PreviewRepaintGrid(benchmark::State& state)
{
    Repaint(state, false);
}
void BM_PreviewRepaintOnePage(benchmark::State& state)
{
    Repaint(state, true);
}

void Pdf(benchmark::State& state, bool onePage)
{
    Document& d = Maximal();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("pages.pdf"));
    const PagePlan plan = Plan(onePage);
    long peakKb = 0;
    for (auto _ : state) {
        ResetPeak();
        const PdfResult result = WritePdfPages(path, A4(), QStringLiteral("Tavelin"), d.scene, plan,
                                               {1, plan.pageCount()});
        peakKb = std::max(peakKb, StatusKb("VmHWM"));
        if (result != PdfResult::Written)
            state.SkipWithError("not written");
    }
    state.counters["pages"] = plan.pageCount();
    state.counters["pdf_MB"] = double(QFile(path).size()) / (1024 * 1024);
    state.counters["peak_MB"] = double(peakKb) / 1024;
    state.counters["budget_MB"] = 400;
    state.counters["budget_ms"] = 5000;
}

void BM_AllPagesPdf600(benchmark::State& state)
{
    Pdf(state, false);
}
void BM_OnePagePdf600(benchmark::State& state)
{
    Pdf(state, true);
}

} // namespace

BENCHMARK(BM_LayoutGrid)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(BM_LayoutOnePage)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_PreviewRepaintGrid)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_PreviewRepaintOnePage)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_AllPagesPdf600)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_OnePagePdf600)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir settingsDir;
    qputenv("TAVELIN_SETTINGS",
            QFile::encodeName(settingsDir.filePath(QStringLiteral("bench.ini"))));
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
