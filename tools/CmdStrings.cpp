#include "tools/Commands.h"

#include "platform/StringTable.h"

#include <QTextStream>

namespace tavelin::tool {

int CmdStrings(const QStringList& args)
{
    if (!args.isEmpty())
        return Usage(QStringLiteral("strings"));
    QTextStream out(stdout);
    for (const auto& [id, text] : AllStrings()) {
        QString escaped = text;
        escaped.replace(u'\\', QStringLiteral("\\\\"));
        escaped.replace(u'\n', QStringLiteral("\\n"));
        escaped.replace(u'\t', QStringLiteral("\\t"));
        escaped.replace(u'\r', QStringLiteral("\\r"));
        out << id << '\t' << escaped << '\n';
    }
    return 0;
}

} // namespace tavelin::tool
