#include "document/CShoriDlg.h"

#include <QApplication>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace tavelin {

CShoriDlg::CShoriDlg(ShoriTask& task, QWidget* parent) : QDialog(parent), m_task(task)
{
    setWindowTitle(QString());
    auto* layout = new QVBoxLayout(this);
    auto* progress = new QProgressBar(this);
    progress->setRange(0, 100);
    progress->setValue(0);
    layout->addWidget(progress);
    auto* hide = new QPushButton(QStringLiteral("非表示"), this);
    hide->setVisible(false);
    layout->addWidget(hide);
}

void CShoriDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_started)
        return;
    m_started = true;
    // Queued, so the work runs inside the dialog's own modal loop.
    QTimer::singleShot(0, this, [this] { done(PerformShoriTask(m_task) ? Accepted : Rejected); });
}

void InstallShoriDialog()
{
    SetShoriRunner([](ShoriTask& task) {
        CShoriDlg dialog(task, QApplication::activeWindow());
        return dialog.exec() == QDialog::Accepted;
    });
}

} // namespace tavelin
