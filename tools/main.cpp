#include "tools/Commands.h"

#include "app/Messages.h"
#include "app/StringTable.h"

#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>
#include <cstdlib>

namespace tavelin::tool {

int Fail(int messageId, const QString& prefix)
{
    QTextStream err(stderr);
    err << messageId << ": " << prefix << LoadString(messageId) << Qt::endl;
    return 1;
}

int Usage(const QString& line)
{
    QTextStream err(stderr);
    err << "usage: tavelin-tool " << line << Qt::endl;
    return 1;
}

} // namespace tavelin::tool

namespace {

struct Command {
    const char* name;
    int (*run)(const QStringList&);
    const char* usage;
};

constexpr Command Commands[] = {
    {"strings", tavelin::tool::CmdStrings, "strings"},
    {"settings", tavelin::tool::CmdSettings, "settings"},
    {"info", tavelin::tool::CmdInfo, "info DOC.tvn"},
    {"resave", tavelin::tool::CmdResave, "resave IN.tvn OUT.tvn"},
    {"rows", tavelin::tool::CmdRows, "rows DOC.tvn [--layer N]"},
    {"render", tavelin::tool::CmdRender, "render DOC.tvn OUT.jpeg"},
    {"new", tavelin::tool::CmdNew, "new OUT.tvn --map IMAGE --north N --south S --west W --east E"},
};

} // namespace

int main(int argc, char* argv[])
{
    // Headless: the tool must run without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (!args.isEmpty()) {
        const QString name = args.takeFirst();
        for (const Command& c : Commands)
            if (name == QLatin1String(c.name))
                return c.run(args);
    }
    QTextStream err(stderr);
    err << "usage:\n";
    for (const Command& c : Commands)
        err << "  tavelin-tool " << c.usage << "\n";
    return 1;
}
