#include "tools/Commands.h"

#include "platform/Settings.h"

#include <QTextStream>

namespace tavelin::tool {

int CmdSettings(const QStringList& args)
{
    if (!args.isEmpty())
        return Usage(QStringLiteral("settings"));
    QTextStream out(stdout);
    out << "section\tvalue\ttype\tdefault\tcurrent\n";
    for (const SettingDef& def : AllSettings()) {
        const QString section = QString::fromLatin1(def.section);
        const QString value = QString::fromLatin1(def.value);
        const char* type = def.type == SettingType::Int ? "int" : def.type == SettingType::Text ? "text" : "string";
        QString current;
        if (def.type == SettingType::Int)
            current = QString::number(settings::GetInt(section, value));
        else
            current = settings::GetString(section, value);
        out << section << '\t' << value << '\t' << type << '\t'
            << (def.defaultValue ? QString::fromUtf8(def.defaultValue) : QStringLiteral("(written only)")) << '\t'
            << current << '\n';
    }
    return 0;
}

} // namespace tavelin::tool
