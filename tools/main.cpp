#include "tools/Commands.h"

#include "platform/Messages.h"
#include "platform/StringTable.h"
#include "document/DocumentFile.h"
#include "model/RouteModel.h"

#include <QFileInfo>

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

bool OpenForTool(const QString& path, RouteModel& model, int* version)
{
    if (!model.Allocate()) {
        Fail(30001);
        return false;
    }
    if (OpenDocument(QFileInfo(path).absoluteFilePath(), model, version) == OpenResult::Opened)
        return true;
    // Every failure but a wrong extension has shown its message.
    if (!path.endsWith(QLatin1String("tvn"), Qt::CaseInsensitive))
        QTextStream(stderr) << "tavelin-tool: not a .tvn document: " << path << Qt::endl;
    return false;
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
    {"print", tavelin::tool::CmdPrint,
     "print DOC.tvn OUT.pdf [--paper CODE] [--landscape] [--margins L,R,T,B] [--one-page] "
     "[--pages FIRST-LAST] [--dpi N]"},
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
