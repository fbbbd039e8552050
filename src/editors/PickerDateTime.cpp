#include "editors/PickerDateTime.h"

namespace tavelin
{

QDate PickerMinimumDate()
{
    return QDate(100, 1, 1);
}

QDate PickerMaximumDate()
{
    return QDate(9999, 12, 31);
}

std::optional<PickerDateTime> ToPicker(OleDateTime date)
{
    DateTimeParts parts;
    if (!date.isValid() || !OleDateToParts(date.date, parts))
        return std::nullopt;
    const QDate day(parts.year, parts.month, parts.day);
    if (!day.isValid() || day < PickerMinimumDate() || day > PickerMaximumDate())
        return std::nullopt;
    return PickerDateTime{day, QTime(parts.hour, parts.minute, parts.second)};
}

OleDateTime FromPicker(QDate date, QTime time)
{
    if (!date.isValid() || !time.isValid() || date < PickerMinimumDate() ||
        date > PickerMaximumDate())
        return {0.0, DateTimeInvalid};
    OleDateTime result;
    result.date = OleDateFromParts(date.year(), date.month(), date.day(), time.hour(),
                                   time.minute(), time.second(), &result.status);
    return result;
}

std::optional<QDate> NextDay(QDate date)
{
    if (!date.isValid() || date >= PickerMaximumDate())
        return std::nullopt;
    return date.addDays(1);
}

} // namespace tavelin
