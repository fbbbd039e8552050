#pragma once
// The per-user, per-program lock that keeps a second start from running.

#include <QLockFile>
#include <QString>
#include <memory>

namespace tavelin {

class SingleInstanceLock {
public:
    // lockDirectory empty: the default folder (DefaultLockDirectory()).
    explicit SingleInstanceLock(const QString& programName, const QString& lockDirectory = {});
    // True when this process now holds the lock; false when another holds it
    // or the lock file cannot be created.
    bool acquire();
    QString path() const { return m_path; }

    // Beside the settings file when TAVELIN_SETTINGS names one (so tests and
    // separate setups never meet), else the user's runtime folder.
    static QString DefaultLockDirectory();

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace tavelin
