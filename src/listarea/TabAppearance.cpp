#include "listarea/TabAppearance.h"

#include "platform/Settings.h"

#include <algorithm>

namespace tavelin
{
namespace
{

const QString Last = QStringLiteral("Last");

} // namespace

TabAppearance TabAppearance::Read()
{
    TabAppearance a;
    // Values outside what the settings dialog offers (a hand-edited store)
    // are brought into its range.
    a.captionLength = std::clamp(settings::GetInt(Last, QStringLiteral("LayerTileLen")), 4, 50);
    a.visibleBack = settings::GetColour(Last, QStringLiteral("ShowBkColor"));
    a.visibleText = settings::GetColour(Last, QStringLiteral("ShowTextColor"));
    a.hiddenBack = settings::GetColour(Last, QStringLiteral("HideBkColor"));
    a.hiddenText = settings::GetColour(Last, QStringLiteral("HideTextColor"));
    a.tipBack = settings::GetColour(Last, QStringLiteral("TipBkColor"));
    a.tipText = settings::GetColour(Last, QStringLiteral("TipTextColor"));
    a.tipMargin = std::clamp(settings::GetInt(Last, QStringLiteral("TipMargin")), 0, 20);
    return a;
}

void TabAppearance::Write() const
{
    settings::WriteInt(Last, QStringLiteral("LayerTileLen"), captionLength);
    settings::WriteColour(Last, QStringLiteral("ShowBkColor"), visibleBack);
    settings::WriteColour(Last, QStringLiteral("ShowTextColor"), visibleText);
    settings::WriteColour(Last, QStringLiteral("HideBkColor"), hiddenBack);
    settings::WriteColour(Last, QStringLiteral("HideTextColor"), hiddenText);
    settings::WriteColour(Last, QStringLiteral("TipBkColor"), tipBack);
    settings::WriteColour(Last, QStringLiteral("TipTextColor"), tipText);
    settings::WriteInt(Last, QStringLiteral("TipMargin"), tipMargin);
}

} // namespace tavelin
