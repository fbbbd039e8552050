#pragma once
// The small modal processing dialog: an empty caption, a progress bar that
// does not advance and a hidden "非表示" button. It runs its task as soon as
// it is shown and closes with the task's result.

#include "document/ShoriTask.h"

#include <QDialog>

namespace tavelin {

class CShoriDlg : public QDialog {
public:
    explicit CShoriDlg(ShoriTask& task, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    ShoriTask& m_task;
    bool m_started = false;
};

// Makes RunShori show the dialog (called once at start-up).
void InstallShoriDialog();

} // namespace tavelin
