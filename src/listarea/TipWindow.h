#pragma once
// A tooltip window of our own: the layer tabs choose its colours and margin
// and the node list its width, which the platform's shared tooltip does not
// let a single control do.

#include <QLabel>

namespace tavelin
{

class TipWindow : public QLabel
{
    Q_OBJECT
public:
    explicit TipWindow(QWidget* owner);

    void SetColours(const QColor& back, const QColor& text);
    void SetMargin(int pixels);
    void SetMaximumTipWidth(int pixels);
    // Shows the text just below the pointer's screen position.
    void ShowAt(const QPoint& globalPos, const QString& text);
    void Close() { hide(); }
};

} // namespace tavelin
