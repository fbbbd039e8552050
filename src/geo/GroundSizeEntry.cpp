#include "geo/GroundSizeEntry.h"

#include "platform/Messages.h"
#include "geo/Geodesy.h"

namespace tavelin
{

GroundSizeEntry::GroundSizeEntry(float northLat, float westLon)
    : m_northLat(northLat), m_westLon(westLon)
{
    const QString initial = QString::number(InitialMetres);
    recompute(initial, initial);
}

void GroundSizeEntry::recompute(const QString& heightText, const QString& widthText)
{
    m_height = LeadingInteger(heightText);
    m_width = LeadingInteger(widthText);
    m_southLat = static_cast<float>(m_northLat - m_height / MetresPerDegreeLatitude);
    m_eastLon = static_cast<float>(m_westLon + m_width / MetresPerDegreeLongitude);
}

bool GroundSizeEntry::accept(const QString& heightText, const QString& widthText, QObject* owner)
{
    if (LeadingInteger(heightText) == 0 || LeadingInteger(widthText) == 0) {
        ShowMessage(30047, owner, {}, MessageStyle::Error);
        return false;
    }
    recompute(heightText, widthText);
    return true;
}

QString GroundSizeEntry::northWestText() const
{
    return QString::asprintf("%f, %f", double(m_northLat), double(m_westLon));
}

QString GroundSizeEntry::southEastText() const
{
    return QString::asprintf("%f, %f", double(m_southLat), double(m_eastLon));
}

} // namespace tavelin
