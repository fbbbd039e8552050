// tavelin-tool resave IN.tvn OUT.tvn: opens and saves through the editor's
// own open and save (selection marks cleared, backup rules applied).
#include "tools/Commands.h"

#include "document/DocumentFile.h"
#include "model/RouteModel.h"

#include <QFileInfo>
#include <QTextStream>
#include <cstdio>

namespace tavelin::tool {

int CmdResave(const QStringList& args)
{
    if (args.size() != 2)
        return Usage(QStringLiteral("resave IN.tvn OUT.tvn"));
    RouteModel model;
    if (!OpenForTool(args[0], model))
        return 1;
    return SaveDocument(QFileInfo(args[1]).absoluteFilePath(), model) ? 0 : 1;
}

} // namespace tavelin::tool
