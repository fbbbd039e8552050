#include "DocumentFixtures.h"

#include "platform/Messages.h"
#include "document/DataFile.h"
#include "model/RouteModel.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>

namespace tavelin {
namespace {

using test::DataFileBytes;
using test::FillSampleModel;

bool Read(const QByteArray& bytes, RouteModel& model)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return DataFileReader(buffer, model);
}

void ExpectEmpty(const RouteModel& model)
{
    EXPECT_EQ(model.layerCount, 0);
    EXPECT_EQ(model.nodeCount, 0);
    EXPECT_EQ(model.slipCount, 0);
    EXPECT_EQ(model.mapPicture, nullptr);
    for (int i = 0; i < LayerSlots; ++i)
        ASSERT_EQ((*model.iconPictures)[i], nullptr);
    for (int i = 0; i < SlipSlots; ++i)
        ASSERT_EQ((*model.slipPictures)[i], nullptr);
}

// Offsets into the sample's data file.
constexpr int HeaderAt = DataFileSignatureBytes;
constexpr int LayerCountAt = HeaderAt + 64;
constexpr int LayersAt = LayerCountAt + 4;
constexpr int NodeCountAt = LayersAt + 2 * 152;
constexpr int NodesAt = NodeCountAt + 4;
constexpr int SlipCountAt = NodesAt + 4 * 32;
constexpr int SlipsAt = SlipCountAt + 4;
constexpr int BlocksAt = SlipsAt + 2 * 1108;

template <typename T> void Poke(QByteArray& bytes, int at, T value) { std::memcpy(bytes.data() + at, &value, sizeof value); }

TEST(CountEncoding, BigEndianBothWays)
{
    const struct {
        std::uint32_t value;
        unsigned char bytes[4];
    } cases[] = {
        {0, {0, 0, 0, 0}},
        {1000, {0x00, 0x00, 0x03, 0xE8}},
        {10001, {0x00, 0x00, 0x27, 0x11}},
        {0x01020304, {1, 2, 3, 4}},
        {0xFFFFFFFF, {0xFF, 0xFF, 0xFF, 0xFF}},
    };
    for (const auto& c : cases) {
        unsigned char out[4];
        EncodeCount(c.value, out);
        EXPECT_EQ(0, std::memcmp(out, c.bytes, 4)) << c.value;
        EXPECT_EQ(DecodeCount(c.bytes), c.value);
    }
}

TEST(DataFile, RoundTripIsByteForByte)
{
    RouteModel model;
    FillSampleModel(model);
    const QByteArray first = DataFileBytes(model);
    ASSERT_FALSE(first.isEmpty());
    EXPECT_EQ(first.left(10), QByteArray("TVN002    "));

    RouteModel back;
    back.Allocate();
    ScriptedMessages messages;
    ASSERT_TRUE(Read(first, back));
    EXPECT_TRUE(messages.records.empty());
    EXPECT_EQ(0, std::memcmp(&back.header, &model.header, sizeof(DocHeader)));
    ASSERT_EQ(back.layerCount, 2);
    ASSERT_EQ(back.nodeCount, 4);
    ASSERT_EQ(back.slipCount, 2);
    EXPECT_EQ(0, std::memcmp(back.layers.get(), model.layers.get(), 2 * sizeof(LayerRec)));
    EXPECT_EQ(0, std::memcmp(back.nodes.get(), model.nodes.get(), 4 * sizeof(NodeRec)));
    EXPECT_EQ(0, std::memcmp(back.slips.get(), model.slips.get(), 2 * sizeof(SlipRec)));
    EXPECT_EQ(back.mapPicture->bytes(), model.mapPicture->bytes());
    EXPECT_FALSE(back.mapPicture->image().isNull());
    EXPECT_EQ((*back.iconPictures)[0]->bytes(), (*model.iconPictures)[0]->bytes());
    EXPECT_FALSE((*back.iconBitmaps)[0].isNull());
    // The block that does not decode is kept, so nothing is lost on saving.
    ASSERT_NE((*back.iconPictures)[1], nullptr);
    EXPECT_FALSE((*back.iconPictures)[1]->isDecodable());
    EXPECT_EQ((*back.iconPictures)[1]->bytes(), QByteArray("not an image at all"));
    EXPECT_EQ((*back.slipPictures)[0], nullptr);
    EXPECT_EQ((*back.slipPictures)[1]->bytes(), (*model.slipPictures)[1]->bytes());

    EXPECT_EQ(DataFileBytes(back), first);
}

TEST(DataFile, OneLayerDocumentLayout)
{
    RouteModel model;
    FillSampleModel(model);
    model.header.hasMap = 0;
    model.header.currentLayer = 0;
    model.layerCount = 1;
    model.nodeCount = 0;
    model.slipCount = 0;
    const QByteArray bytes = DataFileBytes(model);
    const QByteArray icon = (*model.iconPictures)[0]->bytes();

    QByteArray expected("TVN002    ");
    expected += QByteArray(reinterpret_cast<const char*>(&model.header), 64);
    expected += QByteArray("\0\0\0\1", 4);
    expected += QByteArray(reinterpret_cast<const char*>(&model.layers[0]), 152);
    expected += QByteArray(8, '\0');
    expected += icon;
    EXPECT_EQ(bytes, expected);
}

TEST(DataFile, VersionOneReplacesTransparentColours)
{
    RouteModel model;
    FillSampleModel(model);
    model.layers[0].iconTransparentColour = 0x123456;
    model.layers[1].iconTransparentColour = 0;
    model.slips[0].imageTransparentColour = 7;
    model.slips[1].imageTransparentColour = 0x00FF00;
    QByteArray bytes = DataFileBytes(model);
    bytes.replace(0, 6, "TVN001");

    RouteModel back;
    back.Allocate();
    ASSERT_TRUE(Read(bytes, back));
    for (int i = 0; i < back.layerCount; ++i)
        EXPECT_EQ(back.layers[i].iconTransparentColour, 0xFFFFFFu);
    for (int i = 0; i < back.slipCount; ++i)
        EXPECT_EQ(back.slips[i].imageTransparentColour, -1);
}

TEST(DataFile, SizeFieldsFollowTheBytesWritten)
{
    // A record that announces more bytes than its picture holds would shift
    // every later block; the file carries the true length instead.
    RouteModel model;
    FillSampleModel(model);
    model.layers[0].iconImageSize += 100;
    model.header.mapImageSize = 3;
    model.slips[0].hasImage = 1; // no picture: written as a block of 0 bytes
    model.slips[0].imageSize = 55;
    RouteModel back;
    back.Allocate();
    ASSERT_TRUE(Read(DataFileBytes(model), back));
    EXPECT_EQ(back.layers[0].iconImageSize, (*model.iconPictures)[0]->byteSize());
    EXPECT_EQ(back.header.mapImageSize, model.mapPicture->byteSize());
    EXPECT_EQ(back.slips[0].hasImage, 1);
    EXPECT_EQ(back.slips[0].imageSize, 0);
    EXPECT_EQ((*back.slipPictures)[1]->bytes(), (*model.slipPictures)[1]->bytes());
}

TEST(DataFile, RefusalsShowTheirMessageAndLeaveAnEmptyModel)
{
    RouteModel sample;
    FillSampleModel(sample);
    const QByteArray good = DataFileBytes(sample);
    const qsizetype mapAt = BlocksAt;

    struct Case {
        const char* name;
        std::function<void(QByteArray&)> damage;
        int id;
        QString prefix; // empty: none expected; "*": any non-empty
    };
    const Case cases[] = {
        {"signature", [](QByteArray& b) { b[0] = 'X'; }, 30019, {}},
        {"version 3", [](QByteArray& b) { b.replace(3, 3, "003"); }, 30020, QStringLiteral("ver 003\n")},
        {"version 0", [](QByteArray& b) { b.replace(3, 3, "000"); }, 30020, QStringLiteral("ver 000\n")},
        {"too short for a signature", [](QByteArray& b) { b.truncate(5); }, 30019, {}},
        {"1001 layers", [](QByteArray& b) { b.replace(LayerCountAt, 4, QByteArray("\0\0\x03\xE9", 4)); }, 30043,
         QStringLiteral("1001 > 1000\n")},
        {"10001 nodes", [](QByteArray& b) { b.replace(NodeCountAt, 4, QByteArray("\0\0\x27\x11", 4)); }, 30044,
         QStringLiteral("10001 > 10000\n")},
        {"1001 slips", [](QByteArray& b) { b.replace(SlipCountAt, 4, QByteArray("\0\0\x03\xE9", 4)); }, 30063,
         QStringLiteral("1001 > 1000\n")},
        {"count with the top bit set", [](QByteArray& b) { b.replace(NodeCountAt, 4, QByteArray(4, '\xFF')); },
         30044, QStringLiteral("4294967295 > 10000\n")},
        {"node names a missing layer", [](QByteArray& b) { Poke<std::uint16_t>(b, NodesAt + 32, 2); }, 30019,
         QStringLiteral("*")},
        {"noteSlip past the slips", [](QByteArray& b) { Poke<std::int32_t>(b, NodesAt + 4, 2); }, 30019,
         QStringLiteral("*")},
        {"noteSlip below -1", [](QByteArray& b) { Poke<std::int32_t>(b, NodesAt + 4, -2); }, 30019,
         QStringLiteral("*")},
        {"currentLayer past the layers", [](QByteArray& b) { Poke<std::uint16_t>(b, HeaderAt + 16, 2); }, 30019,
         QStringLiteral("*")},
        {"negative map size", [](QByteArray& b) { Poke<std::int32_t>(b, HeaderAt + 24, -1); }, 30019,
         QStringLiteral("*")},
        {"map size past the end", [](QByteArray& b) { Poke<std::int32_t>(b, HeaderAt + 24, 0x7FFFFFFF); }, 30019,
         QStringLiteral("*")},
        {"icon size past the end", [](QByteArray& b) { Poke<std::uint32_t>(b, LayersAt + 140, 0xFFFFFFF0u); },
         30019, QStringLiteral("*")},
        {"negative slip image size", [](QByteArray& b) { Poke<std::int32_t>(b, SlipsAt + 1108 + 24, -100); },
         30019, QStringLiteral("*")},
        {"last block cut short", [](QByteArray& b) { b.chop(1); }, 30019, QStringLiteral("*")},
        {"records cut short", [mapAt](QByteArray& b) { b.truncate(mapAt - 500); }, 30019, QStringLiteral("*")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QByteArray bytes = good;
        c.damage(bytes);
        RouteModel model;
        FillSampleModel(model); // a document is open before
        ScriptedMessages messages;
        EXPECT_FALSE(Read(bytes, model));
        ASSERT_EQ(messages.records.size(), 1u);
        EXPECT_EQ(messages.records[0].id, c.id);
        EXPECT_EQ(messages.records[0].style, MessageStyle::Error);
        if (c.prefix == QLatin1String("*"))
            EXPECT_TRUE(messages.records[0].prefix.endsWith(QLatin1Char('\n'))) << messages.records[0].prefix.toStdString();
        else
            EXPECT_EQ(messages.records[0].prefix, c.prefix);
        ExpectEmpty(model);
    }
}

TEST(DataFile, EveryTruncationIsRefused)
{
    RouteModel sample;
    FillSampleModel(sample);
    const QByteArray good = DataFileBytes(sample);
    RouteModel model;
    model.Allocate();
    ScriptedMessages messages;
    for (qsizetype length = 0; length < good.size(); length += 7) {
        EXPECT_FALSE(Read(good.left(length), model)) << length;
        ExpectEmpty(model);
    }
    for (const auto& r : messages.records)
        ASSERT_EQ(r.id, 30019);
}

TEST(DataFile, ZeroLayerDocumentAndAnEmptyImageBlock)
{
    // An image slip whose block is empty keeps its flag with no picture,
    // and a document without layers is accepted at currentLayer 0.
    RouteModel model;
    model.Allocate();
    model.Clear();
    model.slipCount = 1;
    std::memset(&model.slips[0], 0, sizeof(SlipRec));
    model.slips[0].hasImage = 1;
    const QByteArray bytes = DataFileBytes(model);
    RouteModel back;
    back.Allocate();
    ASSERT_TRUE(Read(bytes, back));
    EXPECT_EQ(back.layerCount, 0);
    EXPECT_EQ(back.slips[0].hasImage, 1);
    EXPECT_EQ((*back.slipPictures)[0], nullptr);
    EXPECT_EQ(DataFileBytes(back), bytes);
}

TEST(DataFile, FuzzSeedsAndFindingsReadSafely)
{
    // Every seed and every earlier finding of the fuzzer: read without a
    // crash, and what is accepted writes back to a stable file.
    const QDir root(qEnvironmentVariable("TAVELIN_TEST_DATA") + QStringLiteral("/../fuzz"));
    QStringList files;
    for (const char* sub : {"corpus", "regressions"})
        for (const QString& name : QDir(root.filePath(QLatin1String(sub))).entryList(QDir::Files))
            if (!name.endsWith(QLatin1String(".md")))
                files << root.filePath(QLatin1String(sub) + QLatin1Char('/') + name);
    ASSERT_FALSE(files.isEmpty());
    ScriptedMessages messages;
    for (const QString& file : files) {
        SCOPED_TRACE(file.toStdString());
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        RouteModel model;
        model.Allocate();
        if (!DataFileReader(f, model)) {
            ExpectEmpty(model);
            continue;
        }
        const QByteArray first = DataFileBytes(model);
        ASSERT_TRUE(Read(first, model));
        EXPECT_EQ(DataFileBytes(model), first);
    }
}

} // namespace
} // namespace tavelin
