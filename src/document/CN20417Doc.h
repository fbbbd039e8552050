#pragma once
// The document object: the file commands around the one route model (New,
// Open..., Save, Save As..., the recent-file list), the window title, the
// question to save changes, and the start-up document. No widgets: the file
// choosers sit behind DocumentFileChooser and questions go through the
// message service.

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

namespace tavelin {

struct RouteModel;

class DocumentFileChooser {
public:
    virtual ~DocumentFileChooser() = default;
    // The chosen path, or empty text when the user cancelled.
    virtual QString chooseOpenPath(QObject* owner, const QString& filter) = 0;
    virtual QString chooseSavePath(QObject* owner, const QString& suggestedPath, const QString& filter) = 0;
};

class CN20417Doc : public QObject {
    Q_OBJECT
public:
    static constexpr int RecentFileCount = 10;

    CN20417Doc(RouteModel& model, DocumentFileChooser& chooser, QObject* parent = nullptr);

    // Set by the map area: stores its scroll position into the header
    // before saving, and tells whether a background map is shown.
    std::function<void()> storeScrollPosition;
    std::function<bool()> hasBackground;
    // Owner of the dialogs and messages (the main window).
    QObject* owner = nullptr;

    const QString& pathName() const { return m_path; }
    QString title() const;       // file name, or the untitled name
    QString windowTitle() const; // title + " - " + the application title
    bool isModified() const { return m_modified; }
    void SetModifiedFlag(bool modified = true);

    // Save and Save As are enabled only while a background map is set.
    bool CanSave() const;

    // The framework's commands. Each returns whether it went through.
    bool OnFileNew();
    bool OnFileOpen();
    bool OnFileSave();
    bool OnFileSaveAs();
    bool OpenRecentFile(int index);
    // Opens `path` as the document (asking to save changes first); the path
    // joins the recent-file list on success and leaves it on failure.
    bool OpenDocumentFile(const QString& path);
    // Before exit: false when the user cancelled or the save failed.
    bool CanCloseFrame() { return SaveModified(); }

    // At start-up: the file argument, else with "KanSet" "FirstOpen" 1 the
    // most recent file, else (or when that fails) a new document.
    bool StartUp(const QString& fileArgument);

    // Asks 61442 when modified: Yes saves, No discards, Cancel stops.
    bool SaveModified();

    QStringList RecentFiles() const;

Q_SIGNALS:
    // A new or opened document is in the model: the views start over from
    // its header.
    void documentChanged();
    void titleChanged(const QString& windowTitle);
    void recentFilesChanged();

private:
    bool NewDocument();
    bool OnOpenDocument(const QString& path);
    bool OnSaveDocument(const QString& path);
    bool DoSave(const QString& path, bool replacePath);
    void SetPathName(const QString& path);
    void AddToRecentFileList(const QString& path);
    void RemoveFromRecentFileList(const QString& path);
    void WriteRecentFiles(const QStringList& files);

    RouteModel& m_model;
    DocumentFileChooser& m_chooser;
    QString m_path;
    bool m_modified = false;
};

} // namespace tavelin
