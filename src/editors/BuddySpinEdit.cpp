#include "editors/BuddySpinEdit.h"

#include "geo/Geodesy.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace tavelin
{

BuddySpinEdit::BuddySpinEdit(int editMinimum, int spinMinimum, int maximum, QWidget* parent)
    : QWidget(parent), m_editMinimum(editMinimum), m_spinMinimum(spinMinimum), m_maximum(maximum),
      m_position(spinMinimum)
{
    m_edit = new QLineEdit(this);
    m_edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_edit));
    m_edit->setFixedWidth(44);
    m_edit->setAlignment(Qt::AlignRight);
    m_up = new QToolButton(this);
    m_up->setArrowType(Qt::UpArrow);
    m_down = new QToolButton(this);
    m_down->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {m_up, m_down}) {
        b->setFixedSize(18, 12);
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
    }
    auto* arrows = new QVBoxLayout;
    arrows->setContentsMargins(0, 0, 0, 0);
    arrows->setSpacing(0);
    arrows->addWidget(m_up);
    arrows->addWidget(m_down);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    layout->addWidget(m_edit);
    layout->addLayout(arrows);
    setFocusProxy(m_edit);

    connect(m_edit, &QLineEdit::textChanged, this, &BuddySpinEdit::textChanged);
    connect(m_edit, &QLineEdit::editingFinished, this, &BuddySpinEdit::leave);
    connect(m_up, &QToolButton::clicked, this, [this] { step(1); });
    connect(m_down, &QToolButton::clicked, this, [this] { step(-1); });
}

void BuddySpinEdit::setPosition(int value)
{
    m_position = std::clamp(value, m_spinMinimum, m_maximum);
    m_edit->setText(QString::number(m_position));
}

void BuddySpinEdit::textChanged(const QString& text)
{
    // Filling the dialog is not typing.
    if (!window()->isVisible())
        return;
    const int value = LeadingInteger(text);
    if (value > m_maximum) {
        m_edit->setText(QString::number(m_maximum)); // arrives here again
        return;
    }
    if (value < m_editMinimum)
        return;
    if (value >= m_spinMinimum)
        m_position = value;
    Q_EMIT valueTyped(value);
}

void BuddySpinEdit::leave()
{
    if (LeadingInteger(m_edit->text()) < m_editMinimum)
        m_edit->setText(QString::number(m_editMinimum));
}

void BuddySpinEdit::step(int by)
{
    setPosition(m_position + by);
}

} // namespace tavelin
