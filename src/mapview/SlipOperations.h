#pragma once
// The map's slip commands: new slips (text, picture file, clipboard, dropped
// file), pasting copied slips, deleting, exchanging, setting and removing a
// slip's picture, and writing a new text back. They change the model and
// reach the view only through SlipViewHost, so they run without a window.

#include "mapview/SlipCopyBuffer.h"
#include "mapview/SlipViewHost.h"
#include "model/RouteModel.h"

#include <QByteArray>
#include <QPoint>
#include <QString>
#include <QStringList>

class QMimeData;
class QWidget;

namespace tavelin
{

class ImageFileChooser;

class SlipOperations
{
public:
    SlipOperations(RouteModel& model, SlipViewHost& host, SlipCopyBuffer& buffer)
        : m_model(model), m_host(host), m_buffer(buffer)
    {
    }

    // Context points are zoomed-map coordinates (client point plus scroll).

    // "ここに付箋を追加": a text slip "新しい付箋" centred on the point.
    // The index, or -1 (30062 at the capacity).
    int NewTextSlip(QPoint context);

    // A picture file of image kind `kind` (ImageFileType) as a new image
    // slip centred on the point; pictures wider than "KanSet" "ImageW" are
    // scaled down to it. The index, or -1 (the failure shown).
    int CreateImageSlipFromFile(const QString& path, const QString& kind, QPoint context);

    // Ctrl+V: copied slips, a text (after a question) or a picture from the
    // clipboard; into the open in-place editor instead while one is open.
    // A point outside the shown part of the map moves to its centre.
    void PasteIntoMap(QPoint context, const QMimeData* clipboard);
    void PasteIntoMap(QPoint context); // the system clipboard

    void CopySelectedSlips() { tavelin::CopySelectedSlips(m_model, m_host, m_buffer); }
    int PasteSlips() { return tavelin::PasteSlips(m_model, m_host, m_buffer); }

    // After 30067: the selected slips go, their notes are untied, the
    // other notes renumbered, and the copy buffer is emptied. True when
    // slips were deleted.
    bool DeleteSelectedSlips();

    // The two selected slips exchange their places in the drawing order
    // (records and pictures), and their notes follow them.
    bool SwapSlips();

    enum class SetImage {
        NoSlip,  // no slip at the point, or the user said no: a drop goes on
        Set,     // the slip shows the new picture
        Stopped, // cancelled, or the file gave no picture (reported)
    };
    // A drop on a slip: asks 30054 (it has a picture) or 30061, then sets the
    // file's picture at full size; the slip keeps its rectangle.
    SetImage SetSlipImage(QPoint context, const QString& path, const QString& kind);
    // "イメージセット" / "イメージ変更": the file chosen in the image dialog.
    SetImage SetSlipImage(QPoint context, ImageFileChooser& chooser, QWidget* owner);

    // "イメージ削除": the primary slip becomes a text slip.
    bool RemoveSlipImage();

    // Files dropped from the file manager: one image file, on a slip (after
    // a question) or as a new image slip at the point.
    bool DropFiles(const QStringList& paths, QPoint context);
    bool DropFiles(const QMimeData& data, QPoint context);
    // The local files among dropped URLs.
    static QStringList DroppedFiles(const QMimeData& data);

    // After the text dialog: `text` (CP932, CR LF) into every selected slip,
    // and the note column of each node noting one of them.
    void ApplySlipText(const QByteArray& text);
    // The note columns of the nodes noting `slip` show its text afresh.
    void ShowNoteText(int slip);

private:
    bool HasRoom();
    int AddSlip(QPoint context, const QByteArray& text, const SlipImageData& image);
    void PasteText(QPoint context, const QMimeData* clipboard);
    void PastePicture(QPoint context, const QMimeData* clipboard);
    SetImage ReplacePicture(int slip, const QString& path);

    RouteModel& m_model;
    SlipViewHost& m_host;
    SlipCopyBuffer& m_buffer;
};

} // namespace tavelin
