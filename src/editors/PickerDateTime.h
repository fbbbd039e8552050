#pragma once
// What the date and time pickers of the property dialogs hold, and the OLE
// dates they stand for. A date picker gives the year, month and day, a time
// picker the hour, minute and second of one value.

#include "geo/OleDate.h"

#include <QDate>
#include <QTime>
#include <optional>

namespace tavelin
{

struct PickerDateTime {
    QDate date;
    QTime time;
    friend bool operator==(const PickerDateTime&, const PickerDateTime&) = default;
};

// The range the pickers offer: every day an OLE date built from calendar
// parts can hold, 0100-01-01 to 9999-12-31.
QDate PickerMinimumDate();
QDate PickerMaximumDate();

// The date rounded to the second, as the pickers show it; nothing for a null
// or invalid date or one outside the pickers' range.
std::optional<PickerDateTime> ToPicker(OleDateTime date);

// The OLE date of a date with a time; invalid when either is invalid or the
// date lies outside the pickers' range.
OleDateTime FromPicker(QDate date, QTime time);
inline OleDateTime FromPicker(const PickerDateTime& value)
{
    return FromPicker(value.date, value.time);
}

// The day after `date`; nothing when that leaves the pickers' range.
std::optional<QDate> NextDay(QDate date);

} // namespace tavelin
