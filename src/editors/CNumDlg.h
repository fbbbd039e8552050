#pragma once
// Dialog 340 "回数指定": how many times a layer file is imported. The
// up-down buttons step within 2 … 99, but a typed count is handed back as
// typed; the caller checks its range.

#include <QDialog>
#include <optional>

class QLineEdit;
class QToolButton;

namespace tavelin
{

class CNumDlg : public QDialog
{
    Q_OBJECT
public:
    static constexpr int MinCount = 2;
    static constexpr int MaxCount = 99;

    explicit CNumDlg(QWidget* parent = nullptr);

    // The edit's leading integer.
    int count() const;

private:
    void Step(int by);

    QLineEdit* m_edit = nullptr; // 1007
    QToolButton* m_up = nullptr; // 1046, the up-down control
    QToolButton* m_down = nullptr;
};

// The count on "決定", nothing on "中止".
std::optional<int> AskRepeatCount(QWidget* parent = nullptr);

} // namespace tavelin
