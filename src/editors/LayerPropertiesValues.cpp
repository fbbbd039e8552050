#include "editors/LayerPropertiesValues.h"

#include "image/ChosenImage.h"
#include "image/ImageEncoding.h"
#include "image/LayerIcon.h"
#include "image/NodeIcons.h"
#include "image/PictureIo.h"
#include "model/RouteModel.h"
#include "platform/Cp932.h"
#include "platform/Settings.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <cmath>
#include <cstring>
#include <limits>

namespace tavelin
{

namespace
{

constexpr std::int64_t SecondsPerDay = 86400;

QByteArray NameBytes(const LayerRec& layer)
{
    const void* nul = std::memchr(layer.name, 0, LayerNameBytes + 1);
    const qsizetype length =
        nul ? static_cast<const char*>(nul) - layer.name : qsizetype(LayerNameBytes);
    return QByteArray(layer.name, length);
}

// A time the list can show: inside the OLE range and on a calendar day.
bool Showable(OleDateTime date)
{
    DateTimeParts parts;
    return date.isValid() && OleDateToParts(date.date, parts);
}

bool FitsOffset(std::int64_t offset)
{
    return offset >= std::numeric_limits<std::int32_t>::min() &&
           offset <= std::numeric_limits<std::int32_t>::max();
}

} // namespace

LayerPropertiesValues LayerPropertiesValues::FromModel(const RouteModel& model, int layer)
{
    LayerPropertiesValues v;
    if (layer < 0 || layer >= model.layerCount)
        return v;
    const LayerRec& l = model.layers[layer];
    v.originalBase = {l.baseTime, l.baseTimeStatus};
    v.baseTime = v.originalBase;
    v.name = cp932::DecodeField(l.name, LayerNameBytes + 1);
    v.originalName = v.name;
    v.arcWidth = l.arcWidth;
    v.anchorWidth = l.anchorWidth;
    v.iconSize = l.iconSize;
    v.arcColour = l.arcColour;
    v.anchorColour = l.anchorColour;
    v.iconPos = l.iconPos;
    v.transparentColour = l.iconTransparentColour;
    if (model.iconPictures)
        v.layerPicture = (*model.iconPictures)[std::size_t(layer)];
    v.iconImageSize = l.iconImageSize;
    v.hasIcon = l.hasIcon;
    for (int i = 0; i < model.nodeCount; ++i) {
        const NodeRec& n = model.nodes[i];
        if (n.layer == layer)
            v.nodeTimes.push_back({i, n.arrival, n.departure});
    }
    v.rebuildCell();
    return v;
}

const Picture* LayerPropertiesValues::iconPicture() const
{
    if (newPicture)
        return newPicture.get();
    return layerPicture.get();
}

bool LayerPropertiesValues::rebuildCell()
{
    const Picture* picture = iconPicture();
    if (!picture) {
        cell = QImage(IconCell, IconCell, QImage::Format_RGB32);
        if (cell.isNull())
            return false;
        cell.fill(Qt::black);
        return true;
    }
    cell = BuildIconCell(*picture, iconPos, PictureMode::Fit);
    return !cell.isNull();
}

bool LayerPropertiesValues::loadIcon(const QString& path, std::optional<std::uint32_t> givenKey,
                                     const QString& workFolder)
{
    PicturePtr loaded;
    std::int32_t key = -1;
    if (givenKey) {
        loaded = LoadPictureFile(path).picture;
        key = std::int32_t(*givenKey);
    } else {
        const ChosenPicture chosen = LoadChosenImage(path, ImageUse::LayerIcon, workFolder);
        loaded = chosen.picture;
        key = chosen.key;
    }
    if (!loaded)
        return false;
    // Every icon is kept at the cell's size whatever its proportions; a
    // keyed one as BMP, so that its key colour stays exact.
    const LoadedPicture resized = ResizePicture(*loaded, IconCell, IconCell, key != -1, workFolder);
    if (!resized.picture || resized.byteSize <= 0 ||
        resized.byteSize > std::numeric_limits<std::uint32_t>::max())
        return false; // an earlier choice of this run stays
    newPicture = resized.picture;
    iconImageSize = std::uint32_t(resized.byteSize);
    transparentColour = key == -1 ? WhiteColour : std::uint32_t(key);
    rebuildCell();
    iconChanged = true;
    return true;
}

bool LayerPropertiesValues::chooseBuiltInIcon(int resourceId, const QString& workFolder)
{
    const QImage icon = BuiltInNodeIcon(resourceId);
    if (icon.isNull() || workFolder.isEmpty())
        return false;
    const QString path = QDir(workFolder).filePath(QStringLiteral("tmp.bmp"));
    if (!SaveBitmapImage(icon, IconCell, IconCell, path, QStringLiteral("bmp")))
        return false;
    return loadIcon(path, WhiteColour, workFolder);
}

bool LayerPropertiesValues::setIconPosition(int position)
{
    if (!iconPicture() || position < 0 || position > 4)
        return false;
    iconPos = position;
    rebuildCell();
    iconChanged = true;
    return true;
}

LayerPropertiesProblem LayerPropertiesValues::checkName() const
{
    if (name.isEmpty())
        return LayerPropertiesProblem::NameEmpty;
    // A name as the file brought it stays, even with bytes that do not
    // decode: the write-back keeps its bytes.
    if (name == originalName)
        return LayerPropertiesProblem::Ok;
    const int bytes = cp932::ByteLength(name);
    if (bytes < 0)
        return LayerPropertiesProblem::NameNotEncodable;
    if (bytes > LayerNameBytes)
        return LayerPropertiesProblem::NameTooLong;
    return LayerPropertiesProblem::Ok;
}

bool LayerPropertiesValues::baseTimeChanged() const
{
    if (!baseTime.isValid())
        return false; // an old base the pickers cannot show, left untouched
    if (!originalBase.isValid())
        return true;
    const double apart =
        std::fabs(OleDateToPosition(baseTime.date) - OleDateToPosition(originalBase.date));
    return apart * SecondsPerDay >= 0.5;
}

bool LayerPropertiesValues::asksTimeTreatment() const
{
    return baseTimeChanged() && originalBase.isValid() && nodeTimes.size() >= 2;
}

std::int64_t LayerPropertiesValues::compensationSeconds() const
{
    if (!originalBase.isValid() || !baseTime.isValid())
        return 0;
    return DiffSeconds(originalBase.date, baseTime.date);
}

LayerPropertiesProblem LayerPropertiesValues::checkTimes(NodeTimeTreatment treatment) const
{
    if (!baseTimeChanged())
        return LayerPropertiesProblem::Ok;
    const bool keep = treatment == NodeTimeTreatment::KeepTimes && asksTimeTreatment();
    const std::int64_t shift = keep ? compensationSeconds() : 0;
    // Only set offsets move; each must stay a set 32-bit offset whose time
    // the model can still show.
    for (const LayerNodeTimes& t : nodeTimes) {
        for (const std::int32_t offset : {t.arrival, t.departure}) {
            if (offset == 0)
                continue;
            const std::int64_t moved = std::int64_t(offset) + shift;
            if (!FitsOffset(moved))
                return LayerPropertiesProblem::TimeOutOfRange;
            if (moved == 0)
                return LayerPropertiesProblem::TimeWouldClear;
            if (!Showable(AddSeconds(baseTime, moved)))
                return LayerPropertiesProblem::TimeOutOfRange;
        }
    }
    return LayerPropertiesProblem::Ok;
}

LayerPropertiesChanges LayerPropertiesValues::applyTo(RouteModel& model, int layer,
                                                      NodeTimeTreatment treatment) const
{
    LayerPropertiesChanges changes;
    if (layer < 0 || layer >= model.layerCount)
        return changes;
    LayerRec& l = model.layers[layer];

    if (baseTimeChanged() && baseTime.isValid()) {
        if (treatment == NodeTimeTreatment::KeepTimes && asksTimeTreatment()) {
            // Every set offset, an earlier compensation's negative ones
            // included, so that no time of the layer moves.
            const std::int64_t shift = compensationSeconds();
            for (int i = 0; i < model.nodeCount; ++i) {
                NodeRec& n = model.nodes[i];
                if (n.layer != layer)
                    continue;
                if (n.arrival != 0)
                    n.arrival = std::int32_t(n.arrival + shift);
                if (n.departure != 0)
                    n.departure = std::int32_t(n.departure + shift);
            }
        }
        l.baseTime = baseTime.date;
        l.baseTimeStatus = baseTime.status;
        changes.baseTime = true;
    }

    const QString oldName = cp932::DecodeField(l.name, LayerNameBytes + 1);
    if (name != oldName) {
        const std::optional<QByteArray> bytes = cp932::Encode(name);
        if (bytes && *bytes != NameBytes(l)) {
            cp932::CopyToField(l.name, LayerNameBytes, *bytes);
            changes.name = true;
        }
    }

    l.arcWidth = std::int16_t(arcWidth);
    l.arcColour = arcColour;
    l.anchorWidth = std::uint16_t(anchorWidth);
    l.anchorColour = anchorColour;
    l.iconPos = std::uint16_t(iconPos);
    l.iconSize = std::uint16_t(iconSize);
    l.iconTransparentColour = transparentColour;

    if (iconChanged && iconPicture()) {
        const PicturePtr picture = newPicture ? newPicture : layerPicture;
        l.iconImageSize = newPicture ? iconImageSize : std::uint32_t(picture->byteSize());
        if (newPicture)
            l.hasIcon = 1;
        if (model.iconPictures)
            (*model.iconPictures)[std::size_t(layer)] = picture;
        if (model.iconBitmaps)
            (*model.iconBitmaps)[std::size_t(layer)] =
                BuildIconCell(*picture, iconPos, PictureMode::Fit);
    }
    return changes;
}

StoreDefaultsResult LayerPropertiesValues::storeDefaults(const QString& iconPath) const
{
    const QString section = QStringLiteral("LAYER");
    settings::WriteInt(section, QStringLiteral("IconW"), iconSize);
    settings::WriteInt(section, QStringLiteral("Futosa"), arcWidth);
    settings::WriteInt(section, QStringLiteral("Anchor"), anchorWidth);
    settings::WriteColour(section, QStringLiteral("ArcCol"), arcColour);
    settings::WriteColour(section, QStringLiteral("AnchorCol"), anchorColour);

    const Picture* picture = iconPicture();
    if (!picture)
        return StoreDefaultsResult::Stored;
    QDir().mkpath(QFileInfo(iconPath).absolutePath());
    // Written aside and put in place whole: a failed write leaves the old
    // default icon as it was.
    QSaveFile file(iconPath);
    if (!file.open(QIODevice::WriteOnly))
        return StoreDefaultsResult::OpenFailed;
    if (!WritePictureBytes(*picture, file) || !file.commit())
        return StoreDefaultsResult::WriteFailed;
    return StoreDefaultsResult::Stored;
}

} // namespace tavelin
