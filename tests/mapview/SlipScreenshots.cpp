// Writes pictures of the slip editing for docs/, taken offscreen:
// slip_screenshots OUT_DIR
// (OUT_DIR/slip-editing.png: a slip written on in place over a rendered map;
// OUT_DIR/slip-image-settings.png: the image settings of a photo slip.)

#include "editors/CImageDlg.h"
#include "mapview/CMyEdit.h"
#include "mapview/DrawScene.h"
#include "mapview/MapGeometry.h"
#include "model/RouteModel.h"
#include "platform/Cp932.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPainterPath>
#include <QTextCursor>
#include <QTimer>
#include <cstdio>

using namespace tavelin;

namespace
{

QImage Terrain(int w, int h)
{
    QImage map(w, h, QImage::Format_RGB32);
    map.fill(QColor(226, 236, 214));
    QPainter p(&map);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(120, 170, 220), 16));
    QPainterPath river(QPointF(0, h * 0.62));
    river.cubicTo(w * 0.3, h * 0.40, w * 0.55, h * 0.85, w, h * 0.50);
    p.drawPath(river);
    p.setPen(QPen(QColor(250, 250, 250), 7));
    p.drawLine(QPointF(w * 0.12, 0), QPointF(w * 0.48, h));
    p.drawLine(QPointF(0, h * 0.28), QPointF(w, h * 0.36));
    return map;
}

QImage Photo(int w, int h)
{
    QImage photo(w, h, QImage::Format_RGB32);
    QPainter p(&photo);
    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0, QColor(110, 160, 225));
    sky.setColorAt(1, QColor(215, 230, 245));
    p.fillRect(photo.rect(), sky);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(90, 120, 90));
    p.setPen(Qt::NoPen);
    QPainterPath hills(QPointF(0, h));
    hills.lineTo(0, h * 0.65);
    hills.cubicTo(w * 0.3, h * 0.35, w * 0.6, h * 0.8, w, h * 0.5);
    hills.lineTo(w, h);
    p.drawPath(hills);
    p.setBrush(QColor(250, 245, 230));
    p.drawEllipse(QPointF(w * 0.78, h * 0.22), h * 0.09, h * 0.09);
    return photo;
}

QByteArray Jpeg(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 92);
    return bytes;
}

// The map drawn as the view draws it, with the editor's frame in place of
// the slip under editing.
class MapClient : public QWidget, public InPlaceEditorHost
{
public:
    explicit MapClient(RouteModel& model) : m_model(model) { BuildBackground(model, m_background); }
    QPoint scrollPosition() const override { return {}; }
    void setEditingSlip(int slip, const QRect& rect) override
    {
        m_editing = slip;
        m_rect = rect;
    }
    void RefreshNow() override { repaint(); }
    void Undo() override {}
    void TextCommitted(int, bool) override {}
    void ClickedOutsideEditor() override {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QImage scene(size(), QImage::Format_RGB32);
        scene.fill(Qt::white);
        SetImageDpi(scene, logicalDpiY());
        {
            QPainter p(&scene);
            SceneState state;
            state.background = &m_background;
            state.primarySlip = m_editing;
            state.editingSlip = m_editing;
            state.editorRect = m_rect;
            DrawScene(p, m_model, state);
        }
        QPainter(this).drawImage(0, 0, scene);
    }

private:
    RouteModel& m_model;
    QImage m_background;
    int m_editing = -1;
    QRect m_rect;
};

QByteArray Sjis(const QString& text)
{
    return cp932::Encode(text).value_or(QByteArray());
}

bool Save(QWidget& widget, const QString& path)
{
    const bool ok = widget.grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc < 2) {
        std::fprintf(stderr, "usage: slip_screenshots OUT_DIR\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    qputenv("TAVELIN_SETTINGS",
            QFile::encodeName(QDir(out).filePath(QStringLiteral(".shots.ini"))));
    QApplication app(argc, argv);

    RouteModel model;
    if (!model.ResetForNewDocument())
        return 1;
    DocHeader& h = model.header;
    const QImage terrain = Terrain(760, 460);
    model.mapPicture = std::make_shared<Picture>(Jpeg(terrain), terrain);
    h.hasMap = 1;
    h.mapWidth = terrain.width();
    h.mapHeight = terrain.height();
    for (const QPoint p :
         {QPoint(70, 400), QPoint(180, 300), QPoint(330, 250), QPoint(520, 190), QPoint(690, 120)})
        model.AppendNode(p, 1.0f);
    const QImage photo = Photo(400, 300);
    const int note = model.AddSlip(QPoint(220, 120), 1.0f,
                                   Sjis(QStringLiteral("峠の茶屋\r\n10:40 着、団子で休憩")), {});
    model.nodes[2].noteSlip = note;
    const int picture =
        model.AddSlip(QPoint(600, 340), 1.0f, Sjis(QStringLiteral("山頂からの眺め")),
                      {std::make_shared<Picture>(Jpeg(photo), photo), -1});
    model.ClearSelectionMarks();

    MapClient client(model);
    client.resize(terrain.size());
    client.show();
    CMyEdit editor(model, client, &client);
    editor.Start(note, QPoint(180, 100));
    editor.moveCursor(QTextCursor::End);
    editor.insertPlainText(QStringLiteral("\n晴れ、風が涼しい"));
    QApplication::processEvents();
    bool ok = Save(client, QDir(out).filePath(QStringLiteral("slip-editing.png")));
    editor.Commit();

    // The photo slip at 150 x 100 with its 400 x 300 picture.
    SlipRec& s = model.slips[picture];
    s.right = s.left + 150;
    CImageDlg dialog(model, picture, {});
    dialog.show();
    QApplication::processEvents();
    ok = Save(dialog, QDir(out).filePath(QStringLiteral("slip-image-settings.png"))) && ok;
    return ok ? 0 : 1;
}
