// Image budgets: loading a 4000 x 4000 JPEG map against djpeg decoding the
// same file, and drawing a keyed 64 x 64 icon 10000 times into a full-HD
// surface.

#include "image/PictureDrawing.h"
#include "image/PictureIo.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

using namespace tavelin;

namespace
{

QTemporaryDir& Folder()
{
    static QTemporaryDir dir;
    return dir;
}

// A map-like 4000 x 4000 photo: gradients, fields and noise, so the JPEG
// carries real detail rather than flat colour.
const QString& MapJpeg()
{
    static const QString path = [] {
        const QString file = Folder().filePath(QStringLiteral("map4000.jpg"));
        QImage image(4000, 4000, QImage::Format_RGB32);
        QRandomGenerator random(42);
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const int n = int(random.bounded(24));
                const int field = ((x / 160) ^ (y / 120)) & 3;
                line[x] = qRgb((x / 16 + n + field * 20) & 255, (y / 16 + n + 60) & 255,
                               (150 + field * 25 + n) & 255);
            }
        }
        QPainter p(&image);
        p.setPen(QPen(QColor(40, 40, 40), 5));
        for (int i = 0; i < 200; ++i)
            p.drawLine(int(random.bounded(4000)), int(random.bounded(4000)),
                       int(random.bounded(4000)), int(random.bounded(4000)));
        p.end();
        image.save(file, "jpeg", 90);
        return file;
    }();
    return path;
}

double CpuSeconds(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Both in turn within each iteration, so a busy machine slows both alike:
// the counters give the mean of each and their ratio (the budget is 1.2).
void BM_LoadJpegMapAgainstDjpeg(benchmark::State& state)
{
    const QString path = MapJpeg();
    const QString djpeg = QStandardPaths::findExecutable(QStringLiteral("djpeg"));
    if (djpeg.isEmpty()) {
        state.SkipWithError("djpeg not installed (libjpeg-turbo-progs)");
        return;
    }
    // Wall times decide; CPU times (djpeg's from its rusage, ours of the
    // whole process, helper thread included) show what a busy machine hides.
    double loadSeconds = 0, djpegSeconds = 0, loadCpu = 0, djpegCpu = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        const double childrenBefore = CpuSeconds(RUSAGE_CHILDREN);
        timer.start();
        QProcess process;
        process.setStandardOutputFile(QProcess::nullDevice());
        process.start(djpeg, {QStringLiteral("-outfile"), QStringLiteral("/dev/null"), path});
        if (!process.waitForFinished(60000) || process.exitCode() != 0) {
            state.SkipWithError("djpeg failed");
            return;
        }
        djpegSeconds += double(timer.nsecsElapsed()) / 1e9;
        djpegCpu += CpuSeconds(RUSAGE_CHILDREN) - childrenBefore;
        const double selfBefore = CpuSeconds(RUSAGE_SELF);
        timer.restart();
        const LoadedPicture loaded = LoadPictureFile(path);
        benchmark::DoNotOptimize(loaded.picture->image().constBits());
        loadSeconds += double(timer.nsecsElapsed()) / 1e9;
        loadCpu += CpuSeconds(RUSAGE_SELF) - selfBefore;
    }
    const double n = double(state.iterations());
    state.counters["load_ms"] = loadSeconds * 1000 / n;
    state.counters["djpeg_ms"] = djpegSeconds * 1000 / n;
    state.counters["ratio"] = loadSeconds / djpegSeconds;
    state.counters["load_cpu_ms"] = loadCpu * 1000 / n;
    state.counters["djpeg_cpu_ms"] = djpegCpu * 1000 / n;
}
BENCHMARK(BM_LoadJpegMapAgainstDjpeg)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(5.0);

// A round marker on white, keyed on white, as a layer's node icon is drawn.
PicturePtr KeyedIcon()
{
    QImage icon(64, 64, QImage::Format_RGB32);
    icon.fill(Qt::white);
    QPainter p(&icon);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 40, 120));
    p.drawEllipse(QRect(6, 6, 52, 52));
    p.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    icon.save(&buffer, "bmp");
    return std::make_shared<const Picture>(bytes);
}

void BM_DrawKeyedIcon10000(benchmark::State& state)
{
    const PicturePtr icon = KeyedIcon();
    QImage surface(1920, 1080, QImage::Format_RGB32);
    surface.fill(QColor(200, 220, 200));
    std::vector<QPoint> places;
    QRandomGenerator random(7);
    for (int i = 0; i < 10000; ++i)
        places.emplace_back(int(random.bounded(1920 - 64)), int(random.bounded(1080 - 64)));
    QPainter painter(&surface);
    for (auto _ : state) {
        for (const QPoint& at : places)
            DrawPicture(painter, icon.get(), QRect(at, QSize(64, 64)), {64, 64}, 0, 0,
                        int(PictureMode::TopLeft), 0xFFFFFF);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DrawKeyedIcon10000)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
