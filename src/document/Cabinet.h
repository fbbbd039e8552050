#pragma once
// The .tvn cabinet: a Microsoft Cabinet file holding the data file as one
// MSZIP member named like the document. Messages are shown here; callers
// only see success or failure.

#include <QString>
#include <QStringList>

namespace tavelin {

// The name of the member most recently extracted from a cabinet (relative to
// the folder it was extracted into, "/" between folders); empty at start.
extern QString dataFileName;

// Packs `sourcePath` as the single member `memberName` into a new cabinet at
// `cabinetPath`. The cabinet is written to a temporary file in the same
// folder and renamed over `cabinetPath` only once complete, so a failure
// leaves an earlier file there untouched. Member time: the source's last
// write (local time); attributes: read-only and archive. Shows 30035 on
// failure.
bool PackDocument(const QString& sourcePath, const QString& memberName, const QString& cabinetPath);

// Extracts every member of `cabinetPath` into `destinationFolder` (which
// exists), creating the sub-folders a member names, with the member's time
// and read-only attribute. Sets dataFileName to the last member extracted.
// A member whose name is absolute or climbs out of the folder refuses the
// whole cabinet before anything is written. Every file written (also by a
// failed run) is listed in `extracted`, relative to the folder. Shows
// "[Make Context]\n" or "[File Copy]\n" + 30036 on failure.
bool UnpackDocument(const QString& cabinetPath, const QString& destinationFolder, QStringList* extracted = nullptr);

// A member name that stays inside the folder it is extracted into: not
// empty, no leading "/" or "\", no drive letter, no ".." component.
bool IsSafeMemberName(const QString& name);

// The names of the members, in cabinet order; empty when it cannot be read.
QStringList CabinetMemberNames(const QString& cabinetPath);

} // namespace tavelin
