#include "document/DataFile.h"

#include "platform/Messages.h"
#include "image/LayerIcon.h"
#include "model/RouteModel.h"
#include "platform/Cp932.h"

#include <QBuffer>
#include <QIODevice>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <vector>

namespace tavelin {
namespace {

constexpr int MsgOutOfMemory = 30001;
constexpr int MsgBadFormat = 30019;
constexpr int MsgBadVersion = 30020;
constexpr int MsgTooManyLayers = 30043;
constexpr int MsgTooManyNodes = 30044;
constexpr int MsgTooManySlips = 30063;

constexpr std::uint32_t White = 0xFFFFFF;

bool WriteAll(QIODevice& file, const void* data, qint64 size)
{
    if (size <= 0)
        return true;
    return file.write(static_cast<const char*>(data), size) == size;
}

bool WriteCount(QIODevice& file, std::int32_t count)
{
    unsigned char bytes[4];
    EncodeCount(static_cast<std::uint32_t>(count), bytes);
    return WriteAll(file, bytes, 4);
}

qint64 BytesOf(const PicturePtr& picture) { return picture ? picture->byteSize() : 0; }

// Reads the file strictly forward and knows how much of it is left, so that
// no count or size field can make it read past the end or allocate more than
// the file holds.
class Cursor {
public:
    explicit Cursor(QIODevice& file) : m_file(file)
    {
        m_position = file.pos();
        m_size = file.size();
    }

    qint64 position() const { return m_position; }
    qint64 remaining() const { return m_size - m_position; }

    // Fills `out` with exactly `size` bytes, or records why it could not.
    bool read(void* out, qint64 size, const char* what)
    {
        if (size > remaining()) {
            m_failure = QStringLiteral("truncated: %1 needs %2 bytes at offset %3, the file has %4\n")
                            .arg(QLatin1String(what))
                            .arg(size)
                            .arg(m_position)
                            .arg(m_size);
            return false;
        }
        if (size > 0 && m_file.read(static_cast<char*>(out), size) != size) {
            m_failure = QStringLiteral("read error: %1 at offset %2\n").arg(QLatin1String(what)).arg(m_position);
            return false;
        }
        m_position += size;
        return true;
    }

    // A picture block of `size` bytes, kept as bytes whether or not they
    // decode. Null (and a failure recorded) when the file is shorter.
    PicturePtr readPicture(qint64 size, const char* what)
    {
        if (size > remaining()) {
            read(nullptr, size, what);
            return nullptr;
        }
        QByteArray bytes;
        try {
            bytes.resize(size);
        } catch (const std::bad_alloc&) {
            m_failure = QStringLiteral("no memory for %1 (%2 bytes)\n").arg(QLatin1String(what)).arg(size);
            return nullptr;
        }
        if (!read(bytes.data(), size, what))
            return nullptr;
        return std::make_shared<Picture>(std::move(bytes));
    }

    const QString& failure() const { return m_failure; }

private:
    QIODevice& m_file;
    qint64 m_position = 0;
    qint64 m_size = 0;
    QString m_failure;
};

DataFileResult Refuse(int id, QString prefix = {})
{
    DataFileResult r;
    r.messageId = id;
    r.prefix = std::move(prefix);
    return r;
}

// A block length taken from a record: the signed fields may hold anything
// in a damaged file, so a negative one is refused rather than read as huge.
bool CheckBlockSize(qint64 size, const QString& where, QString& failure)
{
    if (size < 0) {
        failure = QStringLiteral("%1 is negative (%2)\n").arg(where).arg(size);
        return false;
    }
    return true;
}

DataFileResult ReadInto(QIODevice& file, RouteModel& model)
{
    Cursor in(file);

    char signature[DataFileSignatureBytes];
    if (!in.read(signature, DataFileSignatureBytes, "signature")
        || std::memcmp(signature, "TVN", 3) != 0)
        return Refuse(MsgBadFormat);
    char versionText[4] = {signature[3], signature[4], signature[5], 0};
    const long version = std::strtol(versionText, nullptr, 10);
    if (version != 1 && version != 2)
        return Refuse(MsgBadVersion,
                      QStringLiteral("ver ") + cp932::Decode(QByteArray(signature + 3, 3)) + QLatin1Char('\n'));

    if (!in.read(&model.header, sizeof(DocHeader), "header"))
        return Refuse(MsgBadFormat, in.failure());

    struct Array {
        const char* countName;
        const char* recordsName;
        void* records;
        qint64 recordSize;
        std::uint32_t limit;
        int message;
        std::int32_t* count;
    };
    const Array arrays[] = {
        {"layer count", "layer records", model.layers.get(), sizeof(LayerRec), MaxLayers, MsgTooManyLayers,
         &model.layerCount},
        {"node count", "node records", model.nodes.get(), sizeof(NodeRec), MaxNodes, MsgTooManyNodes,
         &model.nodeCount},
        {"slip count", "slip records", model.slips.get(), sizeof(SlipRec), MaxSlips, MsgTooManySlips,
         &model.slipCount},
    };
    for (const Array& a : arrays) {
        unsigned char bytes[4];
        if (!in.read(bytes, 4, a.countName))
            return Refuse(MsgBadFormat, in.failure());
        // Compared unsigned: a count with its top bit set is a huge count,
        // not a negative one that would slip under the limit.
        const std::uint32_t count = DecodeCount(bytes);
        if (count > a.limit) {
            *a.count = 0;
            return Refuse(a.message, QStringLiteral("%1 > %2\n").arg(count).arg(a.limit));
        }
        if (!in.read(a.records, a.recordSize * count, a.recordsName))
            return Refuse(MsgBadFormat, in.failure());
        *a.count = static_cast<std::int32_t>(count);
    }

    // Every index the other parts follow blindly must name a record.
    const DocHeader& h = model.header;
    if (h.currentLayer >= model.layerCount && !(model.layerCount == 0 && h.currentLayer == 0))
        return Refuse(MsgBadFormat,
                      QStringLiteral("currentLayer %1 >= layer count %2\n").arg(h.currentLayer).arg(model.layerCount));
    for (int i = 0; i < model.nodeCount; ++i) {
        const NodeRec& n = model.nodes[i];
        if (n.layer >= model.layerCount)
            return Refuse(MsgBadFormat,
                          QStringLiteral("node %1: layer %2 >= layer count %3\n").arg(i).arg(n.layer).arg(model.layerCount));
        if (n.noteSlip < -1 || n.noteSlip >= model.slipCount)
            return Refuse(MsgBadFormat, QStringLiteral("node %1: noteSlip %2 >= slip count %3\n")
                                            .arg(i)
                                            .arg(n.noteSlip)
                                            .arg(model.slipCount));
    }

    // The blocks' lengths are known now: refuse a file that cannot hold them
    // all before reading any, so a damaged size never costs an allocation.
    QString failure;
    qint64 needed = 0;
    if (h.hasMap != 0) {
        if (!CheckBlockSize(h.mapImageSize, QStringLiteral("mapImageSize"), failure))
            return Refuse(MsgBadFormat, failure);
        needed += h.mapImageSize;
    }
    for (int i = 0; i < model.layerCount; ++i)
        if (model.layers[i].hasIcon != 0)
            needed += model.layers[i].iconImageSize;
    for (int i = 0; i < model.slipCount; ++i) {
        const SlipRec& s = model.slips[i];
        if (s.hasImage == 0)
            continue;
        if (!CheckBlockSize(s.imageSize, QStringLiteral("slip %1: imageSize").arg(i), failure))
            return Refuse(MsgBadFormat, failure);
        needed += s.imageSize;
    }
    if (needed > in.remaining())
        return Refuse(MsgBadFormat, QStringLiteral("truncated: the picture blocks need %1 bytes at offset %2, "
                                                   "the file has %3 left\n")
                                        .arg(needed)
                                        .arg(in.position())
                                        .arg(in.remaining()));

    model.mapPicture.reset();
    if (h.hasMap != 0 && h.mapImageSize > 0) {
        model.mapPicture = in.readPicture(h.mapImageSize, "map picture");
        if (!model.mapPicture)
            return Refuse(MsgBadFormat, in.failure());
    }

    bool iconBuildFailed = false;
    for (int i = 0; i < model.layerCount; ++i) {
        LayerRec& layer = model.layers[i];
        PicturePtr& icon = (*model.iconPictures)[i];
        QImage& cell = (*model.iconBitmaps)[i];
        icon.reset();
        cell = QImage();
        if (layer.hasIcon != 0 && layer.iconImageSize > 0) {
            icon = in.readPicture(layer.iconImageSize, "icon picture");
            if (!icon)
                return Refuse(MsgBadFormat, in.failure());
        }
        if (version == 1)
            layer.iconTransparentColour = White;
        if (icon && icon->isDecodable()) {
            cell = BuildLayerIcon(*icon, layer);
            iconBuildFailed = iconBuildFailed || cell.isNull();
        }
    }

    for (int i = 0; i < model.slipCount; ++i) {
        SlipRec& slip = model.slips[i];
        PicturePtr& picture = (*model.slipPictures)[i];
        picture.reset();
        if (slip.hasImage != 0 && slip.imageSize > 0) {
            picture = in.readPicture(slip.imageSize, "slip picture");
            if (!picture)
                return Refuse(MsgBadFormat, in.failure());
        }
        if (version == 1)
            slip.imageTransparentColour = -1;
    }

    DataFileResult ok;
    ok.version = static_cast<int>(version);
    // A rendered icon that could not be built is a memory shortage; the
    // layer keeps its picture, so the document itself is complete.
    ok.iconCellsMissing = iconBuildFailed;
    return ok;
}

} // namespace

void EncodeCount(std::uint32_t value, unsigned char bytes[4])
{
    bytes[0] = static_cast<unsigned char>(value >> 24);
    bytes[1] = static_cast<unsigned char>((value >> 16) & 0xFF);
    bytes[2] = static_cast<unsigned char>((value >> 8) & 0xFF);
    bytes[3] = static_cast<unsigned char>(value & 0xFF);
}

std::uint32_t DecodeCount(const unsigned char bytes[4])
{
    return (std::uint32_t(bytes[0]) << 24) | (std::uint32_t(bytes[1]) << 16) | (std::uint32_t(bytes[2]) << 8)
           | std::uint32_t(bytes[3]);
}

bool DataFileWriter(QIODevice& file, const RouteModel& model)
{
    if (!model.isAllocated() || model.layerCount < 0 || model.layerCount > MaxLayers || model.nodeCount < 0
        || model.nodeCount > MaxNodes || model.slipCount < 0 || model.slipCount > MaxSlips)
        return false;

    // The records go out as they lie in memory; only a size field that
    // disagrees with the bytes actually written is corrected in the copy.
    DocHeader header = model.header;
    if (header.hasMap != 0)
        header.mapImageSize = static_cast<std::int32_t>(BytesOf(model.mapPicture));

    if (!WriteAll(file, DataFileSignature, DataFileSignatureBytes) || !WriteAll(file, &header, sizeof header))
        return false;

    std::vector<LayerRec> layers(model.layers.get(), model.layers.get() + model.layerCount);
    for (int i = 0; i < model.layerCount; ++i)
        if (layers[i].hasIcon != 0)
            layers[i].iconImageSize = static_cast<std::uint32_t>(BytesOf((*model.iconPictures)[i]));
    std::vector<SlipRec> slips(model.slips.get(), model.slips.get() + model.slipCount);
    for (int i = 0; i < model.slipCount; ++i)
        if (slips[i].hasImage != 0)
            slips[i].imageSize = static_cast<std::int32_t>(BytesOf((*model.slipPictures)[i]));

    if (!WriteCount(file, model.layerCount) || !WriteAll(file, layers.data(), qint64(sizeof(LayerRec)) * model.layerCount)
        || !WriteCount(file, model.nodeCount)
        || !WriteAll(file, model.nodes.get(), qint64(sizeof(NodeRec)) * model.nodeCount)
        || !WriteCount(file, model.slipCount)
        || !WriteAll(file, slips.data(), qint64(sizeof(SlipRec)) * model.slipCount))
        return false;

    auto writePicture = [&file](const PicturePtr& picture) {
        return !picture || WriteAll(file, picture->bytes().constData(), picture->byteSize());
    };
    if (header.hasMap != 0 && !writePicture(model.mapPicture))
        return false;
    for (int i = 0; i < model.layerCount; ++i)
        if (layers[i].hasIcon != 0 && !writePicture((*model.iconPictures)[i]))
            return false;
    for (int i = 0; i < model.slipCount; ++i)
        if (slips[i].hasImage != 0 && !writePicture((*model.slipPictures)[i]))
            return false;
    return true;
}

DataFileResult ReadDataFile(QIODevice& file, RouteModel& model)
{
    if (!model.isAllocated() && !model.Allocate())
        return Refuse(MsgOutOfMemory);

    DataFileResult result;
    if (file.isSequential()) {
        // The reader checks lengths against what is left, which needs a size.
        QBuffer whole;
        whole.setData(file.readAll());
        whole.open(QIODevice::ReadOnly);
        result = ReadInto(whole, model);
    } else {
        result = ReadInto(file, model);
    }
    if (!result.ok())
        model.Clear();
    return result;
}

bool DataFileReader(QIODevice& file, RouteModel& model, int* version)
{
    const DataFileResult result = ReadDataFile(file, model);
    if (!result.ok()) {
        ShowMessage(result.messageId, nullptr, result.prefix, MessageStyle::Error);
        return false;
    }
    if (result.iconCellsMissing)
        ShowMessage(MsgOutOfMemory);
    if (version)
        *version = result.version;
    return true;
}

} // namespace tavelin
