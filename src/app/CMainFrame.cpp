#include "app/CMainFrame.h"

#include "app/StringTable.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace tavelin {

CMainFrame::CMainFrame(QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("CMainFrame"));
    setWindowTitle(TemplateTitle());
    resize(1200, 800);

    QMenu* file = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    QAction* about = file->addAction(QStringLiteral("バージョン情報(&A)"));
    about->setObjectName(QStringLiteral("ID_APP_ABOUT"));
    connect(about, &QAction::triggered, this, &CMainFrame::aboutRequested);
    QAction* quit = file->addAction(QStringLiteral("終了(&X)"));
    quit->setObjectName(QStringLiteral("ID_APP_EXIT"));
    connect(quit, &QAction::triggered, this, &QWidget::close);
}

QString CMainFrame::TemplateTitle()
{
    return LoadString(128).section(u'\n', 0, 0);
}

} // namespace tavelin
