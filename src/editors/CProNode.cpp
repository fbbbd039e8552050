#include "editors/CProNode.h"

#include "geo/Formats.h"
#include "platform/Messages.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDateTime>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace tavelin
{

namespace
{

constexpr int MsgBeforePrevious = 30016;
constexpr int MsgOutOfRange = 30006;
constexpr int MsgArrivalAtBase = 31300;
constexpr int MsgDepartureBeforeArrival = 30024;

QDateEdit* DatePicker(const QString& name, QWidget* parent)
{
    auto* picker = new QDateEdit(parent);
    picker->setObjectName(name);
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(QStringLiteral("yyyy年M月d日"));
    picker->setDateRange(PickerMinimumDate(), PickerMaximumDate());
    return picker;
}

QTimeEdit* TimePicker(const QString& name, QWidget* parent)
{
    auto* picker = new QTimeEdit(parent);
    picker->setObjectName(name);
    picker->setDisplayFormat(QStringLiteral("H:mm:ss"));
    return picker;
}

QPushButton* Button(const QString& caption, const QString& name, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

} // namespace

CProNode::CProNode(NodeTimesValues values, QWidget* parent)
    : QDialog(parent), m_values(values), m_arrival(values.arrival), m_departure(values.departure)
{
    setObjectName(QStringLiteral("CProNode"));
    setWindowTitle(QStringLiteral("ノードのプロパティ"));

    m_previous = new QLabel(FormatDateTime(m_values.previousSetTime(), 1), this);
    m_previous->setObjectName(QStringLiteral("previousSet"));
    m_previous->setFrameShape(QFrame::Panel);
    m_previous->setFrameShadow(QFrame::Sunken);
    m_timed = new QCheckBox(QStringLiteral("日時をセットする"), this);
    m_timed->setObjectName(QStringLiteral("timed"));
    auto* note = new QLabel(
        QStringLiteral("※通過点の場合など日時を設定しないときは、チェックを外してください。"),
        this);
    note->setWordWrap(true);

    m_arrivalDate = DatePicker(QStringLiteral("arrivalDate"), this);
    m_arrivalTime = TimePicker(QStringLiteral("arrivalTime"), this);
    m_departureDate = DatePicker(QStringLiteral("departureDate"), this);
    m_departureTime = TimePicker(QStringLiteral("departureTime"), this);
    // The pickers' own initial value is the present moment.
    const QDateTime now = QDateTime::currentDateTime();
    const PickerDateTime present{
        now.date(), QTime(now.time().hour(), now.time().minute(), now.time().second())};
    setArrival(present);
    setDeparture(present);

    auto* samePrevious =
        Button(QStringLiteral("１つ前と同じ日時をセット"), QStringLiteral("samePrevious"), this);
    auto* sameArrival =
        Button(QStringLiteral("到着日時と同じ日時をセット"), QStringLiteral("sameArrival"), this);
    auto* nextDay =
        Button(QStringLiteral("到着日時の翌日をセット"), QStringLiteral("nextDay"), this);
    connect(samePrevious, &QPushButton::clicked, this, &CProNode::setPreviousToArrival);
    connect(sameArrival, &QPushButton::clicked, this, &CProNode::setArrivalToDeparture);
    connect(nextDay, &QPushButton::clicked, this, &CProNode::setNextDayToDeparture);

    auto* ok = Button(QStringLiteral("保存して終了(&S)"), QStringLiteral("ok"), this);
    ok->setDefault(true);
    auto* cancel = Button(QStringLiteral("中止(&C)"), QStringLiteral("cancel"), this);
    connect(ok, &QPushButton::clicked, this, &CProNode::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    if (m_values.arrival == 0) {
        m_timed->setChecked(false);
        enablePickers(false);
    } else {
        m_timed->setChecked(true);
        // A departure offset of 0 shows the base date-time.
        if (const auto a = ToPicker(m_values.arrivalTime()))
            setArrival(*a);
        if (const auto d = ToPicker(m_values.departureTime()))
            setDeparture(*d);
    }
    connect(m_timed, &QCheckBox::toggled, this, &CProNode::enablePickers);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("１つ前のセット日時："), this), 0, 0);
    grid->addWidget(m_previous, 0, 1, 1, 2);
    grid->addWidget(m_timed, 1, 0, 1, 3);
    grid->addWidget(note, 2, 0, 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("到着日時："), this), 3, 0);
    grid->addWidget(m_arrivalDate, 3, 1);
    grid->addWidget(m_arrivalTime, 3, 2);
    grid->addWidget(samePrevious, 3, 3);
    grid->addWidget(new QLabel(QStringLiteral("出発日時："), this), 4, 0);
    grid->addWidget(m_departureDate, 4, 1);
    grid->addWidget(m_departureTime, 4, 2);
    grid->addWidget(sameArrival, 4, 3);
    grid->addWidget(nextDay, 5, 3);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addLayout(buttons);
}

void CProNode::enablePickers(bool enabled)
{
    for (QWidget* picker : std::initializer_list<QWidget*>{m_arrivalDate, m_arrivalTime,
                                                           m_departureDate, m_departureTime})
        picker->setEnabled(enabled);
}

PickerDateTime CProNode::arrivalPicked() const
{
    return {m_arrivalDate->date(), m_arrivalTime->time()};
}

PickerDateTime CProNode::departurePicked() const
{
    return {m_departureDate->date(), m_departureTime->time()};
}

void CProNode::setArrival(const PickerDateTime& value)
{
    m_arrivalDate->setDate(value.date);
    m_arrivalTime->setTime(value.time);
}

void CProNode::setDeparture(const PickerDateTime& value)
{
    m_departureDate->setDate(value.date);
    m_departureTime->setTime(value.time);
}

void CProNode::setPreviousToArrival()
{
    if (const auto p = ToPicker(m_values.previousSetTime()))
        setArrival(*p);
    else
        ShowMessage(MsgOutOfRange, this, {}, MessageStyle::Error);
}

void CProNode::setArrivalToDeparture()
{
    setDeparture(arrivalPicked());
}

void CProNode::setNextDayToDeparture()
{
    const std::optional<QDate> next = NextDay(m_arrivalDate->date());
    if (!next) {
        ShowMessage(MsgOutOfRange, this, {}, MessageStyle::Error);
        return;
    }
    setDeparture({*next, m_arrivalTime->time()});
}

void CProNode::accept()
{
    const NodeTimesCheck result =
        m_values.check(m_timed->isChecked(), arrivalPicked(), departurePicked());
    int message = 0;
    switch (result.problem) {
    case NodeTimesProblem::Ok:
        break;
    case NodeTimesProblem::BeforePrevious:
        message = MsgBeforePrevious;
        break;
    case NodeTimesProblem::ArrivalOutOfRange:
    case NodeTimesProblem::DepartureOutOfRange:
        message = MsgOutOfRange;
        break;
    case NodeTimesProblem::ArrivalAtBase:
        message = MsgArrivalAtBase;
        break;
    case NodeTimesProblem::DepartureBeforeArrival:
        message = MsgDepartureBeforeArrival;
        break;
    }
    if (message != 0) {
        ShowMessage(message, this, {}, MessageStyle::Error);
        (result.focus == NodeTimesField::DepartureDate ? m_departureDate : m_arrivalDate)
            ->setFocus();
        return;
    }
    m_arrival = result.arrival;
    m_departure = result.departure;
    QDialog::accept();
}

} // namespace tavelin
