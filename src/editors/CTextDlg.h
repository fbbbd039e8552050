#pragma once
// Dialog 327 "付箋のテキスト": edits a slip's text, at most 1,000 bytes of
// Shift-JIS, with a byte counter. The limit is checked on OK only.

#include <QByteArray>
#include <QDialog>
#include <optional>

class QLabel;
class QPlainTextEdit;

namespace tavelin
{

struct RouteModel;
class SlipOperations;

class CTextDlg : public QDialog
{
    Q_OBJECT
public:
    // `text` as the record holds it (CP932, CR LF line breaks).
    explicit CTextDlg(const QByteArray& text, QWidget* parent = nullptr);

    // After OK: the text for the record.
    const QByteArray& text() const { return m_buffer; }

    // "[%04d]" of the text's length in record bytes (a line break is two).
    static QString CounterText(int bytes);

    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateCounter();

    QPlainTextEdit* m_edit = nullptr; // 1000
    QLabel* m_counter = nullptr;      // 1020
    QByteArray m_buffer;
};

// Opens the text dialog with slip `slip`'s text; the new text after OK.
std::optional<QByteArray> EditSlipText(const RouteModel& model, int slip, QWidget* parent);

// "テキスト編集" (32810), also a double click on an image slip: the dialog
// for the primary slip, then the text into every selected slip and the
// node list's note column of the nodes noting them.
bool EditSelectedSlipsText(const RouteModel& model, int primarySlip, SlipOperations& operations,
                           QWidget* parent);

} // namespace tavelin
