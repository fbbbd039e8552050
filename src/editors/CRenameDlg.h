#pragma once
// Dialog 136 "名前の入力": asks for a layer name of 1 to 100 CP932 bytes,
// with a counter of the bytes typed, placed with its bottom-left corner at
// the point the caller gives (the pointer of the menu that asked).

#include <QDialog>
#include <QPoint>
#include <optional>

class QLabel;
class QLineEdit;

namespace tavelin
{

class CRenameDlg : public QDialog
{
    Q_OBJECT
public:
    static constexpr int MaxNameBytes = 100;

    CRenameDlg(const QString& name, QPoint screenPoint, QWidget* parent = nullptr);

    QString name() const;
    void accept() override;

    // The bytes the text takes in CP932; a character CP932 lacks counts as
    // two, as it would once replaced.
    static int CountBytes(const QString& text);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void UpdateCounter();

    QPoint m_point;
    QLineEdit* m_edit = nullptr; // 1000
    QLabel* m_counter = nullptr; // 1019
};

// The name on OK, nothing on cancel.
std::optional<QString> AskName(const QString& name, QPoint screenPoint, QWidget* parent = nullptr);

} // namespace tavelin
