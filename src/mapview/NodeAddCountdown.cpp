#include "mapview/NodeAddCountdown.h"

namespace tavelin
{

NodeAddCountdown::NodeAddCountdown(QObject* parent) : QObject(parent)
{
    m_timer.setParent(this); // a child, so the frame's tests can fire it
    m_timer.setInterval(PeriodMs);
    connect(&m_timer, &QTimer::timeout, this, &NodeAddCountdown::Tick);
}

QString NodeAddCountdown::CaptionFor(int ticks)
{
    return QStringLiteral("%1秒").arg(TickLimit * SecondsPerTick - ticks * SecondsPerTick);
}

void NodeAddCountdown::Show()
{
    Q_EMIT displayChanged(imageIndex(), caption());
}

void NodeAddCountdown::SetActive(bool active)
{
    if (active == m_active)
        return;
    m_active = active;
    m_ticks = 0;
    if (active) {
        m_timer.start();
    } else {
        m_timer.stop();
        Show();
    }
    Q_EMIT activeChanged(active);
}

void NodeAddCountdown::Restart()
{
    m_ticks = 0;
    Show();
}

void NodeAddCountdown::Tick()
{
    // A tick queued before the mode ended must not count.
    if (!m_active)
        return;
    ++m_ticks;
    if (m_ticks < TickLimit) {
        Show();
        return;
    }
    SetActive(false);
}

} // namespace tavelin
