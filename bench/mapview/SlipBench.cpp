// Slip budgets on a maximal document (4000 x 4000 map, 10000 nodes): pasting
// 500 copied image slips with their pictures (<= 200 ms), each alignment
// command over 1000 selected slips (<= 5 ms), and opening the in-place
// editor over a slip of 1000 bytes (<= 30 ms).

#include "mapview/CMyEdit.h"
#include "mapview/SlipAlignment.h"
#include "mapview/SlipCopyBuffer.h"
#include "mapview/SlipViewHost.h"
#include "model/RouteModel.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstring>
#include <vector>

using namespace tavelin;

namespace
{

struct NullHost : SlipViewHost, InPlaceEditorHost {
    explicit NullHost(RouteModel& m) : model(m) {}
    void RefreshNow() override {}
    void MarkModified() override {}
    void TakeSlipSnapshot() override {}
    void DiscardSlipSnapshot() override {}
    int primarySlip() const override { return primary; }
    void setPrimarySlip(int slip) override { primary = slip; }
    void ClearSelection() override
    {
        model.ClearSelectionMarks();
        primary = -1;
    }
    int SlipAt(QPoint) const override { return -1; }
    QRect visibleArea() const override { return {}; }
    void FollowNode(int) override {}
    void SetNoteCell(int, const QString&) override {}
    QPoint scrollPosition() const override { return {}; }
    void setEditingSlip(int, const QRect&) override {}
    void Undo() override {}
    void TextCommitted(int, bool) override {}
    void ClickedOutsideEditor() override {}

    RouteModel& model;
    int primary = -1;
};

// A maximal document: every node, and `slips` slips spread over the map.
void Fill(RouteModel& model, int slips, bool pictures)
{
    model.Allocate();
    model.Clear();
    DocHeader& h = model.header;
    h.zoom = 1.0f;
    h.hasMap = 1;
    h.mapWidth = 4000;
    h.mapHeight = 4000;
    model.layerCount = 1;
    std::memset(&model.layers[0], 0, sizeof(LayerRec));
    model.layers[0].visible = 1;
    for (int i = 0; i < MaxNodes; ++i) {
        NodeRec& n = model.nodes[i];
        std::memset(&n, 0, sizeof n);
        n.noteSlip = -1;
        n.x = (i * 37) % 4000;
        n.y = (i * 53) % 4000;
    }
    model.nodeCount = MaxNodes;
    for (int i = 0; i < slips; ++i) {
        SlipRec& s = model.slips[i];
        std::memset(&s, 0, sizeof s);
        s.left = (i * 131) % 3700;
        s.top = (i * 97) % 3800;
        s.right = s.left + 150 + i % 50;
        s.bottom = s.top + 100 + i % 30;
        s.selected = 1;
        std::memset(s.text, 'a', SlipTextBytes);
        s.imageTransparentColour = -1;
        s.style.fontSize = 9;
        if (pictures) {
            QImage image(200, 133, QImage::Format_RGB32);
            image.fill(QColor::fromHsv(i % 360, 160, 200));
            QByteArray bytes;
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            image.save(&buffer, "JPEG", 90);
            (*model.slipPictures)[std::size_t(i)] = std::make_shared<Picture>(bytes, image);
            s.hasImage = 1;
            s.imageSize = int(bytes.size());
        }
    }
    model.slipCount = slips;
}

void BM_PasteImageSlips500(benchmark::State& state)
{
    RouteModel model;
    Fill(model, 500, true);
    NullHost host(model);
    SlipCopyBuffer buffer;
    buffer.Replace(model);
    for (auto _ : state) {
        state.PauseTiming();
        for (int i = 500; i < model.slipCount; ++i)
            (*model.slipPictures)[std::size_t(i)].reset();
        model.slipCount = 500;
        state.ResumeTiming();
        benchmark::DoNotOptimize(PasteSlips(model, host, buffer));
    }
    if (model.slipCount != 1000)
        state.SkipWithError("not every copy was pasted");
}

void BM_Align1000(benchmark::State& state)
{
    RouteModel model;
    Fill(model, MaxSlips, false);
    std::vector<SlipRec> start(model.slips.get(), model.slips.get() + MaxSlips);
    const auto command = static_cast<SlipAlignment>(state.range(0));
    static const char* const names[] = {"left",     "right",    "top",         "bottom",
                                        "centre-v", "centre-h", "space-v",     "space-h",
                                        "width",    "height",   "width+height"};
    state.SetLabel(names[state.range(0)]);
    for (auto _ : state) {
        state.PauseTiming();
        std::memcpy(model.slips.get(), start.data(), start.size() * sizeof(SlipRec));
        state.ResumeTiming();
        benchmark::DoNotOptimize(AlignSlips(model, 500, command));
    }
}

void BM_StartInPlaceEditor(benchmark::State& state)
{
    RouteModel model;
    Fill(model, 1, false);
    model.slips[0].style.wrap = 1;
    NullHost host(model);
    QWidget client;
    client.resize(1920, 1080);
    client.show();
    CMyEdit editor(model, host, &client);
    for (auto _ : state) {
        editor.Start(0, QPoint(model.slips[0].left + 40, model.slips[0].top + 30));
        state.PauseTiming();
        editor.Discard();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_PasteImageSlips500)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_Align1000)->DenseRange(0, 10)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StartInPlaceEditor)->Unit(benchmark::kMillisecond)->Iterations(50);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir settingsDir;
    qputenv("TAVELIN_SETTINGS",
            QFile::encodeName(settingsDir.filePath(QStringLiteral("bench.ini"))));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
