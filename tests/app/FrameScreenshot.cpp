// Writes a picture of the main window as the program starts, taken
// offscreen: FrameScreenshot OUT.png [menu OUT2.png]
// The settings go to a file of their own beside the picture, so a user's
// settings never colour it.

#include "app/CMainFrame.h"
#include "app/CN20417App.h"
#include "app/RibbonAppMenu.h"
#include "app/RibbonBar.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QPainter>
#include <QTimer>
#include <cstdio>

using namespace tavelin;

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUT.png [MENU.png]\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QString out = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    const QString ini = out + QStringLiteral(".settings.ini");
    QFile::remove(ini);
    qputenv("TAVELIN_SETTINGS", ini.toLocal8Bit());
    qputenv("TAVELIN_MESSAGES", "stderr");

    QApplication qapp(argc, argv);
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(12);
    QApplication::setFont(font);

    int rc = 0;
    {
        CN20417App app(QStringLiteral("tavelin-screenshot"));
        if (!app.InitInstance({}))
            return 1;
        CMainFrame* frame = app.mainFrame();
        frame->resize(1280, 720);
        QApplication::processEvents();
        if (!frame->grab().save(out)) {
            std::fprintf(stderr, "cannot write %s\n", argv[1]);
            rc = 1;
        }
        if (argc >= 3) {
            // The application menu opened over the window.
            RibbonAppMenu* menu = frame->ribbon()->applicationMenu();
            frame->ribbon()->ShowApplicationMenu();
            QApplication::processEvents();
            QPixmap picture = frame->grab();
            QPainter p(&picture);
            p.drawPixmap(frame->mapFromGlobal(menu->pos()), menu->grab());
            p.end();
            menu->hide();
            if (!picture.save(QString::fromLocal8Bit(argv[2])))
                rc = 1;
        }
        frame->close();
    }
    QFile::remove(ini);
    return rc;
}
