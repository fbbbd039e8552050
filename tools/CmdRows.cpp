// tavelin-tool rows DOC.tvn [--layer N]: the rows of one layer as the node
// list shows them, tab-separated: a line of the 13 column titles, then one
// line per node with its 13 texts, hidden columns included. N is the layer's
// index as the document stores it (0 for the first layer); the default is
// the document's current layer. The "ColumnDsp" settings apply.
#include "tools/Commands.h"

#include "document/DocumentFile.h"
#include "geo/RouteRows.h"
#include "model/RouteModel.h"

#include <QTextStream>
#include <optional>

namespace tavelin::tool
{
namespace
{

const QString UsageLine = QStringLiteral("rows DOC.tvn [--layer N]");

// A cell never breaks the table: the node list shows a note's lone line
// breaks and tabs inline, here they become blanks.
QString Cell(QString text)
{
    for (QChar& c : text)
        if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            c = QLatin1Char(' ');
    return text;
}

void WriteLine(QTextStream& out, const RouteRowTexts& texts)
{
    for (int c = 0; c < RouteColumnCount; ++c) {
        if (c > 0)
            out << '\t';
        out << Cell(texts[c]);
    }
    out << '\n';
}

} // namespace

int CmdRows(const QStringList& args)
{
    QString path;
    std::optional<int> layer;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--layer")) {
            if (layer || i + 1 >= args.size())
                return Usage(UsageLine);
            bool ok = false;
            layer = args[++i].toInt(&ok);
            if (!ok)
                return Usage(UsageLine);
        } else if (path.isEmpty()) {
            path = args[i];
        } else {
            return Usage(UsageLine);
        }
    }
    if (path.isEmpty())
        return Usage(UsageLine);

    RouteModel model;
    if (!OpenForTool(path, model))
        return 1;
    const int index = layer.value_or(model.header.currentLayer);
    if (index < 0 || index >= model.layerCount) {
        QTextStream(stderr) << "tavelin-tool: no layer " << index << " (the document has "
                            << model.layerCount << ", numbered from 0)" << Qt::endl;
        return 1;
    }

    QTextStream out(stdout);
    WriteLine(out, RouteColumnTitles());
    for (const RouteRowTexts& row : ComputeRouteTexts(model, index))
        WriteLine(out, row);
    out.flush();
    return 0;
}

} // namespace tavelin::tool
