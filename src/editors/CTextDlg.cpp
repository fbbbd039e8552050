#include "editors/CTextDlg.h"

#include "mapview/SlipOperations.h"
#include "mapview/SlipText.h"
#include "model/RouteModel.h"
#include "platform/Messages.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavelin
{
namespace
{

constexpr int MsgNoText = 30007;
constexpr int MsgTextTooLong = 30008;
constexpr int MsgCharactersNotStorable = 31400;

} // namespace

CTextDlg::CTextDlg(const QByteArray& text, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("付箋のテキスト"));
    setObjectName(QStringLiteral("CTextDlg"));

    auto* caption = new QLabel(QStringLiteral("1 テキスト： [max = 1,000]"), this);
    m_counter = new QLabel(QStringLiteral("[0000]"), this);
    m_counter->setObjectName(QStringLiteral("counter"));
    m_edit = new QPlainTextEdit(this);
    m_edit->setObjectName(QStringLiteral("text"));
    m_edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_edit->setTabChangesFocus(true);
    m_edit->setMinimumSize(420, 220);
    m_edit->installEventFilter(this);

    auto* ok = new QPushButton(QStringLiteral("保存して終了(&S)"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setAutoDefault(false);
    auto* cancel = new QPushButton(QStringLiteral("中止(&C)"), this);
    cancel->setObjectName(QStringLiteral("cancel"));
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &CTextDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CTextDlg::reject);

    auto* head = new QHBoxLayout;
    head->addWidget(caption);
    head->addStretch();
    head->addWidget(m_counter);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(head);
    layout->addWidget(m_edit, 1);
    layout->addLayout(buttons);

    m_edit->setPlainText(DecodeSlipText(text));
    connect(m_edit, &QPlainTextEdit::textChanged, this, &CTextDlg::updateCounter);
    updateCounter();
    m_edit->setFocus();
}

QString CTextDlg::CounterText(int bytes)
{
    return QStringLiteral("[%1]").arg(bytes, 4, 10, QLatin1Char('0'));
}

void CTextDlg::updateCounter()
{
    m_counter->setText(CounterText(int(EncodeSlipText(m_edit->toPlainText()).bytes.size())));
}

bool CTextDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_edit && event->type() == QEvent::FocusIn)
        updateCounter();
    return QDialog::eventFilter(watched, event);
}

void CTextDlg::accept()
{
    const EncodedSlipText encoded = EncodeSlipText(m_edit->toPlainText());
    int refusal = 0;
    if (m_edit->toPlainText().isEmpty())
        refusal = MsgNoText;
    else if (encoded.droppedCharacters)
        refusal = MsgCharactersNotStorable;
    else if (encoded.bytes.size() > SlipTextBytes)
        refusal = MsgTextTooLong;
    if (refusal != 0) {
        ShowMessage(refusal, this);
        m_edit->setFocus();
        return;
    }
    m_buffer = encoded.bytes;
    QDialog::accept();
}

std::optional<QByteArray> EditSlipText(const RouteModel& model, int slip, QWidget* parent)
{
    if (slip < 0 || slip >= model.slipCount)
        return std::nullopt;
    CTextDlg dialog(SlipTextField(model.slips[slip]), parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.text();
}

bool EditSelectedSlipsText(const RouteModel& model, int primarySlip, SlipOperations& operations,
                           QWidget* parent)
{
    const std::optional<QByteArray> text = EditSlipText(model, primarySlip, parent);
    if (!text)
        return false;
    operations.ApplySlipText(*text);
    return true;
}

} // namespace tavelin
