// Map area budgets: one paint of a 1920 x 1080 view (DrawScene into the
// scene buffer, then the one block copy to the window) over a 4000 x 4000
// map with 100 visible layers, 10000 nodes and 1000 text slips, at 100 %
// and 600 %; and the map alone at 50 %.

#include "mapview/DrawScene.h"
#include "mapview/MapGeometry.h"

#include <QGuiApplication>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstring>

using namespace tavelin;

namespace
{

const QSize Client(1920, 1080);

// A map with detail (gradients and noise) rather than one flat colour.
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

struct Scene {
    RouteModel model;
    QImage background;
    SceneCache cache;
};

Scene& BuildScene(bool withContent)
{
    static Scene full, mapOnly;
    Scene& s = withContent ? full : mapOnly;
    if (s.model.isAllocated())
        return s;
    s.model.Allocate();
    s.model.Clear();
    DocHeader& h = s.model.header;
    h.hasMap = 1;
    h.mapWidth = 4000;
    h.mapHeight = 4000;
    h.zoom = 1.0f;
    s.model.mapPicture = std::make_shared<Picture>(QByteArray("bench"), MapImage());
    BuildBackground(s.model, s.background);
    if (!withContent)
        return s;

    QRandomGenerator random(11);
    // A keyed icon as the default one: a disc on white.
    QImage cell(IconCell, IconCell, QImage::Format_RGB32);
    cell.fill(Qt::white);
    {
        QPainter p(&cell);
        p.setBrush(QColor(200, 30, 30));
        p.drawEllipse(8, 8, 48, 48);
    }
    for (int i = 0; i < 100; ++i) {
        LayerRec& l = s.model.layers[i];
        std::memset(&l, 0, sizeof l);
        l.visible = 1;
        l.arcWidth = 2;
        l.arcColour = random.generate() & 0xFFFFFF;
        l.anchorWidth = 1;
        l.hasIcon = 1;
        l.iconSize = 20;
        l.iconTransparentColour = 0xFFFFFF;
        (*s.model.iconBitmaps)[i] = cell;
        s.model.layerCount++;
    }
    // Each layer a wandering route of 100 nodes.
    for (int layer = 0; layer < 100; ++layer) {
        int x = int(random.bounded(4000)), y = int(random.bounded(4000));
        for (int k = 0; k < 100; ++k) {
            NodeRec& n = s.model.nodes[s.model.nodeCount++];
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
        SlipRec& sl = s.model.slips[s.model.slipCount++];
        std::memset(&sl, 0, sizeof sl);
        sl.left = int(random.bounded(3850));
        sl.top = int(random.bounded(3900));
        sl.right = sl.left + 150;
        sl.bottom = sl.top + 100;
        std::strcpy(sl.text, "Slip text that is long enough to wrap over a few lines of the slip");
        sl.imageTransparentColour = -1;
        sl.style.fontSize = 9;
        sl.style.margin = 3;
        sl.style.wrap = 1;
        sl.style.backColour = 0xE0FFFF;
        sl.style.borderWidth = 1;
        // Every tenth slip is a node's note.
        if (i % 10 == 0)
            s.model.nodes[i * 10].noteSlip = i;
    }
    return s;
}

// One paint: compose in the screen-sized scene buffer at the scroll
// position, then copy the client block to the window.
void Paint(benchmark::State& state, bool withContent, float zoom)
{
    Scene& s = BuildScene(withContent);
    s.model.header.zoom = zoom;
    const QRect m = ZoomedMapRect(s.model.header);
    const QPoint scroll(std::max(0, m.width() / 2 - Client.width() / 2),
                        std::max(0, m.height() / 2 - Client.height() / 2));
    QImage sceneBuffer(Client, QImage::Format_RGB32);
    QImage window(Client, QImage::Format_RGB32);
    SetImageDpi(sceneBuffer, 96);
    for (auto _ : state) {
        {
            QPainter p(&sceneBuffer);
            p.translate(-scroll);
            SceneState scene;
            scene.background = &s.background;
            scene.cache = &s.cache;
            scene.visible = QRect(scroll, Client);
            DrawScene(p, s.model, scene);
        }
        QPainter out(&window);
        out.drawImage(QPoint(0, 0), sceneBuffer);
        benchmark::DoNotOptimize(window.constBits());
    }
    state.counters["budget_ms"] = withContent ? 16 : 8;
}

void BM_Paint100(benchmark::State& state)
{
    Paint(state, true, 1.0f);
}
void BM_Paint600(benchmark::State& state)
{
    Paint(state, true, 6.0f);
}
void BM_PaintMapOnly50(benchmark::State& state)
{
    Paint(state, false, 0.5f);
}

} // namespace

BENCHMARK(BM_Paint100)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_Paint600)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_PaintMapOnly50)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Settings are read during drawing; never a user's own.
    QTemporaryDir settingsDir;
    qputenv("TAVELIN_SETTINGS",
            QFile::encodeName(settingsDir.filePath(QStringLiteral("bench.ini"))));
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
