#include "tools/Commands.h"

namespace tavelin::tool {

int CmdInfo(const QStringList&)
{
    return Usage(QStringLiteral("(this command is not available yet)"));
}

} // namespace tavelin::tool
