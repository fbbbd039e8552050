#include "editors/CProLayer.h"

#include "document/WorkFolder.h"
#include "editors/BuddySpinEdit.h"
#include "editors/CMapDlg.h"
#include "editors/ColourPaletteButton.h"
#include "editors/ImageFileChooser.h"
#include "editors/LayerPreview.h"
#include "editors/PickerDateTime.h"
#include "image/NodeIcons.h"
#include "image/PictureIo.h"
#include "platform/Cp932.h"
#include "platform/Messages.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTimeEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace tavelin
{

namespace
{

constexpr int MsgNoName = 30007;
constexpr int MsgNameTooLong = 30008;
constexpr int MsgNameNotEncodable = 31302;
constexpr int MsgTimeOutOfRange = 30006;
constexpr int MsgTimeWouldClear = 31301;
constexpr int MsgAdjustTimes = 30033;
constexpr int MsgAskDefaults = 30059;
constexpr int MsgDefaultsStored = 30060;
constexpr int MsgOpenFailed = 30026;
constexpr int MsgSaveFailed = 30018;

const QString LongDateFormat = QStringLiteral("yyyy年M月d日");
const QString TimeFormat = QStringLiteral("H:mm:ss");

class PreviewFrame : public QFrame
{
public:
    PreviewFrame(const LayerPropertiesValues& values, QWidget* parent)
        : QFrame(parent), m_values(values)
    {
        setFrameShape(QFrame::Box);
        setFixedSize(230, 170);
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QFrame::paintEvent(event);
        QPainter painter(this);
        DrawLayerPreview(painter, rect(), m_values);
    }

private:
    const LayerPropertiesValues& m_values;
};

// Bytes as the counter shows them: a character Shift-JIS cannot hold counts
// as the one "?" it would become.
int CounterBytes(const QString& text)
{
    const int whole = cp932::ByteLength(text);
    if (whole >= 0)
        return whole;
    int bytes = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const int one = cp932::ByteLength(text.mid(i, length));
        bytes += one < 0 ? 1 : one;
        i += length - 1;
    }
    return bytes;
}

QLabel* Hint(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setForegroundRole(QPalette::PlaceholderText);
    return label;
}

} // namespace

CProLayer::CProLayer(LayerPropertiesValues values, ImageFileChooser& chooser,
                     QString defaultIconPath, QWidget* parent, QWidget* timesOwner)
    : QDialog(parent), m_values(std::move(values)), m_chooser(chooser),
      m_defaultIconPath(std::move(defaultIconPath)), m_timesOwner(timesOwner)
{
    setObjectName(QStringLiteral("CProLayer"));
    setWindowTitle(QStringLiteral("レイヤーのプロパティ"));
    m_values.iconChanged = false;
    m_values.newPicture.reset();

    // Base date-time: a date picker with a calendar and a time picker.
    m_date = new QDateEdit(this);
    m_date->setObjectName(QStringLiteral("baseDate"));
    m_date->setCalendarPopup(true);
    m_date->setDisplayFormat(LongDateFormat);
    m_date->setDateRange(PickerMinimumDate(), PickerMaximumDate());
    m_time = new QTimeEdit(this);
    m_time->setObjectName(QStringLiteral("baseTime"));
    m_time->setDisplayFormat(TimeFormat);
    const PickerDateTime shown =
        ToPicker(m_values.baseTime).value_or(PickerDateTime{QDate(2000, 1, 1), QTime(0, 0, 0)});
    m_date->setDate(shown.date);
    m_time->setTime(shown.time);
    connect(m_date, &QDateEdit::dateChanged, this, [this] { m_baseEdited = true; });
    connect(m_time, &QTimeEdit::timeChanged, this, [this] { m_baseEdited = true; });

    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("name"));
    m_name->setMinimumWidth(300);
    m_counter = new QLabel(QStringLiteral("(100/100)"), this);
    m_counter->setObjectName(QStringLiteral("nameCounter"));
    m_counter->setMinimumWidth(60);
    connect(m_name, &QLineEdit::textChanged, this, &CProLayer::nameChanged);
    m_name->setText(m_values.name);

    m_arcWidth = new BuddySpinEdit(WidthEditMinimum, WidthMinimum, WidthMaximum, this);
    m_arcWidth->edit()->setObjectName(QStringLiteral("arcWidth"));
    m_anchorWidth = new BuddySpinEdit(WidthEditMinimum, WidthMinimum, WidthMaximum, this);
    m_anchorWidth->edit()->setObjectName(QStringLiteral("anchorWidth"));
    m_iconSize = new BuddySpinEdit(NodeSizeMinimum, NodeSizeMinimum, NodeSizeMaximum, this);
    m_iconSize->edit()->setObjectName(QStringLiteral("iconSize"));
    m_arcWidth->setPosition(m_values.arcWidth);
    m_anchorWidth->setPosition(m_values.anchorWidth);
    m_iconSize->setPosition(m_values.iconSize);
    const auto typed = [this](int LayerPropertiesValues::*field) {
        return [this, field](int value) {
            m_values.*field = value;
            m_preview->update();
        };
    };
    connect(m_arcWidth, &BuddySpinEdit::valueTyped, this, typed(&LayerPropertiesValues::arcWidth));
    connect(m_anchorWidth, &BuddySpinEdit::valueTyped, this,
            typed(&LayerPropertiesValues::anchorWidth));
    connect(m_iconSize, &BuddySpinEdit::valueTyped, this, typed(&LayerPropertiesValues::iconSize));

    m_arcColour = new ColourPaletteButton(this);
    m_arcColour->setObjectName(QStringLiteral("arcColour"));
    m_anchorColour = new ColourPaletteButton(this);
    m_anchorColour->setObjectName(QStringLiteral("anchorColour"));
    m_transparentColour = new ColourPaletteButton(this);
    m_transparentColour->setObjectName(QStringLiteral("transparentColour"));
    m_arcColour->setColour(m_values.arcColour);
    m_anchorColour->setColour(m_values.anchorColour);
    m_transparentColour->setColour(m_values.transparentColour);
    connect(m_arcColour, &ColourPaletteButton::colourChosen, this, [this](std::uint32_t c) {
        m_values.arcColour = c;
        m_preview->update();
    });
    connect(m_anchorColour, &ColourPaletteButton::colourChosen, this, [this](std::uint32_t c) {
        m_values.anchorColour = c;
        m_preview->update();
    });
    connect(m_transparentColour, &ColourPaletteButton::colourChosen, this, [this](std::uint32_t c) {
        m_values.transparentColour = c;
        m_preview->update();
    });

    auto* icons = new QHBoxLayout;
    for (const int id : BuiltInNodeIconIds) {
        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("icon%1").arg(id));
        button->setIcon(QIcon(QPixmap::fromImage(BuiltInNodeIcon(id))));
        button->setIconSize(QSize(32, 32));
        connect(button, &QToolButton::clicked, this, [this, id] { chooseBuiltInIcon(id); });
        icons->addWidget(button);
    }
    icons->addStretch(1);
    auto* fromFile =
        new QPushButton(QStringLiteral("ファイルから読込んだイメージをアイコンにする(&F)"), this);
    fromFile->setObjectName(QStringLiteral("iconFromFile"));
    connect(fromFile, &QPushButton::clicked, this, &CProLayer::chooseIconFile);

    // "表示位置" laid out as the keys of a numeric pad.
    auto* positions = new QGroupBox(QStringLiteral("表示位置"), this);
    auto* pad = new QGridLayout(positions);
    struct PositionButton {
        int position;
        const char* caption;
        int row, column;
    };
    constexpr PositionButton Positions[] = {{4, "左上(&7)", 0, 0},
                                            {1, "右上(&9)", 0, 2},
                                            {0, "中央(&5)", 1, 1},
                                            {3, "左下(&1)", 2, 0},
                                            {2, "右下(&3)", 2, 2}};
    for (const PositionButton& p : Positions) {
        auto* button = new QPushButton(QString::fromUtf8(p.caption), positions);
        button->setObjectName(QStringLiteral("position%1").arg(p.position));
        const int position = p.position;
        connect(button, &QPushButton::clicked, this,
                [this, position] { setIconPosition(position); });
        pad->addWidget(button, p.row, p.column);
    }

    m_preview = new PreviewFrame(m_values, this);
    m_preview->setObjectName(QStringLiteral("preview"));

    auto* defaults =
        new QPushButton(QStringLiteral("この設定をレイヤーの新規作成時に適用する(&D)"), this);
    defaults->setObjectName(QStringLiteral("defaults"));
    connect(defaults, &QPushButton::clicked, this, &CProLayer::storeDefaults);
    auto* ok = new QPushButton(QStringLiteral("保存して終了(&S)"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("中止(&C)"), this);
    cancel->setObjectName(QStringLiteral("cancel"));
    connect(ok, &QPushButton::clicked, this, &CProLayer::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* top = new QGridLayout;
    top->addWidget(new QLabel(QStringLiteral("基点日時："), this), 0, 0);
    auto* when = new QHBoxLayout;
    when->addWidget(m_date);
    when->addWidget(m_time);
    when->addStretch(1);
    top->addLayout(when, 0, 1, 1, 2);
    top->addWidget(new QLabel(QStringLiteral("レイヤー名："), this), 1, 0);
    top->addWidget(m_name, 1, 1);
    top->addWidget(m_counter, 1, 2);

    auto* look = new QGridLayout;
    int row = 0;
    const auto widthRow = [&](const QString& label, BuddySpinEdit* spin, const QString& hint,
                              const QString& colourLabel, ColourPaletteButton* colour) {
        look->addWidget(new QLabel(label, this), row, 0);
        look->addWidget(spin, row, 1);
        look->addWidget(Hint(hint, this), row, 2);
        if (colour) {
            look->addWidget(new QLabel(colourLabel, this), row, 3);
            look->addWidget(colour, row, 4);
        }
        ++row;
    };
    widthRow(QStringLiteral("アークの太さ："), m_arcWidth, QStringLiteral("(1-10px)"),
             QStringLiteral("アークの色："), m_arcColour);
    widthRow(QStringLiteral("アンカーの太さ："), m_anchorWidth, QStringLiteral("(1-10px)"),
             QStringLiteral("アンカーの色："), m_anchorColour);
    widthRow(QStringLiteral("ノードの大きさ："), m_iconSize, QStringLiteral("(10-64px)"),
             QStringLiteral("透過色："), m_transparentColour);
    look->addWidget(new QLabel(QStringLiteral("ノードアイコン："), this), row, 0);
    look->addLayout(icons, row, 1, 1, 4);
    ++row;
    look->addWidget(fromFile, row, 1, 1, 4);
    look->setColumnStretch(5, 1);

    auto* middle = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addLayout(look);
    left->addWidget(positions, 0, Qt::AlignLeft);
    left->addStretch(1);
    middle->addLayout(left, 1);
    middle->addWidget(m_preview, 0, Qt::AlignTop);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(defaults);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(6);
    layout->addLayout(middle);
    layout->addSpacing(6);
    layout->addLayout(buttons);
}

void CProLayer::nameChanged(const QString& text)
{
    m_counter->setText(QStringLiteral("%1/100").arg(CounterBytes(text)));
}

void CProLayer::iconLoaded()
{
    m_transparentColour->setColour(m_values.transparentColour);
    m_preview->update();
}

void CProLayer::chooseBuiltInIcon(int resourceId)
{
    const QString workFolder = WorkFolder(); // 30002 shown when there is none
    if (workFolder.isEmpty())
        return;
    if (m_values.chooseBuiltInIcon(resourceId, workFolder))
        iconLoaded();
}

void CProLayer::chooseIconFile()
{
    const QString path = m_chooser.chooseImageFile(this, CMapDlg::ImageTitle, CMapDlg::ImageFilter);
    if (path.isEmpty())
        return;
    if (ImageFileType(path).isEmpty()) // 30056 shown
        return;
    const QString workFolder = WorkFolder();
    if (workFolder.isEmpty())
        return;
    if (m_values.loadIcon(path, std::nullopt, workFolder)) {
        iconLoaded();
        return;
    }
    // A failed conversion has shown 30001; a file that does not decode has
    // shown nothing yet.
    if (QImageReader(path).read().isNull())
        ShowMessage(MsgOpenFailed, this, path + QLatin1Char('\n'), MessageStyle::Error);
}

void CProLayer::setIconPosition(int position)
{
    if (m_values.setIconPosition(position))
        m_preview->update();
}

void CProLayer::takeSpinPositions(LayerPropertiesValues& values) const
{
    values.arcWidth = m_arcWidth->position();
    values.anchorWidth = m_anchorWidth->position();
    values.iconSize = m_iconSize->position();
}

void CProLayer::storeDefaults()
{
    if (ShowMessage(MsgAskDefaults, this, {}, MessageStyle::YesNo) != IDYES)
        return;
    LayerPropertiesValues stored = m_values;
    takeSpinPositions(stored);
    switch (stored.storeDefaults(m_defaultIconPath)) {
    case StoreDefaultsResult::OpenFailed:
        ShowMessage(MsgOpenFailed, this, m_defaultIconPath + QLatin1Char('\n'),
                    MessageStyle::Error);
        return;
    case StoreDefaultsResult::WriteFailed:
        ShowMessage(MsgSaveFailed, this, m_defaultIconPath + QLatin1Char('\n'),
                    MessageStyle::Error);
        return;
    case StoreDefaultsResult::Stored:
        break;
    }
    ShowMessage(MsgDefaultsStored, this, {}, MessageStyle::Information);
}

void CProLayer::accept()
{
    m_values.name = m_name->text();
    const auto nameProblem = [this](int message) {
        ShowMessage(message, this, {}, MessageStyle::Error);
        m_name->setFocus();
        m_name->selectAll();
    };
    switch (m_values.checkName()) {
    case LayerPropertiesProblem::NameEmpty:
        nameProblem(MsgNoName);
        return;
    case LayerPropertiesProblem::NameTooLong:
        nameProblem(MsgNameTooLong);
        return;
    case LayerPropertiesProblem::NameNotEncodable:
        nameProblem(MsgNameNotEncodable);
        return;
    default:
        break;
    }

    LayerPropertiesValues candidate = m_values;
    takeSpinPositions(candidate);
    if (m_baseEdited)
        candidate.baseTime = FromPicker(m_date->date(), m_time->time());

    // Asked while the dialog is still open, so that times the chosen way
    // cannot keep leave the user's other entries in place.
    NodeTimeTreatment treatment = NodeTimeTreatment::MoveWithBase;
    if (candidate.asksTimeTreatment()) {
        QObject* owner = m_timesOwner ? static_cast<QObject*>(m_timesOwner) : this;
        treatment = ShowMessage(MsgAdjustTimes, owner, {}, MessageStyle::YesNo) == IDYES
                        ? NodeTimeTreatment::MoveWithBase
                        : NodeTimeTreatment::KeepTimes;
    }
    const LayerPropertiesProblem times = candidate.checkTimes(treatment);
    if (times != LayerPropertiesProblem::Ok) {
        ShowMessage(times == LayerPropertiesProblem::TimeWouldClear ? MsgTimeWouldClear
                                                                    : MsgTimeOutOfRange,
                    this, {}, MessageStyle::Error);
        m_date->setFocus();
        return;
    }
    m_values = std::move(candidate);
    m_treatment = treatment;
    QDialog::accept();
}

} // namespace tavelin
