#pragma once
// The work of the processing dialog CShoriDlg: packing a data file into a
// cabinet, or unpacking a cabinet into the working folder. The dialog itself
// is a widget; the core runs the work through a runner that the program
// replaces with the modal dialog (tests and tools run it directly).

#include <QString>
#include <QStringList>
#include <functional>

namespace tavelin {

struct ShoriTask {
    enum Mode { Unpack = 0, Pack = 1 };
    int mode = Unpack;
    QString packSource;        // full path of the data file to add
    QString packName;          // member name and file name of the cabinet
    QString packFolder;        // folder of the cabinet, with a trailing "/"
    QString unpackDestination; // working folder, with a trailing "/"
    QString unpackName;        // file name of the cabinet
    QString unpackFolder;      // folder of the cabinet, with a trailing "/"

    QStringList extracted;     // result of unpacking: files written, relative
};

// PackDocument or UnpackDocument for the task's mode; shows their messages.
bool PerformShoriTask(ShoriTask& task);

// Runs the task through the installed runner (the modal dialog in the
// program), or directly when none is installed.
bool RunShori(ShoriTask& task);

using ShoriRunner = std::function<bool(ShoriTask&)>;
// An empty runner restores running the work directly.
void SetShoriRunner(ShoriRunner runner);

} // namespace tavelin
