#pragma once
// The manual entry of the map's ground size (dialog 338, CKyoriDlg) without
// its window: from the north-west corner and the ground height and width it
// derives the south-east corner. The dialog feeds it the edit texts.

#include <QString>
#include <cstdint>

class QObject;

namespace tavelin
{

class GroundSizeEntry
{
public:
    static constexpr double MetresPerDegreeLatitude = 111183.0;
    static constexpr double MetresPerDegreeLongitude = 91091.0;
    static constexpr int InitialMetres = 20;

    GroundSizeEntry(float northLat, float westLon);

    // Takes the integer values of the two edits (leading digits; empty is 0)
    // and derives south = north - height / 111183, east = west + width / 91091.
    void recompute(const QString& heightText, const QString& widthText);

    // OK: reads both texts again; with both non-zero recomputes and returns
    // true, otherwise shows 30047 and returns false (the dialog stays open).
    bool accept(const QString& heightText, const QString& widthText, QObject* owner);

    // "%f, %f" of the corners.
    QString northWestText() const;
    QString southEastText() const;

    float northLat() const { return m_northLat; }
    float westLon() const { return m_westLon; }
    float southLat() const { return m_southLat; }
    float eastLon() const { return m_eastLon; }
    std::int32_t heightMetres() const { return m_height; }
    std::int32_t widthMetres() const { return m_width; }

private:
    float m_northLat;
    float m_westLon;
    float m_southLat = 0.0f;
    float m_eastLon = 0.0f;
    std::int32_t m_height = 0;
    std::int32_t m_width = 0;
};

} // namespace tavelin
