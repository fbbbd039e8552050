#include "app/CN20417App.h"

#include "app/CMainFrame.h"
#include "platform/Messages.h"
#include "print/PrinterSetup.h"
#include "platform/Settings.h"
#include "document/CN20417Doc.h"
#include "document/FileDialogChooser.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPrinter>

namespace tavelin
{
namespace
{

constexpr int MsgOutOfMemory = 30001;
constexpr int MsgAlreadyRunning = 30072;

QString ExecutableName()
{
    // The lock is named after the executable, as one program per name runs.
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

} // namespace

CN20417App::CN20417App(const QString& programName, QObject* parent)
    : QObject(parent), m_lock(programName.isEmpty() ? ExecutableName() : programName),
      m_chooser(std::make_unique<FileDialogChooser>())
{
    s_instance = this;
}

CN20417App::~CN20417App()
{
    // The frame refers to the document, the document to the model.
    m_frame.reset();
    m_document.reset();
    if (s_instance == this)
        s_instance = nullptr;
}

void CN20417App::SetFileChooser(std::unique_ptr<DocumentFileChooser> chooser)
{
    m_chooser = std::move(chooser);
}

bool CN20417App::InitInstance(const QStringList& arguments)
{
    if (!m_lock.acquire()) {
        ShowMessage(MsgAlreadyRunning);
        return false;
    }
    // The settings store is QSettings("Orvessa", "Tavelin"), chosen in the
    // settings service itself: nothing to set up here.
    if (!m_model.Allocate()) {
        ShowMessage(MsgOutOfMemory);
        return false;
    }

    m_document = std::make_unique<CN20417Doc>(m_model, *m_chooser);
    MapArea* map = createMapArea ? createMapArea() : nullptr;
    ListArea* list = createListArea ? createListArea() : nullptr;
    m_frame = std::make_unique<CMainFrame>(map, list);
    m_frame->createNavigationDialog = createNavigationDialog;
    m_frame->SetDocument(m_document.get());
    if (wireFrame)
        wireFrame(*m_frame);

    // The command line: a file named on it is opened; when it cannot be,
    // the reason has been shown and the program carries on with a new
    // document rather than ending.
    const QString fileArgument = arguments.isEmpty() ? QString() : arguments.first();
    bool opened = false;
    if (!fileArgument.isEmpty())
        opened = m_document->OpenDocumentFile(fileArgument);
    if (!opened && !m_document->OnFileNew())
        return false;

    if (settings::GetInt(QStringLiteral("Last"), QStringLiteral("Zoomed")) == 1)
        m_frame->showMaximized();
    else
        m_frame->show();

    m_animationCount = settings::GetInt(QStringLiteral("KanSet"), QStringLiteral("PlayAnime"));
    m_animationSpeed = settings::GetInt(QStringLiteral("KanSet"), QStringLiteral("SpeedAnime"));

    if (fileArgument.isEmpty() &&
        settings::GetInt(QStringLiteral("KanSet"), QStringLiteral("FirstOpen")) == 1) {
        const QString recent =
            settings::GetString(QStringLiteral("Recent File List"), QStringLiteral("File1"));
        if (!recent.isEmpty())
            m_document->OpenDocumentFile(recent);
    }

    m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    m_printerReady = InitPrinterSetup(*m_printer, m_frame.get());

    m_frame->ShowNavigationAtStartUp();
    m_frame->UpdateCommands();
    return true;
}

RouteModel& TheModel()
{
    return CN20417App::instance()->model();
}

} // namespace tavelin
