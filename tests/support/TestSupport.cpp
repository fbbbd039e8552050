#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <cstdlib>

namespace tavelin::test {

void ResetSettings()
{
    const QString path = qEnvironmentVariable("TAVELIN_SETTINGS");
    if (path.isEmpty())
        std::abort(); // never run a test against a user's own settings
    QSettings(path, QSettings::IniFormat).clear();
    QFile::remove(path);
}

TempDir::TempDir() : m_dir(QDir::tempPath() + QStringLiteral("/tavelin-test-XXXXXX")) {}

} // namespace tavelin::test
