#include "editors/CRenameDlg.h"

#include "platform/Cp932.h"
#include "platform/Messages.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace tavelin
{
namespace
{

constexpr int MsgNoText = 30007;
constexpr int MsgTooLong = 30008;
constexpr int MsgNotShiftJis = 31200;

} // namespace

CRenameDlg::CRenameDlg(const QString& name, QPoint screenPoint, QWidget* parent)
    : QDialog(parent), m_point(screenPoint)
{
    setObjectName(QStringLiteral("CRenameDlg"));
    setWindowTitle(QStringLiteral("名前の入力"));

    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("name"));
    m_edit->setMinimumWidth(260);
    m_counter = new QLabel(QStringLiteral("(100/100)"), this);
    m_counter->setObjectName(QStringLiteral("counter"));
    auto* ok = new QPushButton(QStringLiteral("OK(&S)"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CRenameDlg::accept);
    connect(m_edit, &QLineEdit::textChanged, this, &CRenameDlg::UpdateCounter);

    auto* row = new QHBoxLayout;
    row->addWidget(m_counter);
    row->addStretch(1);
    row->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_edit);
    layout->addLayout(row);

    m_edit->setText(name);
    UpdateCounter();
}

QString CRenameDlg::name() const
{
    return m_edit->text();
}

int CRenameDlg::CountBytes(const QString& text)
{
    const int whole = cp932::ByteLength(text);
    if (whole >= 0)
        return whole;
    int bytes = 0;
    for (const char32_t c : text.toUcs4()) {
        const int n = cp932::ByteLength(QString::fromUcs4(&c, 1));
        bytes += n >= 0 ? n : 2;
    }
    return bytes;
}

void CRenameDlg::UpdateCounter()
{
    m_counter->setText(QStringLiteral("%1/%2").arg(CountBytes(m_edit->text())).arg(MaxNameBytes));
}

void CRenameDlg::accept()
{
    const QString text = m_edit->text();
    int refusal = 0;
    if (text.isEmpty())
        refusal = MsgNoText;
    else if (CountBytes(text) > MaxNameBytes)
        refusal = MsgTooLong;
    else if (!cp932::Encode(text))
        refusal = MsgNotShiftJis; // the name could not be stored as typed
    if (refusal != 0) {
        ShowMessage(refusal, this);
        m_edit->setFocus();
        return;
    }
    QDialog::accept();
}

void CRenameDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Bottom-left corner at the point, size unchanged; kept on the screen.
    QRect frame = frameGeometry();
    frame.moveBottomLeft(m_point);
    if (const QScreen* screen = QGuiApplication::screenAt(m_point)) {
        const QRect area = screen->availableGeometry();
        frame.moveLeft(std::clamp(frame.left(), area.left(),
                                  std::max(area.left(), area.right() - frame.width())));
        frame.moveTop(std::clamp(frame.top(), area.top(),
                                 std::max(area.top(), area.bottom() - frame.height())));
    }
    move(frame.topLeft());
}

std::optional<QString> AskName(const QString& name, QPoint screenPoint, QWidget* parent)
{
    CRenameDlg dialog(name, screenPoint, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.name();
}

} // namespace tavelin
