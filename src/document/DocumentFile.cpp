#include "document/DocumentFile.h"

#include "platform/Messages.h"
#include "platform/Settings.h"
#include "document/Cabinet.h"
#include "document/DataFile.h"
#include "document/ShoriTask.h"
#include "document/WorkFolder.h"
#include "model/RouteModel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cstdio>

namespace tavelin {
namespace {

constexpr int MsgSaveFailed = 30018;
constexpr int MsgOpenFailed = 30026;
constexpr int MsgFolderCannotOpen = 30066;
constexpr int MsgNotFound = 30077;
constexpr int MsgBackupFailed = 30091;

QString Line(const QString& path) { return QDir::toNativeSeparators(path) + QLatin1Char('\n'); }

void RemoveExtracted(const QString& folder, const QStringList& files)
{
    const QDir dir(folder);
    for (const QString& f : files)
        QFile::remove(dir.filePath(f));
}

// Copies the document to its backup path, replacing an older backup only
// once the new copy is complete.
bool MakeBackup(const QString& documentPath)
{
    const QString backup = BackupPath(documentPath);
    if (backup.isEmpty())
        return false;
    QTemporaryFile temp(QFileInfo(backup).absolutePath() + QLatin1String("/.backup.XXXXXX"));
    if (!temp.open())
        return false;
    QFile source(documentPath);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    char buffer[1 << 16];
    for (;;) {
        const qint64 n = source.read(buffer, sizeof buffer);
        if (n < 0)
            return false;
        if (n == 0)
            break;
        if (temp.write(buffer, n) != n)
            return false;
    }
    if (!temp.flush())
        return false;
    temp.setPermissions(source.permissions());
    if (std::rename(QFile::encodeName(temp.fileName()).constData(), QFile::encodeName(backup).constData()) != 0)
        return false;
    temp.setAutoRemove(false);
    return true;
}

} // namespace

QString BackupPath(const QString& documentPath)
{
    const QFileInfo info(documentPath);
    const QString name = info.fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return {};
    return info.absolutePath() + QLatin1Char('/') + name.left(dot) + QLatin1String("(back).TVN");
}

OpenResult OpenDocument(const QString& path, RouteModel& model, int* version)
{
    if (path.size() < 3 || path.right(3).toUpper() != QLatin1String("TVN"))
        return OpenResult::NotOpened;
    const QFileInfo info(path);
    if (!info.exists()) {
        ShowMessage(MsgNotFound, nullptr, Line(path));
        return OpenResult::NotOpened;
    }
    if (info.isDir()) {
        ShowMessage(MsgFolderCannotOpen);
        return OpenResult::NotOpened;
    }
    const QString work = WorkFolder();
    if (work.isEmpty())
        return OpenResult::NotOpened;

    ShoriTask task;
    task.mode = ShoriTask::Unpack;
    task.unpackDestination = work + QLatin1Char('/');
    task.unpackName = info.fileName();
    task.unpackFolder = info.absolutePath() + QLatin1Char('/');
    const bool unpacked = RunShori(task);
    if (!unpacked) {
        RemoveExtracted(work, task.extracted);
        return OpenResult::NotOpened;
    }

    QFile data(work + QLatin1Char('/') + dataFileName);
    if (!data.open(QIODevice::ReadOnly)) {
        ShowMessage(MsgOpenFailed, nullptr, Line(path));
        RemoveExtracted(work, task.extracted);
        return OpenResult::NotOpened;
    }
    const bool read = DataFileReader(data, model, version);
    data.close();
    // Every member is a working copy; none is left behind.
    RemoveExtracted(work, task.extracted);
    return read ? OpenResult::Opened : OpenResult::Refused;
}

bool SaveDocument(const QString& path, RouteModel& model)
{
    model.ClearSelectionMarks();
    const QFileInfo info(path);
    if (info.fileName().isEmpty())
        return false;
    const QString work = WorkFolder();
    if (work.isEmpty())
        return false;
    const QString dataPath = work + QLatin1Char('/') + info.fileName();

    QFile data(dataPath);
    if (!data.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        ShowMessage(MsgOpenFailed, nullptr, Line(dataPath));
        return false;
    }
    bool written = DataFileWriter(data, model);
    written = data.flush() && written;
    data.close();
    written = written && data.error() == QFileDevice::NoError;
    if (!written) {
        QFile::remove(dataPath);
        ShowMessage(MsgSaveFailed, nullptr, Line(dataPath));
        return false;
    }

    if (info.exists() && settings::GetInt(QStringLiteral("KanSet"), QStringLiteral("MakeBackup")) == 1
        && !MakeBackup(info.absoluteFilePath())) {
        // The data file stays in the working folder, as it always has here.
        ShowMessage(MsgBackupFailed);
        return false;
    }

    ShoriTask task;
    task.mode = ShoriTask::Pack;
    task.packSource = dataPath;
    task.packName = info.fileName();
    task.packFolder = info.absolutePath() + QLatin1Char('/');
    const bool packed = RunShori(task);
    QFile::remove(dataPath);
    if (!packed)
        return false;

    settings::WriteString(QStringLiteral("Last"), QStringLiteral("FilePath"), info.absoluteFilePath());
    return true;
}

} // namespace tavelin
