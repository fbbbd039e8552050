#pragma once
// The subcommands of tavelin-tool. Each takes the arguments after its name,
// writes its result to stdout and its errors to stderr, and returns the exit
// code (0 success, 1 failure).

#include <QStringList>

namespace tavelin {
struct RouteModel;
}

namespace tavelin::tool {

int CmdStrings(const QStringList& args);
int CmdSettings(const QStringList& args);
int CmdInfo(const QStringList& args);
int CmdResave(const QStringList& args);
int CmdRows(const QStringList& args);
int CmdRender(const QStringList& args);
int CmdNew(const QStringList& args);
int CmdPrint(const QStringList& args);

// Opens a document for a command: false when it could not be opened (the
// reason has been printed, a path that is not a .tvn document included).
bool OpenForTool(const QString& path, RouteModel& model, int* version = nullptr);

// Prints "<id>: <prefix><text>" of a message to stderr; returns 1.
int Fail(int messageId, const QString& prefix = {});
// Prints a usage line to stderr; returns 1.
int Usage(const QString& line);

} // namespace tavelin::tool
