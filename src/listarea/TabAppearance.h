#pragma once
// How the layer tabs look: the caption length, the colours of visible and
// hidden layers' tabs, and the tooltip's colours and margin. Read from
// "Last" when the tab bar is created and written back when it goes; the
// common tab settings change them in between.

#include <cstdint>

namespace tavelin
{

struct TabAppearance {
    int captionLength = 10;              // "LayerTileLen", bytes 4 … 50
    std::uint32_t visibleBack = 65535;   // "ShowBkColor", COLORREF
    std::uint32_t visibleText = 255;     // "ShowTextColor"
    std::uint32_t hiddenBack = 12632256; // "HideBkColor"
    std::uint32_t hiddenText = 0;        // "HideTextColor"
    std::uint32_t tipBack = 16776960;    // "TipBkColor"
    std::uint32_t tipText = 8388608;     // "TipTextColor"
    int tipMargin = 2;                   // "TipMargin", pixels 0 … 20

    static TabAppearance Read();
    void Write() const;
};

} // namespace tavelin
