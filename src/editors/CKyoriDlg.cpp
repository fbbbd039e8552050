#include "editors/CKyoriDlg.h"

#include "geo/Geodesy.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace tavelin
{
namespace
{

QLineEdit* MetresEdit(const QString& name, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setAlignment(Qt::AlignCenter);
    // Digits only, as the platform's number edit.
    edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    edit->setText(QString::number(GroundSizeEntry::InitialMetres));
    edit->setMinimumWidth(90);
    return edit;
}

QHBoxLayout* Labelled(const QString& label, QLineEdit* edit, QWidget* parent)
{
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(label, parent));
    row->addWidget(edit);
    row->addWidget(new QLabel(QStringLiteral("m"), parent));
    return row;
}

} // namespace

CKyoriDlg::CKyoriDlg(float northLat, float westLon, QWidget* parent)
    : QDialog(parent), m_entry(northLat, westLon)
{
    setObjectName(QStringLiteral("CKyoriDlg"));
    setWindowTitle(QStringLiteral("地図のタテ・ヨコの距離セット"));

    m_northWest = new QLabel(this);
    m_northWest->setObjectName(QStringLiteral("northWest"));
    m_southEast = new QLabel(this);
    m_southEast->setObjectName(QStringLiteral("southEast"));
    m_height = MetresEdit(QStringLiteral("height"), this);
    m_width = MetresEdit(QStringLiteral("width"), this);
    m_height->installEventFilter(this);
    m_width->installEventFilter(this);

    // The grey frame stands for the map between the two corners; the width
    // runs along its top, the height down its side.
    auto* map = new QFrame(this);
    map->setObjectName(QStringLiteral("mapFrame"));
    map->setFrameShape(QFrame::Box);
    map->setStyleSheet(QStringLiteral("QFrame#mapFrame { background: #c0c0c0; }"));
    map->setMinimumSize(160, 90);

    auto* northWest = new QVBoxLayout;
    northWest->addWidget(new QLabel(QStringLiteral("北西角の緯度・経度"), this));
    northWest->addWidget(m_northWest);
    auto* southEast = new QVBoxLayout;
    southEast->addWidget(new QLabel(QStringLiteral("東南角の緯度・経度"), this));
    southEast->addWidget(m_southEast);

    auto* grid = new QGridLayout;
    grid->addLayout(northWest, 0, 0, 1, 2);
    grid->addLayout(Labelled(QStringLiteral("ヨコの距離"), m_width, this), 1, 1);
    grid->addLayout(Labelled(QStringLiteral("タテの距離"), m_height, this), 2, 0);
    grid->addWidget(map, 2, 1);
    grid->addLayout(southEast, 3, 1, Qt::AlignRight);

    auto* ok = new QPushButton(QStringLiteral("保存して終了(&S)"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("中止(&C)"), this);
    cancel->setObjectName(QStringLiteral("cancel"));
    connect(ok, &QPushButton::clicked, this, &CKyoriDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    m_northWest->setText(m_entry.northWestText());
    recompute();
}

void CKyoriDlg::recompute()
{
    m_entry.recompute(m_height->text(), m_width->text());
    m_southEast->setText(m_entry.southEastText());
}

bool CKyoriDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut && (watched == m_height || watched == m_width))
        recompute();
    return QDialog::eventFilter(watched, event);
}

void CKyoriDlg::accept()
{
    if (!m_entry.accept(m_height->text(), m_width->text(), this)) {
        (LeadingInteger(m_height->text()) == 0 ? m_height : m_width)->setFocus();
        return;
    }
    m_southEast->setText(m_entry.southEastText());
    QDialog::accept();
}

std::optional<GroundSizeEntry> ManualGroundSize(float northLat, float westLon, QWidget* parent)
{
    CKyoriDlg dialog(northLat, westLon, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.values();
}

} // namespace tavelin
