#pragma once
// A colour button with a drop-down palette: clicking it opens 20 colours in
// 5 columns and "その他の色..." (the colour chooser). When a colour has been
// chosen the button shows it and reports it with colourChosen.

#include "model/Records.h"

#include <QPointer>
#include <QPushButton>
#include <array>

class QFrame;

namespace tavelin
{

class ColourPaletteButton : public QPushButton
{
    Q_OBJECT
public:
    static constexpr int Columns = 5;
    static const std::array<COLORREF, 20> Palette;

    explicit ColourPaletteButton(QWidget* parent = nullptr);

    // 0x00BBGGRR; 0xFFFFFFFF (no colour) shows a crossed-out swatch.
    void setColour(std::uint32_t colourRef);
    std::uint32_t colour() const { return m_colour; }

    // The open palette, or null.
    QFrame* palettePopup() const { return m_popup; }

Q_SIGNALS:
    void colourChosen(std::uint32_t colourRef);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void showPalette();
    void closePalette();
    void choose(std::uint32_t colourRef);
    void chooseOther();

    std::uint32_t m_colour = 0;
    QPointer<QFrame> m_popup;
};

} // namespace tavelin
