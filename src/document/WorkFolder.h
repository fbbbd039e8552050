#pragma once
// The working folder: the user's temporary-files folder plus "Tavelin", home
// of the data file during open and save and of the image conversion files.

#include <QString>

namespace tavelin {

// The folder path (no trailing separator), created when missing, optionally
// with `subFolder` below it. On a shared temporary folder it must be private:
// it is created with mode 0700, tightened to 0700 when it is ours, and
// refused when it belongs to someone else or is not a plain folder (a
// symbolic link, a file). On failure shows 30002 and returns empty text.
// The process's current directory is left alone: relative paths given by the
// user keep meaning what they meant.
QString WorkFolder(const QString& subFolder = {});

// As WorkFolder, without the message: empty text on failure.
QString WorkFolderPath(const QString& subFolder = {});

} // namespace tavelin
