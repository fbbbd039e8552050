#include "mapview/SlipCopyBuffer.h"

#include "mapview/SlipClipboard.h"
#include "mapview/SlipViewHost.h"
#include "platform/Messages.h"

#include <QCursor>
#include <QGuiApplication>
#include <QTimer>
#include <new>

namespace tavelin
{
namespace
{

constexpr int MsgOutOfMemory = 30001;
constexpr int MsgTooManySlips = 30062;
constexpr int PasteOffset = 20; // map pixels right and down
constexpr int BusyCursorMs = 100;

} // namespace

bool SlipCopyBuffer::Replace(const RouteModel& model)
{
    m_copies.clear();
    try {
        for (int i = 0; i < model.slipCount; ++i) {
            const SlipRec& slip = model.slips[i];
            if (!slip.selected)
                continue;
            Copy copy;
            copy.record = slip;
            if (const PicturePtr& picture = (*model.slipPictures)[std::size_t(i)]) {
                copy.hasPicture = true;
                copy.pictureBytes = picture->bytes();
                copy.decoded = picture->image();
            }
            m_copies.push_back(std::move(copy));
        }
    } catch (const std::bad_alloc&) {
        m_copies.clear();
        return false;
    }
    return true;
}

void CopySelectedSlips(const RouteModel& model, SlipViewHost& host, SlipCopyBuffer& buffer)
{
    if (host.PassToInPlaceEditor(EditorCommand::Copy))
        return;
    bool anySelected = false;
    for (int i = 0; i < model.slipCount && !anySelected; ++i)
        anySelected = model.slips[i].selected != 0;
    if (!anySelected)
        return;
    if (!buffer.Replace(model)) {
        ShowMessage(MsgOutOfMemory, host.messageOwner());
        return;
    }
    PutCopiedSlipsMarker();
    // A short wait cursor tells the user the copy was taken.
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        QTimer::singleShot(BusyCursorMs, [] { QGuiApplication::restoreOverrideCursor(); });
    }
}

int PasteSlips(RouteModel& model, SlipViewHost& host, const SlipCopyBuffer& buffer)
{
    host.DiscardSlipSnapshot();
    host.ClearSelection();
    if (model.slipCount >= MaxSlips) {
        ShowMessage(MsgTooManySlips, host.messageOwner());
        return 0;
    }
    int pasted = 0;
    const auto& copies = buffer.copies();
    for (std::size_t k = 0; k < copies.size(); ++k) {
        if (model.slipCount >= MaxSlips) {
            // Only when copies are left over: a paste that just fills the
            // last places is complete.
            ShowMessage(MsgTooManySlips, host.messageOwner());
            break;
        }
        const SlipCopyBuffer::Copy& copy = copies[k];
        const int index = model.slipCount;
        SlipRec& slip = model.slips[index];
        slip = copy.record;
        PicturePtr picture;
        if (copy.hasPicture) {
            picture = copy.decoded.isNull()
                          ? std::make_shared<const Picture>(copy.pictureBytes)
                          : std::make_shared<const Picture>(copy.pictureBytes, copy.decoded);
        }
        (*model.slipPictures)[std::size_t(index)] = std::move(picture);
        const SlipBox moved = FitSlipIntoMap({slip.left + PasteOffset, slip.top + PasteOffset,
                                              slip.right + PasteOffset, slip.bottom + PasteOffset},
                                             model.header.mapWidth, model.header.mapHeight);
        slip.left = moved.left;
        slip.top = moved.top;
        slip.right = moved.right;
        slip.bottom = moved.bottom;
        slip.selected = 1;
        if (pasted == 0)
            host.setPrimarySlip(index);
        ++model.slipCount;
        ++pasted;
    }
    host.RefreshNow();
    if (pasted > 0)
        host.MarkModified();
    return pasted;
}

} // namespace tavelin
