#include "editors/CMapDlg.h"

#include "platform/Messages.h"
#include "document/WorkFolder.h"
#include "editors/CKyoriDlg.h"
#include "editors/ImageFileChooser.h"
#include "editors/ViewModeIcons.h"
#include "geo/Geodesy.h"
#include "image/ChosenImage.h"
#include "image/PictureDrawing.h"

#include <QButtonGroup>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tavelin
{

const QString CMapDlg::ImageTitle = ImageFileDialogTitle();
const QString CMapDlg::ImageFilter = ImageFileDialogFilter();

namespace
{

// 300 x 300 dialog units of the platform's dialog font.
constexpr int PreviewWidth = 450;
constexpr int PreviewHeight = 488;

struct ViewButtonInfo {
    int mode;
    const char* tooltip;
};
// Left to right.
constexpr ViewButtonInfo ViewButtons[] = {
    {4, "地図の南西角を実寸で表示します。"},     {1, "地図の北西角を実寸で表示します。"},
    {0, "サイズ調整して地図全体を表示します。"}, {2, "地図の南東角を実寸で表示します。"},
    {3, "地図の北東角を実寸で表示します。"},
};

// The preview frame: the new picture, else the current one, drawn inside the
// frame's border, whole or one corner at actual size.
class MapPreview : public QFrame
{
public:
    MapPreview(const MapSettingsValues& values, QWidget* parent) : QFrame(parent), m_values(values)
    {
        setFrameShape(QFrame::Box);
        setLineWidth(1);
        setFixedSize(PreviewWidth, PreviewHeight);
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QFrame::paintEvent(event);
        QPainter painter(this);
        DrawPicture(painter, m_values.shownPicture(), contentsRect(),
                    QSize(m_values.mapWidth, m_values.mapHeight), 1, 0x000000,
                    int(m_values.viewMode), -1);
    }

private:
    const MapSettingsValues& m_values;
};

QLineEdit* EdgeEdit(const QString& name, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMinimumWidth(110);
    return edit;
}

QLabel* ExtentLabel(const QString& name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setMinimumWidth(110);
    return label;
}

} // namespace

CMapDlg::CMapDlg(MapSettingsValues values, ImageFileChooser& chooser, QWidget* parent,
                 ManualGroundSizeEntry manualEntry)
    : QDialog(parent), m_values(std::move(values)), m_chooser(chooser),
      m_manualEntry(std::move(manualEntry))
{
    setObjectName(QStringLiteral("CMapDlg"));
    setWindowTitle(QStringLiteral("背景地図の設定"));
    if (!m_manualEntry)
        m_manualEntry = [](float north, float west, QWidget* owner) {
            return ManualGroundSize(north, west, owner);
        };
    m_values.mapChosen = false;
    m_values.newPicture.reset();
    m_values.viewMode = MapViewMode::Whole;

    m_preview = new MapPreview(m_values, this);
    m_preview->setObjectName(QStringLiteral("preview"));

    m_notSet = new QLabel(QStringLiteral("地図はまだセットされていません。"), this);
    m_notSet->setObjectName(QStringLiteral("notSet"));
    m_setMap = new QPushButton(QStringLiteral("地図のセット(&N)"), this);
    m_setMap->setObjectName(QStringLiteral("setMap"));
    m_changeMap = new QPushButton(QStringLiteral("地図の変更(&U)"), this);
    m_changeMap->setObjectName(QStringLiteral("changeMap"));
    connect(m_setMap, &QPushButton::clicked, this, &CMapDlg::choosePicture);
    connect(m_changeMap, &QPushButton::clicked, this, &CMapDlg::choosePicture);

    m_north = EdgeEdit(QStringLiteral("northLat"), this);
    m_south = EdgeEdit(QStringLiteral("southLat"), this);
    m_west = EdgeEdit(QStringLiteral("westLon"), this);
    m_east = EdgeEdit(QStringLiteral("eastLon"), this);
    for (QLineEdit* edit : {m_north, m_south, m_west, m_east})
        edit->installEventFilter(this);
    m_width = ExtentLabel(QStringLiteral("widthMetres"), this);
    m_height = ExtentLabel(QStringLiteral("heightMetres"), this);

    auto* fields = new QGridLayout;
    int row = 0;
    const auto addRow = [&](const QString& label, QWidget* field, const QString& unit) {
        fields->addWidget(new QLabel(label, this), row, 0);
        fields->addWidget(field, row, 1);
        if (!unit.isEmpty())
            fields->addWidget(new QLabel(unit, this), row, 2);
        ++row;
    };
    addRow(QStringLiteral("緯度(北端)"), m_north, {});
    addRow(QStringLiteral("緯度(南端)"), m_south, {});
    addRow(QStringLiteral("経度(西端)"), m_west, {});
    addRow(QStringLiteral("経度(東端)"), m_east, {});
    addRow(QStringLiteral("ヨコの距離"), m_width, QStringLiteral("m"));
    addRow(QStringLiteral("タテの距離"), m_height, QStringLiteral("m"));

    // One radio button above each view button; the radios share a group so
    // that exactly one mode is checked.
    m_radioGroup = new QButtonGroup(this);
    m_radioGroup->setExclusive(true);
    auto* views = new QGridLayout;
    for (int column = 0; column < 5; ++column) {
        const ViewButtonInfo& info = ViewButtons[column];
        auto* radio = new QRadioButton(this);
        radio->setObjectName(QStringLiteral("viewRadio%1").arg(info.mode));
        auto* button = new QPushButton(this);
        button->setObjectName(QStringLiteral("viewButton%1").arg(info.mode));
        button->setIcon(ViewModeIcon(info.mode));
        button->setIconSize(QSize(32, 32));
        button->setToolTip(QString::fromUtf8(info.tooltip));
        m_radioGroup->addButton(radio, info.mode);
        views->addWidget(radio, 0, column, Qt::AlignHCenter);
        views->addWidget(button, 1, column, Qt::AlignHCenter);
        m_viewButtons[std::size_t(info.mode)] = button;
        m_viewRadios[std::size_t(info.mode)] = radio;
        const int mode = info.mode;
        connect(button, &QPushButton::clicked, this, [this, mode] {
            m_viewRadios[std::size_t(mode)]->setChecked(true);
            setViewMode(mode);
        });
        connect(radio, &QRadioButton::clicked, this, [this, mode] { setViewMode(mode); });
    }

    auto* ok = new QPushButton(QStringLiteral("保存終了(&S)"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("中止(&C)"), this);
    cancel->setObjectName(QStringLiteral("cancel"));
    connect(ok, &QPushButton::clicked, this, &CMapDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* side = new QVBoxLayout;
    side->addWidget(m_notSet);
    side->addWidget(m_setMap);
    side->addWidget(m_changeMap);
    side->addSpacing(12);
    side->addLayout(fields);
    side->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    side->addLayout(buttons);

    auto* left = new QVBoxLayout;
    left->addWidget(m_preview);
    left->addLayout(views);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(side);

    m_viewRadios[0]->setChecked(true);
    showMapControls();
    showEdges();
    showExtents();
}

void CMapDlg::showMapControls()
{
    const bool hasMap = m_values.hasPicture();
    m_notSet->setVisible(!hasMap);
    m_setMap->setVisible(!hasMap);
    m_changeMap->setVisible(hasMap);
    // The view modes mean nothing without a picture to look at.
    for (std::size_t mode = 0; mode < 5; ++mode) {
        m_viewButtons[mode]->setVisible(hasMap);
        m_viewRadios[mode]->setVisible(hasMap);
    }
}

void CMapDlg::showEdges()
{
    m_north->setText(FormatEdge(m_values.northLat));
    m_south->setText(FormatEdge(m_values.southLat));
    m_west->setText(FormatEdge(m_values.westLon));
    m_east->setText(FormatEdge(m_values.eastLon));
}

void CMapDlg::showExtents()
{
    m_width->setText(FormatGroundExtent(m_values.widthMetres));
    m_height->setText(FormatGroundExtent(m_values.heightMetres));
}

void CMapDlg::readEdges()
{
    m_values.northLat = ParseEdge(m_north->text());
    m_values.southLat = ParseEdge(m_south->text());
    m_values.westLon = ParseEdge(m_west->text());
    m_values.eastLon = ParseEdge(m_east->text());
}

void CMapDlg::recomputeHeight()
{
    readEdges();
    m_values.recomputeHeight();
    m_height->setText(FormatGroundExtent(m_values.heightMetres));
    m_north->setModified(false);
    m_south->setModified(false);
}

void CMapDlg::recomputeWidth()
{
    readEdges();
    m_values.recomputeWidth();
    m_width->setText(FormatGroundExtent(m_values.widthMetres));
    m_west->setModified(false);
    m_east->setModified(false);
}

bool CMapDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        if (watched == m_north || watched == m_south)
            recomputeHeight();
        else if (watched == m_west || watched == m_east)
            recomputeWidth();
    }
    return QDialog::eventFilter(watched, event);
}

void CMapDlg::setViewMode(int mode)
{
    m_values.viewMode = MapViewMode(mode);
    m_preview->update();
}

void CMapDlg::choosePicture()
{
    const QString path = m_chooser.chooseImageFile(this, ImageTitle, ImageFilter);
    if (path.isEmpty())
        return;
    const QString kind = ImageFileType(path); // 30056 shown for other kinds
    if (kind.isEmpty())
        return;
    // Only re-encoding needs the working folder; a JPEG is taken as it is.
    const bool isJpeg = kind == u"jpeg";
    const QString workFolder = isJpeg ? WorkFolderPath() : WorkFolder();
    if (!isJpeg && workFolder.isEmpty())
        return; // 30002 shown
    const ChosenPicture chosen = LoadChosenImage(path, ImageUse::BackgroundMap, workFolder);
    if (!chosen.picture) {
        // A failed conversion has shown 30001; a file that does not decode
        // has shown nothing yet.
        if (QImageReader(path).read().isNull())
            ShowMessage(30026, this, path + QLatin1Char('\n'), MessageStyle::Error);
        return;
    }
    if (!m_values.takeNewPicture(chosen)) {
        ShowMessage(30026, this, path + QLatin1Char('\n'), MessageStyle::Error);
        return;
    }
    showMapControls();
    update();
    m_preview->update();
}

bool CMapDlg::offerManualEntry()
{
    if (ShowMessage(30045, this, {}, MessageStyle::YesNo) != IDYES)
        return false;
    const std::optional<GroundSizeEntry> entry =
        m_manualEntry(m_values.northLat, m_values.westLon, this);
    if (!entry)
        return false;
    m_values.southLat = entry->southLat();
    m_values.eastLon = entry->eastLon();
    m_values.widthMetres = entry->widthMetres();
    m_values.heightMetres = entry->heightMetres();
    m_south->setText(FormatEdge(m_values.southLat));
    m_east->setText(FormatEdge(m_values.eastLon));
    showExtents();
    // Leaving an edge edit now would recompute the extents just taken over.
    if (auto* ok = findChild<QPushButton*>(QStringLiteral("ok")))
        ok->setFocus();
    return true;
}

void CMapDlg::accept()
{
    readEdges();
    // Enter in an edge edit closes without the edit losing the focus; an
    // edge typed there must still count for the ground size.
    if (m_north->isModified() || m_south->isModified())
        recomputeHeight();
    if (m_west->isModified() || m_east->isModified())
        recomputeWidth();

    switch (m_values.check()) {
    case MapSettingsProblem::EdgeNotSet: {
        ShowMessage(30042, this, {}, MessageStyle::Error);
        const std::pair<QLineEdit*, float> edges[] = {{m_north, m_values.northLat},
                                                      {m_south, m_values.southLat},
                                                      {m_west, m_values.westLon},
                                                      {m_east, m_values.eastLon}};
        for (const auto& [edit, value] : edges)
            if (value == 0.0f) {
                edit->setFocus();
                edit->selectAll();
                break;
            }
        return;
    }
    case MapSettingsProblem::GroundTooSmall:
        offerManualEntry(); // either way the user confirms here again
        return;
    case MapSettingsProblem::NoPicture:
        ShowMessage(30046, this, {}, MessageStyle::Error);
        m_setMap->setFocus();
        return;
    case MapSettingsProblem::Ok:
        break;
    }
    QDialog::accept();
}

} // namespace tavelin
