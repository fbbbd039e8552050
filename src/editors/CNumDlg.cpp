#include "editors/CNumDlg.h"

#include "geo/Geodesy.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace tavelin
{

CNumDlg::CNumDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CNumDlg"));
    setWindowTitle(QStringLiteral("回数指定"));

    m_edit = new QLineEdit(QString::number(MinCount), this);
    m_edit->setObjectName(QStringLiteral("count"));
    m_edit->setAlignment(Qt::AlignRight);
    m_edit->setMaximumWidth(60);
    m_up = new QToolButton(this);
    m_up->setObjectName(QStringLiteral("up"));
    m_up->setArrowType(Qt::UpArrow);
    m_up->setAutoRepeat(true);
    m_down = new QToolButton(this);
    m_down->setObjectName(QStringLiteral("down"));
    m_down->setArrowType(Qt::DownArrow);
    m_down->setAutoRepeat(true);
    for (QToolButton* b : {m_up, m_down})
        b->setFixedSize(16, 11);
    connect(m_up, &QToolButton::clicked, this, [this] { Step(1); });
    connect(m_down, &QToolButton::clicked, this, [this] { Step(-1); });

    auto* spin = new QVBoxLayout;
    spin->setSpacing(0);
    spin->addWidget(m_up);
    spin->addWidget(m_down);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("回数："), this));
    row->addWidget(m_edit);
    row->addLayout(spin);
    row->addWidget(new QLabel(QStringLiteral("( 2 ～ 99 )"), this));
    row->addStretch(1);

    auto* ok = new QPushButton(QStringLiteral("決定(&O)"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("中止(&C)"), this);
    cancel->setObjectName(QStringLiteral("cancel"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons);
    m_edit->setFocus();
    m_edit->selectAll();
}

int CNumDlg::count() const
{
    return LeadingInteger(m_edit->text());
}

void CNumDlg::Step(int by)
{
    // The up-down control keeps its own position within its range and
    // writes it into the edit.
    const int now = std::clamp(count(), MinCount, MaxCount);
    m_edit->setText(QString::number(std::clamp(now + by, MinCount, MaxCount)));
}

std::optional<int> AskRepeatCount(QWidget* parent)
{
    CNumDlg dialog(parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.count();
}

} // namespace tavelin
