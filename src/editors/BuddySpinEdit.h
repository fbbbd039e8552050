#pragma once
// A number edit with its up-down control. The edit is clamped as the user
// types: a value above the maximum becomes the maximum at once, one below
// the edit's minimum becomes that minimum when the edit is left (so that
// "2" can still grow into "20"). The spin's position follows every typed
// value within its own range and otherwise keeps its last one; it is what
// the dialog stores. The width edits take 0 while their spins start at 1.

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace tavelin
{

class BuddySpinEdit : public QWidget
{
    Q_OBJECT
public:
    BuddySpinEdit(int editMinimum, int spinMinimum, int maximum, QWidget* parent = nullptr);

    QLineEdit* edit() const { return m_edit; }
    QToolButton* upButton() const { return m_up; }
    QToolButton* downButton() const { return m_down; }

    int position() const { return m_position; }
    // Clamped into the spin's range; the edit shows it.
    void setPosition(int value);

Q_SIGNALS:
    // A typed value within the edit's range: the working value.
    void valueTyped(int value);

private:
    void textChanged(const QString& text);
    void leave();
    void step(int by);

    int m_editMinimum;
    int m_spinMinimum;
    int m_maximum;
    int m_position;
    QLineEdit* m_edit = nullptr;
    QToolButton* m_up = nullptr;
    QToolButton* m_down = nullptr;
};

} // namespace tavelin
