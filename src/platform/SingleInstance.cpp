#include "platform/SingleInstance.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace tavelin {

SingleInstanceLock::SingleInstanceLock(const QString& programName, const QString& lockDirectory)
{
    const QString dir = lockDirectory.isEmpty() ? DefaultLockDirectory() : lockDirectory;
    m_path = QDir(dir).filePath(programName + QStringLiteral(".lock"));
}

bool SingleInstanceLock::acquire()
{
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    m_lock = std::make_unique<QLockFile>(m_path);
    // A lock left by a crashed run is stale (its process is gone) and QLockFile
    // takes it over; a live holder makes this fail at once.
    if (m_lock->tryLock(0))
        return true;
    m_lock.reset();
    return false;
}

QString SingleInstanceLock::DefaultLockDirectory()
{
    const QString settingsFile = qEnvironmentVariable("TAVELIN_SETTINGS");
    if (!settingsFile.isEmpty())
        return QFileInfo(settingsFile).absolutePath();
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return dir;
}

} // namespace tavelin
