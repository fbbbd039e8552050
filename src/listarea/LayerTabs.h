#pragma once
// The row of layer tabs as data: one caption per tab position and the
// selected position. The tab bar paints it; the layer operations keep it in
// step with the layers' tabIndex values.

#include <QObject>
#include <QString>
#include <vector>

namespace tavelin
{

class LayerTabs : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    int count() const { return int(m_captions.size()); }
    QString caption(int position) const;
    int selected() const { return m_selected; }

    // Replaces every tab; the selection is cleared.
    void Reset(std::vector<QString> captions);
    // False when the position is outside 0 … count.
    bool Insert(int position, const QString& caption);
    // False when there is no tab at the position. A selection behind it
    // moves with its tab; the removed tab's selection is cleared.
    bool Remove(int position);
    void SetCaption(int position, const QString& caption);
    // -1, or a position outside the tabs, selects none.
    void Select(int position);
    // The tabs were repainted without a change of captions (colours follow
    // the layers' visibility).
    void Repaint() { Q_EMIT changed(); }

Q_SIGNALS:
    // Captions, count or selection changed.
    void changed();

private:
    std::vector<QString> m_captions;
    int m_selected = -1;
};

} // namespace tavelin
