#pragma once
// The node-adding mode and its 60-second countdown: while the mode is on, a
// 5-second timer counts twelve ticks; a node added (or ID_TOKEI) starts the
// count again, and the twelfth tick without one ends the mode. The ribbon's
// ID_TOKEI element shows imageIndex() and caption().

#include <QObject>
#include <QString>
#include <QTimer>

namespace tavelin
{

class NodeAddCountdown : public QObject
{
    Q_OBJECT
public:
    static constexpr int PeriodMs = 5000;
    static constexpr int TickLimit = 12;
    static constexpr int SecondsPerTick = 5;

    explicit NodeAddCountdown(QObject* parent = nullptr);

    // The node-adding mode flag.
    bool isActive() const { return m_active; }
    int tickCount() const { return m_ticks; }
    // What the countdown element shows: the pie-clock image and "%d秒".
    int imageIndex() const { return m_ticks; }
    QString caption() const { return CaptionFor(m_ticks); }
    bool timerRunning() const { return m_timer.isActive(); }

    // ID_ADD_NODE: on starts the timer with the count at 0; off stops it and
    // shows "60秒" again.
    void SetActive(bool active);
    void Toggle() { SetActive(!m_active); }
    // ID_TOKEI and every node added: the count starts over; the timer keeps
    // its phase, as the mode simply gets another 60 seconds.
    void Restart();
    // One timer period has passed.
    void Tick();

    static QString CaptionFor(int ticks);

Q_SIGNALS:
    void displayChanged(int imageIndex, const QString& caption);
    void activeChanged(bool active);

private:
    void Show();

    QTimer m_timer;
    bool m_active = false;
    int m_ticks = 0;
};

} // namespace tavelin
