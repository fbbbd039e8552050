#pragma once
// The application object: owns the route model for the whole run, keeps a
// second start from running and brings up the main window.

#include "app/MessageBox.h"
#include "app/SingleInstance.h"
#include "model/RouteModel.h"

#include <QApplication>
#include <memory>

namespace tavelin {

class CMainFrame;

class CN20417App : public QApplication {
    Q_OBJECT
public:
    CN20417App(int& argc, char** argv);
    ~CN20417App() override;

    // Start-up; false means quit (the reason was shown).
    bool InitInstance();

    RouteModel& model() { return m_model; }
    CMainFrame* mainFrame() const { return m_frame.get(); }
    static CN20417App* instance() { return qobject_cast<CN20417App*>(QCoreApplication::instance()); }

    void ShowAbout();

private:
    RouteModel m_model;
    SingleInstanceLock m_lock;
    MessageBoxService m_messageBoxes;
    std::unique_ptr<CMainFrame> m_frame;
};

// The application's model; the one document of the run.
RouteModel& TheModel();

} // namespace tavelin
