#pragma once
// The main window.

#include <QMainWindow>

namespace tavelin {

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(QWidget* parent = nullptr);

    // The window title: the first field of the document template (string 128).
    static QString TemplateTitle();

Q_SIGNALS:
    void aboutRequested();
};

} // namespace tavelin
