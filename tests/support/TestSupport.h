#pragma once
// Helpers shared by the tests.

#include <QString>
#include <QTemporaryDir>

namespace tavelin::test {

// Empties the settings file of this test executable (TAVELIN_SETTINGS), so
// each test starts from the defaults.
void ResetSettings();

// A fresh temporary folder removed at the end of the test.
class TempDir {
public:
    TempDir();
    QString path() const { return m_dir.path(); }
    QString file(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};

} // namespace tavelin::test
