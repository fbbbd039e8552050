#pragma once
// The application object: owns the route model for the whole run, keeps a
// second start from running, creates the document and the main window, and
// holds the choices read at start-up (animation, printer). The QApplication
// itself lives in main(), so tests can start the program's start-up under
// their own application.

#include "platform/Areas.h"
#include "platform/SingleInstance.h"
#include "model/RouteModel.h"

#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>

class QPrinter;

namespace tavelin
{

class CMainFrame;
class CN20417Doc;
class DocumentFileChooser;

class CN20417App : public QObject
{
    Q_OBJECT
public:
    // programName names the single-instance lock; empty: the executable's
    // name.
    explicit CN20417App(const QString& programName = {}, QObject* parent = nullptr);
    ~CN20417App() override;

    // Start-up, in order: single instance, settings, model, document and
    // frame, command line (`arguments` without the program), window,
    // animation settings, "FirstOpen", printer defaults, navigation dialog.
    // False means quit (the reason was shown).
    bool InitInstance(const QStringList& arguments);

    RouteModel& model() { return m_model; }
    CMainFrame* mainFrame() const { return m_frame.get(); }
    CN20417Doc* document() const { return m_document.get(); }
    // The default printer's settings; null before start-up or when no
    // printing is possible.
    QPrinter* printer() const { return m_printerReady ? m_printer.get() : nullptr; }

    int animationCount() const { return m_animationCount; }
    int animationSpeed() const { return m_animationSpeed; }
    void SetAnimationCount(int count) { m_animationCount = count; }
    void SetAnimationSpeed(int speed) { m_animationSpeed = speed; }

    static CN20417App* instance() { return s_instance; }

    // Set before InitInstance: the panes (placeholders when empty), the
    // navigation dialog and the wiring of commands that other parts handle.
    std::function<MapArea*()> createMapArea;
    std::function<ListArea*()> createListArea;
    std::function<QWidget*(QWidget* owner)> createNavigationDialog;
    std::function<void(CMainFrame&)> wireFrame;
    // The document's file choosers (Qt file dialogs unless replaced).
    void SetFileChooser(std::unique_ptr<DocumentFileChooser> chooser);

private:
    static inline CN20417App* s_instance = nullptr;

    RouteModel m_model;
    SingleInstanceLock m_lock;
    std::unique_ptr<DocumentFileChooser> m_chooser;
    std::unique_ptr<CN20417Doc> m_document;
    std::unique_ptr<CMainFrame> m_frame;
    std::unique_ptr<QPrinter> m_printer;
    bool m_printerReady = false;
    int m_animationCount = 3;
    int m_animationSpeed = 0;
};

// The application's model; the one document of the run.
RouteModel& TheModel();

} // namespace tavelin
