#include "document/CN20417Doc.h"

#include "platform/Messages.h"
#include "platform/Settings.h"
#include "platform/StringTable.h"
#include "document/DocumentFile.h"
#include "model/RouteModel.h"

#include <QDir>
#include <QFileInfo>

namespace tavelin {
namespace {

constexpr int StrDocTemplate = 128;
constexpr int StrUntitled = 61441;
constexpr int MsgAskToSave = 61442;

const QString RecentSection = QStringLiteral("Recent File List");

QString TemplateField(int index)
{
    return LoadString(StrDocTemplate).section(QLatin1Char('\n'), index, index);
}

QString FileFilter() { return TemplateField(3); }

QString Extension() { return TemplateField(4); }

QString Canonical(const QString& path) { return QFileInfo(path).absoluteFilePath(); }

} // namespace

CN20417Doc::CN20417Doc(RouteModel& model, DocumentFileChooser& chooser, QObject* parent)
    : QObject(parent), m_model(model), m_chooser(chooser)
{
}

QString CN20417Doc::title() const
{
    if (!m_path.isEmpty())
        return QFileInfo(m_path).fileName();
    return LoadString(StrUntitled);
}

QString CN20417Doc::windowTitle() const
{
    return title() + QLatin1String(" - ") + TemplateField(0);
}

void CN20417Doc::SetModifiedFlag(bool modified) { m_modified = modified; }

bool CN20417Doc::CanSave() const { return hasBackground ? hasBackground() : m_model.mapPicture != nullptr; }

void CN20417Doc::SetPathName(const QString& path)
{
    m_path = path.isEmpty() ? QString() : Canonical(path);
    Q_EMIT titleChanged(windowTitle());
}

bool CN20417Doc::NewDocument()
{
    const bool ok = m_model.ResetForNewDocument();
    SetPathName({});
    m_modified = false;
    Q_EMIT documentChanged();
    return ok;
}

bool CN20417Doc::OnOpenDocument(const QString& path)
{
    switch (OpenDocument(path, m_model)) {
    case OpenResult::Opened:
        SetPathName(path);
        m_modified = false;
        Q_EMIT documentChanged();
        return true;
    case OpenResult::Refused:
        // The model has been emptied: keeping the old path would let the
        // next save write an empty document over it.
        NewDocument();
        return false;
    case OpenResult::NotOpened:
        break;
    }
    return false;
}

bool CN20417Doc::OnSaveDocument(const QString& path)
{
    if (storeScrollPosition)
        storeScrollPosition();
    if (!SaveDocument(path, m_model))
        return false;
    m_modified = false;
    return true;
}

bool CN20417Doc::DoSave(const QString& path, bool replacePath)
{
    QString target = path;
    if (target.isEmpty()) {
        const QString suggested = m_path.isEmpty() ? QDir::current().filePath(title() + Extension()) : m_path;
        target = m_chooser.chooseSavePath(owner, suggested, FileFilter());
        if (target.isEmpty())
            return false;
        if (QFileInfo(target).suffix().isEmpty())
            target += Extension();
    }
    if (!OnSaveDocument(target))
        return false;
    if (replacePath) {
        SetPathName(target);
        AddToRecentFileList(target);
    }
    return true;
}

bool CN20417Doc::SaveModified()
{
    if (!m_modified)
        return true;
    // The question names the document, so its text is filled in here.
    const QString text = LoadString(MsgAskToSave).arg(title());
    const int answer = CurrentMessageService()->show(MsgAskToSave, {}, text, MessageStyle::YesNoCancel, owner);
    if (answer == IDCANCEL || answer == 0)
        return false;
    if (answer == IDNO)
        return true;
    // Saved even without a background map: the commands are disabled then,
    // but changes the user chose to keep must not be lost.
    return DoSave(m_path, m_path.isEmpty());
}

bool CN20417Doc::OnFileNew()
{
    if (!SaveModified())
        return false;
    return NewDocument();
}

bool CN20417Doc::OnFileOpen()
{
    const QString path = m_chooser.chooseOpenPath(owner, FileFilter());
    if (path.isEmpty())
        return false;
    return OpenDocumentFile(path);
}

bool CN20417Doc::OnFileSave()
{
    if (!CanSave())
        return false;
    return DoSave(m_path, m_path.isEmpty());
}

bool CN20417Doc::OnFileSaveAs()
{
    if (!CanSave())
        return false;
    return DoSave({}, true);
}

bool CN20417Doc::OpenDocumentFile(const QString& path)
{
    // The document already open is not read again.
    if (!m_path.isEmpty() && Canonical(path) == m_path)
        return true;
    if (!SaveModified())
        return false;
    if (!OnOpenDocument(path)) {
        RemoveFromRecentFileList(path);
        return false;
    }
    AddToRecentFileList(path);
    return true;
}

bool CN20417Doc::OpenRecentFile(int index)
{
    const QStringList files = RecentFiles();
    if (index < 0 || index >= files.size())
        return false;
    return OpenDocumentFile(files[index]);
}

bool CN20417Doc::StartUp(const QString& fileArgument)
{
    QString path = fileArgument;
    if (path.isEmpty() && settings::GetInt(QStringLiteral("KanSet"), QStringLiteral("FirstOpen")) == 1) {
        const QStringList files = RecentFiles();
        if (!files.isEmpty())
            path = files.first();
    }
    if (!path.isEmpty() && OpenDocumentFile(path))
        return true;
    return NewDocument();
}

QStringList CN20417Doc::RecentFiles() const
{
    QStringList files;
    for (int i = 1; i <= RecentFileCount; ++i) {
        const QString f = settings::GetString(RecentSection, QStringLiteral("File%1").arg(i), {});
        if (!f.isEmpty())
            files << f;
    }
    return files;
}

void CN20417Doc::WriteRecentFiles(const QStringList& files)
{
    for (int i = 1; i <= RecentFileCount; ++i)
        settings::WriteString(RecentSection, QStringLiteral("File%1").arg(i), i <= files.size() ? files[i - 1] : QString());
    Q_EMIT recentFilesChanged();
}

void CN20417Doc::AddToRecentFileList(const QString& path)
{
    const QString full = Canonical(path);
    QStringList files = RecentFiles();
    files.removeAll(full);
    files.prepend(full);
    while (files.size() > RecentFileCount)
        files.removeLast();
    WriteRecentFiles(files);
}

void CN20417Doc::RemoveFromRecentFileList(const QString& path)
{
    QStringList files = RecentFiles();
    if (files.removeAll(Canonical(path)) + files.removeAll(path) > 0)
        WriteRecentFiles(files);
}

} // namespace tavelin
