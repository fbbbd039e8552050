// Opening and saving the largest document the model holds: 1000 layers,
// 10000 nodes, 1000 slips of which 500 carry a ~40 KB JPEG, a 4000 x 4000
// JPEG map. Each iteration also runs the independent tools on the same
// files (cabextract extracting the .tvn, gcab -c -z packing the data file),
// so the ratio is measured side by side on the same machine state.
// Budgets: open <= 1.5 x cabextract, save <= 1.5 x gcab, peak memory
// growth <= 2 x data file + the decoded map.
#include "platform/Messages.h"
#include "platform/Settings.h"
#include "document/DataFile.h"
#include "document/DocumentFile.h"
#include "model/RouteModel.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstring>
#include <fstream>
#include <string>

namespace {

using namespace tavelin;

QByteArray Jpeg(const QImage& image, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", quality);
    return bytes;
}

QByteArray Bmp(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

// A photo-like slip picture of about 40 KB: noise over a gradient.
QByteArray SlipJpeg(int seed)
{
    QRandomGenerator random(seed);
    QImage image(180, 180, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int n = int(random.bounded(90));
            image.setPixel(x, y, qRgb((x + n) & 255, (y + n) & 255, (x + y + seed) & 255));
        }
    return Jpeg(image, 80);
}

QByteArray MapJpeg()
{
    QImage image(4000, 4000, QImage::Format_RGB32);
    image.fill(QColor(236, 232, 220));
    QPainter p(&image);
    QRandomGenerator random(7);
    for (int i = 0; i < 6000; ++i) {
        p.setPen(QPen(QColor::fromHsv(int(random.bounded(360)), 120, 180), 1 + int(random.bounded(4))));
        const QPoint a(int(random.bounded(4000)), int(random.bounded(4000)));
        p.drawLine(a, a + QPoint(int(random.bounded(400)) - 200, int(random.bounded(400)) - 200));
    }
    for (int i = 0; i < 3000; ++i)
        p.drawText(int(random.bounded(4000)), int(random.bounded(4000)), QStringLiteral("町名 %1").arg(i));
    p.end();
    return Jpeg(image, 85);
}

struct Fixture {
    QTemporaryDir dir;
    QString document;  // the .tvn
    QString dataFile;  // the same document's data file
    qint64 dataBytes = 0;
    qint64 decodedMapBytes = 4000LL * 4000 * 4;
    bool ready = false;
    RouteModel model;

    Fixture()
    {
        qputenv("TMPDIR", QFile::encodeName(dir.path()));
        if (!model.Allocate())
            return;
        model.Clear();
        DocHeader& h = model.header;
        h.zoom = 1.0f;
        h.mapWidth = h.mapHeight = 4000;
        model.mapPicture = std::make_shared<Picture>(MapJpeg());
        h.hasMap = 1;
        h.mapImageSize = int(model.mapPicture->byteSize());

        QImage iconImage(64, 64, QImage::Format_RGB888);
        iconImage.fill(Qt::white);
        QPainter(&iconImage).fillRect(16, 16, 32, 32, Qt::red);
        const auto icon = std::make_shared<Picture>(Bmp(iconImage));
        model.layerCount = MaxLayers;
        for (int i = 0; i < MaxLayers; ++i) {
            LayerRec& l = model.layers[i];
            std::memset(&l, 0, sizeof l);
            l.tabIndex = i;
            l.visible = 1;
            l.baseTime = 36526.0;
            std::snprintf(l.name, sizeof l.name, "layer %d", i);
            l.arcWidth = 1;
            l.anchorWidth = 1;
            l.hasIcon = 1;
            l.iconImageSize = std::uint32_t(icon->byteSize());
            l.iconSize = 20;
            l.iconTransparentColour = 0xFFFFFF;
            (*model.iconPictures)[i] = icon;
        }
        model.nodeCount = MaxNodes;
        for (int i = 0; i < MaxNodes; ++i) {
            NodeRec& n = model.nodes[i];
            std::memset(&n, 0, sizeof n);
            n.layer = std::uint16_t(i % MaxLayers);
            n.noteSlip = i < MaxSlips ? i : -1;
            n.x = (i * 37) % 4000;
            n.y = (i * 91) % 4000;
            n.arrival = i * 60;
            n.departure = i * 60 + 30;
        }
        model.slipCount = MaxSlips;
        for (int i = 0; i < MaxSlips; ++i) {
            SlipRec& s = model.slips[i];
            std::memset(&s, 0, sizeof s);
            s.left = (i * 13) % 3800;
            s.top = (i * 29) % 3800;
            s.right = s.left + 150;
            s.bottom = s.top + 100;
            std::snprintf(s.text, sizeof s.text, "slip %d\r\nsecond line", i);
            s.titlePos = 2;
            s.imageTransparentColour = -1;
            std::strcpy(s.style.fontName, "Meiryo UI");
            if (i % 2 == 0) {
                (*model.slipPictures)[i] = std::make_shared<Picture>(SlipJpeg(i));
                s.hasImage = 1;
                s.imageSize = int((*model.slipPictures)[i]->byteSize());
            }
        }

        document = dir.filePath(QStringLiteral("maximal.tvn"));
        dataFile = dir.filePath(QStringLiteral("data/maximal.tvn"));
        QDir().mkpath(dir.filePath(QStringLiteral("data")));
        QFile data(dataFile);
        if (!data.open(QIODevice::WriteOnly) || !DataFileWriter(data, model))
            return;
        data.close();
        dataBytes = QFileInfo(dataFile).size();
        ready = SaveDocument(document, model);
    }
};

Fixture& TheFixture()
{
    static Fixture fixture;
    return fixture;
}

double RunTool(const QString& program, const QStringList& args, const QString& workingDir = {})
{
    QProcess p;
    if (!workingDir.isEmpty())
        p.setWorkingDirectory(workingDir);
    QElapsedTimer t;
    t.start();
    p.start(program, args);
    if (!p.waitForFinished(120000) || p.exitCode() != 0)
        return -1;
    return double(t.nsecsElapsed()) / 1e9;
}

long StatusKiB(const char* field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string key = std::string(field) + ":";
    while (std::getline(status, line))
        if (line.rfind(key, 0) == 0)
            return std::stol(line.substr(key.size()));
    return -1;
}

// Peak resident memory added by `work`, in bytes: the kernel's high-water
// mark is reset to the current size first.
template <typename F> qint64 PeakGrowth(F&& work)
{
    { std::ofstream("/proc/self/clear_refs") << "5"; }
    const long before = StatusKiB("VmRSS");
    work();
    return qint64(StatusKiB("VmHWM") - before) * 1024;
}

void Report(benchmark::State& state, double ours, double tool, int runs, qint64 peak)
{
    Fixture& f = TheFixture();
    state.counters["ours_s"] = ours / runs;
    state.counters["tool_s"] = tool / runs;
    state.counters["ratio"] = ours / tool;
    state.counters["data_MB"] = double(f.dataBytes) / 1e6;
    state.counters["peak_MB"] = double(peak) / 1e6;
    state.counters["budget_MB"] = double(2 * f.dataBytes + f.decodedMapBytes) / 1e6;
}

void BM_OpenVsCabextract(benchmark::State& state)
{
    Fixture& f = TheFixture();
    if (!f.ready || QStandardPaths::findExecutable(QStringLiteral("cabextract")).isEmpty()) {
        state.SkipWithError("fixture or cabextract missing");
        return;
    }
    const QString out = f.dir.filePath(QStringLiteral("cabextract"));
    QDir().mkpath(out);
    RouteModel model;
    model.Allocate();
    double ours = 0, tool = 0;
    int runs = 0;
    qint64 peak = 0;
    for (auto _ : state) {
        QElapsedTimer t;
        t.start();
        qint64 p = PeakGrowth([&] {
            if (OpenDocument(f.document, model) != OpenResult::Opened)
                state.SkipWithError("open failed");
        });
        const double mine = double(t.nsecsElapsed()) / 1e9;
        const double theirs = RunTool(QStringLiteral("cabextract"),
                                      {QStringLiteral("-q"), QStringLiteral("-d"), out, f.document});
        QFile::remove(out + QStringLiteral("/maximal.tvn"));
        state.SetIterationTime(mine);
        ours += mine;
        tool += theirs;
        peak = std::max(peak, p);
        ++runs;
    }
    Report(state, ours, tool, runs, peak);
}

void BM_SaveVsGcab(benchmark::State& state)
{
    Fixture& f = TheFixture();
    if (!f.ready || QStandardPaths::findExecutable(QStringLiteral("gcab")).isEmpty()) {
        state.SkipWithError("fixture or gcab missing");
        return;
    }
    const QString target = f.dir.filePath(QStringLiteral("saved.tvn"));
    const QString cab = f.dir.filePath(QStringLiteral("gcab.cab"));
    double ours = 0, tool = 0;
    int runs = 0;
    qint64 peak = 0;
    for (auto _ : state) {
        QElapsedTimer t;
        t.start();
        qint64 p = PeakGrowth([&] {
            if (!SaveDocument(target, f.model))
                state.SkipWithError("save failed");
        });
        const double mine = double(t.nsecsElapsed()) / 1e9;
        QFile::remove(cab);
        const double theirs = RunTool(QStringLiteral("gcab"),
                                      {QStringLiteral("-c"), QStringLiteral("-z"), cab, QStringLiteral("maximal.tvn")},
                                      f.dir.filePath(QStringLiteral("data")));
        state.SetIterationTime(mine);
        ours += mine;
        tool += theirs;
        peak = std::max(peak, p);
        ++runs;
    }
    Report(state, ours, tool, runs, peak);
}

BENCHMARK(BM_OpenVsCabextract)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_SaveVsGcab)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (qEnvironmentVariableIsEmpty("TAVELIN_SETTINGS"))
        qputenv("TAVELIN_SETTINGS", QFile::encodeName(QDir::tempPath() + QStringLiteral("/tavelin-bench.ini")));
    // "MakeBackup" would double the save's disk work; the benchmark
    // measures the save itself.
    settings::WriteInt(QStringLiteral("KanSet"), QStringLiteral("MakeBackup"), 0);
    benchmark::Initialize(&argc, argv);
    TheFixture();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
