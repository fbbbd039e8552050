#include "mapview/SlipOperations.h"

#include "document/WorkFolder.h"
#include "editors/ImageFileChooser.h"
#include "geo/RouteRows.h"
#include "image/ChosenImage.h"
#include "image/PictureIo.h"
#include "mapview/SlipClipboard.h"
#include "mapview/SlipText.h"
#include "platform/Cp932.h"
#include "platform/Messages.h"
#include "platform/Settings.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QMimeData>
#include <QUrl>
#include <vector>

namespace tavelin
{
namespace
{

constexpr int MsgFileNotSaved = 30018;
constexpr int MsgPasteFailed = 30023;
constexpr int MsgFileNotOpened = 30026;
constexpr int MsgNoMap = 30052;
constexpr int MsgAskChangeImage = 30054;
constexpr int MsgOneFileAtATime = 30015;
constexpr int MsgAskSetImage = 30061;
constexpr int MsgTooManySlips = 30062;
constexpr int MsgAskDeleteSlips = 30067;
constexpr int MsgNoClipboardText = 30068;
constexpr int MsgAskTextSlip = 30069;

QString NewSlipText()
{
    return QStringLiteral("新しい付箋");
}

// The chosen-image sequence, with a file that does not decode reported (a
// failed conversion has shown its own message).
ChosenPicture LoadSlipPicture(const QString& path, ImageUse use, QObject* owner)
{
    ChosenPicture chosen = LoadChosenImage(path, use, WorkFolder());
    if (!chosen.picture && QImageReader(path).read().isNull())
        ShowMessage(MsgFileNotOpened, owner, path + QLatin1Char('\n'));
    return chosen;
}

int CountSelected(const RouteModel& model)
{
    int n = 0;
    for (int i = 0; i < model.slipCount; ++i)
        n += model.slips[i].selected ? 1 : 0;
    return n;
}

} // namespace

bool SlipOperations::HasRoom()
{
    // Checked before the undo snapshot, so a refused add leaves the last
    // undoable change alone.
    if (m_model.slipCount < MaxSlips)
        return true;
    ShowMessage(MsgTooManySlips, m_host.messageOwner());
    return false;
}

int SlipOperations::AddSlip(QPoint context, const QByteArray& text, const SlipImageData& image)
{
    if (!HasRoom())
        return -1;
    m_host.TakeSlipSnapshot();
    const int index = m_model.AddSlip(context, m_model.header.zoom, text, image);
    if (index < 0)
        return -1;
    m_host.setPrimarySlip(index);
    m_host.RefreshNow();
    m_host.MarkModified();
    return index;
}

int SlipOperations::NewTextSlip(QPoint context)
{
    return AddSlip(context, cp932::Encode(NewSlipText()).value_or(QByteArray()), {});
}

int SlipOperations::CreateImageSlipFromFile(const QString& path, const QString& kind,
                                            QPoint context)
{
    if (kind.isEmpty() || !HasRoom())
        return -1;
    const ChosenPicture chosen = LoadSlipPicture(path, ImageUse::Slip, m_host.messageOwner());
    if (!chosen.picture)
        return -1;
    return AddSlip(context, cp932::Encode(NewSlipText()).value_or(QByteArray()),
                   SlipImageData{chosen.picture, chosen.key});
}

void SlipOperations::PasteIntoMap(QPoint context)
{
    const QMimeData* data = nullptr;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) &&
        QGuiApplication::clipboard())
        data = QGuiApplication::clipboard()->mimeData();
    PasteIntoMap(context, data);
}

void SlipOperations::PasteIntoMap(QPoint context, const QMimeData* clipboard)
{
    if (m_host.PassToInPlaceEditor(EditorCommand::Paste))
        return;
    const QRect shown = m_host.visibleArea();
    if (!shown.isEmpty() && !shown.contains(context))
        context = shown.center();
    switch (ClassifyClipboard(clipboard)) {
    case ClipboardContent::CopiedSlips:
        PasteSlips();
        break;
    case ClipboardContent::Text:
        PasteText(context, clipboard);
        break;
    case ClipboardContent::Picture:
        PastePicture(context, clipboard);
        break;
    case ClipboardContent::Nothing:
        break;
    }
}

void SlipOperations::PasteText(QPoint context, const QMimeData* clipboard)
{
    const QByteArray text = SlipTextFromClipboard(clipboard ? clipboard->text() : QString());
    if (text.isEmpty()) {
        ShowMessage(MsgNoClipboardText, m_host.messageOwner(), {}, MessageStyle::Information);
        return;
    }
    const QString question = QStringLiteral("『") + cp932::Decode(text) + QStringLiteral("』\n");
    if (ShowMessage(MsgAskTextSlip, m_host.messageOwner(), question, MessageStyle::YesNo) != IDYES)
        return;
    AddSlip(context, text, {});
}

void SlipOperations::PastePicture(QPoint context, const QMimeData* clipboard)
{
    const QString folder = WorkFolder();
    if (folder.isEmpty())
        return;
    if (!HasRoom())
        return;
    const QString path = QDir(folder).filePath(QStringLiteral("tmp.jpeg"));
    QString failure;
    if (!SaveClipboardPicture(clipboard, path, failure)) {
        ShowMessage(MsgPasteFailed, m_host.messageOwner(), failure);
        return;
    }
    CreateImageSlipFromFile(path, QStringLiteral("jpeg"), context);
}

bool SlipOperations::DeleteSelectedSlips()
{
    if (CountSelected(m_model) == 0)
        return false;
    if (ShowMessage(MsgAskDeleteSlips, m_host.messageOwner(), {}, MessageStyle::YesNo) != IDYES)
        return false;
    m_buffer.Clear();
    m_host.DiscardSlipSnapshot();

    const int before = m_model.slipCount;
    auto& pictures = *m_model.slipPictures;
    // Where each slip goes (-1 removed): one pass instead of renumbering the
    // nodes once per removed slip, with the same result.
    std::vector<int> newIndex(std::size_t(before), -1);
    int kept = 0;
    for (int i = 0; i < before; ++i) {
        if (m_model.slips[i].selected) {
            pictures[std::size_t(i)].reset();
            continue;
        }
        if (kept != i) {
            m_model.slips[kept] = m_model.slips[i];
            pictures[std::size_t(kept)] = std::move(pictures[std::size_t(i)]);
        }
        newIndex[std::size_t(i)] = kept++;
    }
    const int removed = before - kept;
    for (int n = 0; n < m_model.nodeCount; ++n) {
        std::int32_t& note = m_model.nodes[n].noteSlip;
        if (note >= 0 && note < before)
            note = newIndex[std::size_t(note)];
        else if (note >= before)
            note -= removed; // a reference past the slips keeps its distance
    }
    m_model.slipCount = kept;
    m_host.setPrimarySlip(-1);
    m_host.RefreshNow();
    m_host.MarkModified();
    return true;
}

bool SlipOperations::SwapSlips()
{
    int a = -1, b = -1;
    for (int i = 0; i < m_model.slipCount; ++i) {
        if (!m_model.slips[i].selected)
            continue;
        if (a < 0)
            a = i;
        else if (b < 0)
            b = i;
        else
            return false; // offered with exactly two selected
    }
    if (b < 0)
        return false;
    std::swap(m_model.slips[a], m_model.slips[b]);
    std::swap((*m_model.slipPictures)[std::size_t(a)], (*m_model.slipPictures)[std::size_t(b)]);
    for (int n = 0; n < m_model.nodeCount; ++n) {
        std::int32_t& note = m_model.nodes[n].noteSlip;
        if (note == a)
            note = b;
        else if (note == b)
            note = a;
    }
    // The primary slip is the same slip after the exchange.
    if (m_host.primarySlip() == a)
        m_host.setPrimarySlip(b);
    else if (m_host.primarySlip() == b)
        m_host.setPrimarySlip(a);
    m_host.RefreshNow();
    m_host.MarkModified();
    return true;
}

SlipOperations::SetImage SlipOperations::ReplacePicture(int slipIndex, const QString& path)
{
    const ChosenPicture chosen =
        LoadSlipPicture(path, ImageUse::SlipReplacement, m_host.messageOwner());
    if (!chosen.picture)
        return SetImage::Stopped;
    SlipRec& slip = m_model.slips[slipIndex];
    (*m_model.slipPictures)[std::size_t(slipIndex)] = chosen.picture;
    slip.imageSize = static_cast<std::int32_t>(chosen.picture->byteSize());
    slip.imageTransparentColour = chosen.key;
    slip.hasImage = 1;
    // A border would show through the transparent part.
    if (chosen.key != -1)
        slip.style.borderWidth = 0;
    m_host.RefreshNow();
    m_host.MarkModified();
    return SetImage::Set;
}

SlipOperations::SetImage SlipOperations::SetSlipImage(QPoint context, const QString& path,
                                                      const QString& kind)
{
    const int s = m_host.SlipAt(context);
    if (s < 0 || s >= m_model.slipCount)
        return SetImage::NoSlip;
    const int question = m_model.slips[s].hasImage ? MsgAskChangeImage : MsgAskSetImage;
    if (ShowMessage(question, m_host.messageOwner(), {}, MessageStyle::YesNo) != IDYES)
        return SetImage::NoSlip;
    if (kind.isEmpty())
        return SetImage::Stopped;
    return ReplacePicture(s, path);
}

SlipOperations::SetImage SlipOperations::SetSlipImage(QPoint context, ImageFileChooser& chooser,
                                                      QWidget* owner)
{
    const int s = m_host.SlipAt(context);
    if (s < 0 || s >= m_model.slipCount)
        return SetImage::NoSlip;
    const QString path =
        chooser.chooseImageFile(owner, ImageFileDialogTitle(), ImageFileDialogFilter());
    if (path.isEmpty())
        return SetImage::Stopped;
    if (ImageFileType(path).isEmpty())
        return SetImage::Stopped;
    return ReplacePicture(s, path);
}

bool SlipOperations::RemoveSlipImage()
{
    const int s = m_host.primarySlip();
    if (s < 0 || s >= m_model.slipCount || !m_model.slips[s].hasImage)
        return false;
    m_model.slips[s].hasImage = 0;
    (*m_model.slipPictures)[std::size_t(s)].reset();
    m_host.RefreshNow();
    m_host.MarkModified();
    return true;
}

QStringList SlipOperations::DroppedFiles(const QMimeData& data)
{
    QStringList files;
    for (const QUrl& url : data.urls())
        if (url.isLocalFile())
            files << url.toLocalFile();
    return files;
}

bool SlipOperations::DropFiles(const QMimeData& data, QPoint context)
{
    return DropFiles(DroppedFiles(data), context);
}

bool SlipOperations::DropFiles(const QStringList& paths, QPoint context)
{
    if (paths.isEmpty())
        return false;
    if (m_model.header.hasMap == 0) {
        ShowMessage(MsgNoMap, m_host.messageOwner(), {}, MessageStyle::Information);
        return false;
    }
    if (paths.size() > 1) {
        ShowMessage(MsgOneFileAtATime, m_host.messageOwner());
        return false;
    }
    const QString& file = paths.front();
    const QString kind = ImageFileType(file);
    if (kind.isEmpty())
        return false;
    switch (SetSlipImage(context, file, kind)) {
    case SetImage::Set:
        return true;
    case SetImage::Stopped:
        return false;
    case SetImage::NoSlip:
        break;
    }
    const QString folder = WorkFolder();
    if (folder.isEmpty())
        return false;
    const QString copy = QDir(folder).filePath(QStringLiteral("tmp.") + kind);
    // A file dropped from the working folder itself is already the copy;
    // removing the old copy first would delete it.
    const bool sameFile =
        QFileInfo(file).canonicalFilePath() == QFileInfo(copy).canonicalFilePath();
    if (!sameFile) {
        if (!HasRoom())
            return false;
        QFile::remove(copy);
        if (!QFile::copy(file, copy)) {
            ShowMessage(MsgFileNotSaved, m_host.messageOwner());
            return false;
        }
    }
    return CreateImageSlipFromFile(copy, kind, context) >= 0;
}

void SlipOperations::ShowNoteText(int slip)
{
    const int noteLength = settings::GetInt(QStringLiteral("ColumnDsp"), QStringLiteral("KijiLen"));
    for (int n = 0; n < m_model.nodeCount; ++n) {
        if (m_model.nodes[n].noteSlip != slip)
            continue;
        m_host.FollowNode(n);
        m_host.SetNoteCell(n, NoteColumnText(m_model.slips[slip], noteLength));
    }
}

void SlipOperations::ApplySlipText(const QByteArray& text)
{
    const QByteArray stored = cp932::CutToBytes(text, SlipTextBytes);
    bool changed = false;
    for (int i = 0; i < m_model.slipCount; ++i) {
        SlipRec& slip = m_model.slips[i];
        if (!slip.selected)
            continue;
        if (SlipTextField(slip) != stored) {
            StoreSlipText(slip, stored);
            changed = true;
        }
        ShowNoteText(i);
    }
    m_host.RefreshNow();
    // A new text is a change of the document: closing must offer to save it.
    if (changed)
        m_host.MarkModified();
}

} // namespace tavelin
