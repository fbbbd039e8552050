// tavelin-tool info and resave, run as the user would.
#include "DocumentFixtures.h"

#include "document/DocumentFile.h"
#include "support/TestSupport.h"

#include <QCryptographicHash>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>

namespace tavelin {
namespace {

struct ToolRun {
    int exitCode;
    QByteArray out, err;
};

ToolRun Tool(const QStringList& args, const QString& tmp)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TMPDIR"), tmp);
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(TAVELIN_TOOL_PATH), args);
    p.waitForFinished(60000);
    return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

TEST(ToolDocument, InfoPrintsEveryFieldAndResaveKeepsThem)
{
    test::TempDir tmp, docs;
    const QByteArray savedTmp = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(tmp.path()));
    struct Restore {
        QByteArray value;
        ~Restore() { qputenv("TMPDIR", value); }
    } restore{savedTmp};
    RouteModel model;
    test::FillSampleModel(model);
    const QString path = docs.file(QStringLiteral("route.tvn"));
    ASSERT_TRUE(SaveDocument(path, model));

    const ToolRun info = Tool({QStringLiteral("info"), path}, tmp.path());
    ASSERT_EQ(info.exitCode, 0) << info.err.toStdString();
    QJsonParseError error;
    const QJsonObject doc = QJsonDocument::fromJson(info.out, &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << info.out.toStdString();
    EXPECT_EQ(doc[QStringLiteral("version")].toInt(), 2);
    const QJsonObject header = doc[QStringLiteral("header")].toObject();
    EXPECT_EQ(header[QStringLiteral("zoom")].toDouble(), 1.5);
    EXPECT_EQ(header[QStringLiteral("scrollY")].toInt(), -3);
    EXPECT_EQ(header[QStringLiteral("westLon")].toDouble(), double(139.5f));
    const QJsonArray layers = doc[QStringLiteral("layers")].toArray();
    ASSERT_EQ(layers.size(), 2);
    EXPECT_EQ(layers[0][QStringLiteral("name")].toString(), QStringLiteral("レイヤー1"));
    EXPECT_EQ(layers[1][QStringLiteral("iconTransparentColour")].toDouble(), 4294967295.0);
    EXPECT_EQ(doc[QStringLiteral("nodes")].toArray()[2][QStringLiteral("noteSlip")].toInt(), 0);
    const QJsonObject slip = doc[QStringLiteral("slips")].toArray()[0].toObject();
    EXPECT_EQ(slip[QStringLiteral("text")].toString(), QStringLiteral("line one\r\nline two"));
    EXPECT_EQ(slip[QStringLiteral("style")][QStringLiteral("fontName")].toString(), QStringLiteral("Meiryo UI"));
    const QJsonObject pictures = doc[QStringLiteral("pictures")].toObject();
    const QJsonObject map = pictures[QStringLiteral("map")].toObject();
    EXPECT_EQ(map[QStringLiteral("bytes")].toInt(), model.mapPicture->byteSize());
    EXPECT_EQ(map[QStringLiteral("sha256")].toString(),
              QString::fromLatin1(QCryptographicHash::hash(model.mapPicture->bytes(), QCryptographicHash::Sha256).toHex()));
    EXPECT_EQ(map[QStringLiteral("width")].toInt(), 40);
    const QJsonObject undecodable = pictures[QStringLiteral("icons")].toArray()[1].toObject();
    EXPECT_EQ(undecodable[QStringLiteral("width")].toInt(), 0);
    EXPECT_TRUE(pictures[QStringLiteral("slips")].toArray()[0].isNull());

    const QString copy = docs.file(QStringLiteral("copy.tvn"));
    const ToolRun resave = Tool({QStringLiteral("resave"), path, copy}, tmp.path());
    ASSERT_EQ(resave.exitCode, 0) << resave.err.toStdString();
    EXPECT_EQ(Tool({QStringLiteral("info"), copy}, tmp.path()).out, info.out);
}

TEST(ToolDocument, FailuresPrintTheMessageAndExitOne)
{
    test::TempDir tmp;
    const ToolRun missing = Tool({QStringLiteral("info"), tmp.file(QStringLiteral("missing.tvn"))}, tmp.path());
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(QString::fromUtf8(missing.err).contains(QStringLiteral("ファイルが見つかりません")));
    const ToolRun usage = Tool({QStringLiteral("resave"), QStringLiteral("only-one.tvn")}, tmp.path());
    EXPECT_EQ(usage.exitCode, 1);
}

} // namespace
} // namespace tavelin
