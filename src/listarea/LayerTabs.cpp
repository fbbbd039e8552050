#include "listarea/LayerTabs.h"

namespace tavelin
{

QString LayerTabs::caption(int position) const
{
    if (position < 0 || position >= count())
        return {};
    return m_captions[std::size_t(position)];
}

void LayerTabs::Reset(std::vector<QString> captions)
{
    m_captions = std::move(captions);
    m_selected = -1;
    Q_EMIT changed();
}

bool LayerTabs::Insert(int position, const QString& caption)
{
    if (position < 0 || position > count())
        return false;
    m_captions.insert(m_captions.begin() + position, caption);
    if (m_selected >= position)
        ++m_selected;
    Q_EMIT changed();
    return true;
}

bool LayerTabs::Remove(int position)
{
    if (position < 0 || position >= count())
        return false;
    m_captions.erase(m_captions.begin() + position);
    if (m_selected == position)
        m_selected = -1;
    else if (m_selected > position)
        --m_selected;
    Q_EMIT changed();
    return true;
}

void LayerTabs::SetCaption(int position, const QString& caption)
{
    if (position < 0 || position >= count())
        return;
    m_captions[std::size_t(position)] = caption;
    Q_EMIT changed();
}

void LayerTabs::Select(int position)
{
    const int selected = position >= 0 && position < count() ? position : -1;
    if (selected == m_selected)
        return;
    m_selected = selected;
    Q_EMIT changed();
}

} // namespace tavelin
