// tavelin-tool rows prints what ComputeRouteTexts gives the node list.
#include "document/DocumentFile.h"
#include "geo/RouteRows.h"
#include "model/RouteModel.h"
#include "platform/Cp932.h"
#include "support/TestSupport.h"

#include <QProcess>
#include <gtest/gtest.h>

#include <cstring>

using namespace tavelin;

namespace
{

struct ToolRun {
    int exitCode = -1;
    QStringList lines;
};

ToolRun RunRows(const QStringList& args)
{
    QProcess tool;
    tool.start(QStringLiteral(TAVELIN_TOOL_PATH), QStringList{QStringLiteral("rows")} + args);
    EXPECT_TRUE(tool.waitForFinished(30000));
    ToolRun run;
    run.exitCode = tool.exitCode();
    run.lines = QString::fromUtf8(tool.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    return run;
}

QString Joined(const RouteRowTexts& texts)
{
    return QStringList(texts.begin(), texts.end()).join('\t');
}

} // namespace

TEST(RowsCommand, PrintsTheNodeListTextsOfTheChosenLayer)
{
    test::ResetSettings();
    test::TempDir dir;
    RouteModel model;
    ASSERT_TRUE(model.Allocate());
    ASSERT_TRUE(model.ResetForNewDocument());
    DocHeader& h = model.header;
    h.mapWidth = h.mapHeight = 1000;
    h.mapWidthMetres = h.mapHeightMetres = 10000;
    h.westLon = 135.0f;
    h.eastLon = 136.0f;
    h.northLat = 36.0f;
    h.southLat = 35.0f;
    ASSERT_TRUE(model.AddLayer(1, QStringLiteral("20010203100000"), QStringLiteral("second")));
    struct N {
        int layer, x, y, arrival, departure;
    };
    const N nodes[] = {{0, 0, 0, 0, 600},
                       {1, 5, 5, 0, 0},
                       {0, 300, 400, 0, 0},
                       {0, 300, 1000, 4200, 4800},
                       {1, 50, 5, 3600, 3600}};
    for (const N& n : nodes) {
        NodeRec& r = model.nodes[model.nodeCount++];
        r = NodeRec{};
        r.layer = std::uint16_t(n.layer);
        r.noteSlip = -1;
        r.x = n.x;
        r.y = n.y;
        r.arrival = n.arrival;
        r.departure = n.departure;
    }
    SlipRec& slip = model.slips[model.slipCount++];
    std::memset(&slip, 0, sizeof slip);
    slip.right = slip.bottom = 40;
    cp932::CopyToField(slip.text, SlipTextBytes, "ab\r\ncd");
    model.nodes[3].noteSlip = 0;
    model.header.currentLayer = 0;
    const QString path = dir.file("route.tvn");
    ASSERT_TRUE(SaveDocument(path, model));

    const QString titles = Joined(RouteColumnTitles());
    for (int layer : {0, 1}) {
        const ToolRun run = layer == 0 ? RunRows({path}) : RunRows({path, "--layer", "1"});
        ASSERT_EQ(run.exitCode, 0);
        const auto rows = ComputeRouteTexts(model, layer);
        ASSERT_EQ(run.lines.size(), qsizetype(rows.size() + 1)); // no blank row
        EXPECT_EQ(run.lines[0], titles);
        for (size_t i = 0; i < rows.size(); ++i)
            EXPECT_EQ(run.lines[qsizetype(i) + 1], Joined(rows[i]));
    }
    EXPECT_TRUE(RunRows({path}).lines.last().endsWith("\tab cd\t3"));

    EXPECT_EQ(RunRows({path, "--layer", "2"}).exitCode, 1);
    EXPECT_EQ(RunRows({path, "--layer"}).exitCode, 1);
    EXPECT_EQ(RunRows({dir.file("missing.tvn")}).exitCode, 1);
}
