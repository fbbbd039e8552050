#include "document/WorkFolder.h"

#include "platform/Messages.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace tavelin {
namespace {

constexpr int MsgNoWorkFolder = 30002;

// Creates `path` private to the user, or accepts it when it already is a
// folder of ours. Never follows a symbolic link someone may have planted.
bool EnsurePrivateFolder(const QString& path)
{
    const QByteArray native = QFile::encodeName(path);
    if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST)
        return false;
    struct stat st {};
    if (::lstat(native.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid())
        return false;
    if ((st.st_mode & 0777) != 0700 && ::chmod(native.constData(), 0700) != 0)
        return false;
    return true;
}

} // namespace

QString WorkFolderPath(const QString& subFolder)
{
    QString path = QDir::cleanPath(QDir::tempPath()) + QLatin1String("/Tavelin");
    if (!EnsurePrivateFolder(path))
        return {};
    if (!subFolder.isEmpty()) {
        path += QLatin1Char('/') + subFolder;
        if (!EnsurePrivateFolder(path))
            return {};
    }
    return path;
}

QString WorkFolder(const QString& subFolder)
{
    QString path = WorkFolderPath(subFolder);
    if (path.isEmpty())
        ShowMessage(MsgNoWorkFolder);
    return path;
}

} // namespace tavelin
