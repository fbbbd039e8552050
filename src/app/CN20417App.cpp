#include "app/CN20417App.h"

#include "app/CAboutDlg.h"
#include "app/CMainFrame.h"
#include "app/Messages.h"
#include "app/Settings.h"

#include <QFileInfo>

namespace tavelin {
namespace {

constexpr int MsgOutOfMemory = 30001;
constexpr int MsgAlreadyRunning = 30072;

QString ProgramName(char** argv)
{
    // The lock is named after the executable, as one program per name runs.
    return QFileInfo(QString::fromLocal8Bit(argv[0])).completeBaseName();
}

} // namespace

CN20417App::CN20417App(int& argc, char** argv)
    : QApplication(argc, argv)
    , m_lock(ProgramName(argv))
{
    setApplicationName(QStringLiteral("Tavelin"));
    setOrganizationName(QStringLiteral("Orvessa"));
    setDesktopFileName(QStringLiteral("Orvessa.N20417.Tavelin.V1"));
    // Headless runs (scripted checks) keep the stderr service.
    if (qEnvironmentVariable("TAVELIN_MESSAGES") != QLatin1String("stderr"))
        SetMessageService(&m_messageBoxes);
}

CN20417App::~CN20417App()
{
    m_frame.reset();
    if (CurrentMessageService() == &m_messageBoxes)
        SetMessageService(nullptr);
}

bool CN20417App::InitInstance()
{
    if (!m_lock.acquire()) {
        ShowMessage(MsgAlreadyRunning);
        return false;
    }
    if (!m_model.Allocate()) {
        ShowMessage(MsgOutOfMemory);
        return false;
    }
    if (!m_model.ResetForNewDocument())
        return false;

    m_frame = std::make_unique<CMainFrame>();
    connect(m_frame.get(), &CMainFrame::aboutRequested, this, &CN20417App::ShowAbout);
    if (settings::GetInt(QStringLiteral("Last"), QStringLiteral("Zoomed")) == 1)
        m_frame->showMaximized();
    else
        m_frame->show();
    return true;
}

void CN20417App::ShowAbout()
{
    CAboutDlg dialog(m_frame.get());
    dialog.exec();
}

RouteModel& TheModel()
{
    return CN20417App::instance()->model();
}

} // namespace tavelin
