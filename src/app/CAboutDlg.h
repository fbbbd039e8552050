#pragma once
// The About box: product line, program icon and the version history.

#include <QDialog>

namespace tavelin {

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    // The history text: strings 30209 down to 30200, newest first, each
    // followed by a line break.
    static QString HistoryText();
};

} // namespace tavelin
