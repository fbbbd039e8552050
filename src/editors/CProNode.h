#pragma once
// Dialog 332 "ノードのプロパティ": sets or clears the arrival and departure
// date-time of one node, shown as absolute date-times from the layer's base.
// The values and checks live in NodeTimesValues; after OK the offsets to
// store are arrival() and departure().

#include "editors/NodeTimesValues.h"

#include <QDialog>

class QCheckBox;
class QDateEdit;
class QLabel;
class QTimeEdit;

namespace tavelin
{

class CProNode : public QDialog
{
    Q_OBJECT
public:
    explicit CProNode(NodeTimesValues values, QWidget* parent = nullptr);

    std::int32_t arrival() const { return m_arrival; }
    std::int32_t departure() const { return m_departure; }

    void accept() override;

private:
    void enablePickers(bool enabled);
    PickerDateTime arrivalPicked() const;
    PickerDateTime departurePicked() const;
    void setArrival(const PickerDateTime& value);
    void setDeparture(const PickerDateTime& value);
    void setPreviousToArrival();
    void setArrivalToDeparture();
    void setNextDayToDeparture();

    NodeTimesValues m_values;
    std::int32_t m_arrival = 0;
    std::int32_t m_departure = 0;

    QLabel* m_previous = nullptr;         // 1022
    QCheckBox* m_timed = nullptr;         // 1001
    QDateEdit* m_arrivalDate = nullptr;   // 1006
    QTimeEdit* m_arrivalTime = nullptr;   // 1007
    QDateEdit* m_departureDate = nullptr; // 1008
    QTimeEdit* m_departureTime = nullptr; // 1009
};

} // namespace tavelin
