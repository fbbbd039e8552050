// tavelin-tool print DOC.tvn OUT.pdf [--paper CODE] [--landscape]
//   [--margins L,R,T,B] [--one-page] [--pages FIRST-LAST] [--dpi N]
// The pages the print dialog prints for those choices, as a PDF. --dpi is
// the screen resolution the map is measured in, so the result does not
// depend on the display this runs on.
#include "tools/Commands.h"

#include "mapview/DrawScene.h"
#include "model/RouteModel.h"
#include "platform/StringTable.h"
#include "print/PagePlan.h"
#include "print/PaperCodes.h"
#include "print/PrintPages.h"
#include "print/PrintPicture.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <optional>

namespace tavelin::tool
{
namespace
{

const QString UsageLine = QStringLiteral(
    "print DOC.tvn OUT.pdf [--paper CODE] [--landscape] [--margins L,R,T,B] [--one-page] "
    "[--pages FIRST-LAST] [--dpi N]");

std::optional<int> Whole(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

struct Choices {
    QString document, output;
    int paperCode = DefaultPaperCode;
    bool landscape = false;
    PageMargins margins; // 25, 10, 25, 10
    bool onePage = false;
    std::optional<PageSpan> pages; // all pages when absent
    int dpi = 96;
};

std::optional<Choices> Parse(const QStringList& args)
{
    Choices c;
    QStringList positional;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == u"--landscape") {
            c.landscape = true;
        } else if (a == u"--one-page") {
            c.onePage = true;
        } else if (a == u"--paper" && hasValue) {
            const std::optional<int> code = Whole(args[++i]);
            if (!code || !KnownPaperForCode(*code))
                return std::nullopt;
            c.paperCode = *code;
        } else if (a == u"--margins" && hasValue) {
            const QStringList parts = args[++i].split(QLatin1Char(','));
            if (parts.size() != 4)
                return std::nullopt;
            int mm[4];
            for (int k = 0; k < 4; ++k) {
                const std::optional<int> v = Whole(parts[k]);
                // PDF pages have no unprintable edge: 0 to 50, as the dialog allows.
                if (!v || *v < 0 || *v > MaximumMarginMm)
                    return std::nullopt;
                mm[k] = *v;
            }
            c.margins = {mm[0], mm[1], mm[2], mm[3]};
        } else if (a == u"--pages" && hasValue) {
            static const QRegularExpression span(QStringLiteral("^(\\d+)-(\\d+)$"));
            const QRegularExpressionMatch m = span.match(args[++i]);
            if (!m.hasMatch())
                return std::nullopt;
            const std::optional<int> first = Whole(m.captured(1)), last = Whole(m.captured(2));
            if (!first || !last || *first < 1 || *last < *first)
                return std::nullopt;
            c.pages = PageSpan{*first, *last};
        } else if (a == u"--dpi" && hasValue) {
            const std::optional<int> dpi = Whole(args[++i]);
            if (!dpi || *dpi < 10 || *dpi > 1200)
                return std::nullopt;
            c.dpi = *dpi;
        } else if (a.startsWith(QLatin1String("--"))) {
            return std::nullopt;
        } else {
            positional << a;
        }
    }
    if (positional.size() != 2)
        return std::nullopt;
    c.document = positional[0];
    c.output = positional[1];
    return c;
}

} // namespace

int CmdPrint(const QStringList& args)
{
    const std::optional<Choices> c = Parse(args);
    if (!c)
        return Usage(UsageLine);
    RouteModel model;
    if (!OpenForTool(c->document, model))
        return 1;
    QImage background;
    switch (BuildBackground(model, background, c->dpi)) {
    case BackgroundResult::NoMap:
        return Fail(30046); // the editor offers no printing without a map
    case BackgroundResult::NoMemory:
        return Fail(30001, QStringLiteral("背景地図描画用"));
    case BackgroundResult::NotRendered: // printed white, as the editor shows it
    case BackgroundResult::Built:
        break;
    }
    SceneState state;
    state.background = background.isNull() ? nullptr : &background;
    const QImage map = RenderPrintPicture(model, state, c->dpi);
    if (map.isNull())
        return Fail(30001);

    const QPageLayout layout =
        PdfPageLayout(PaperSizeForCode(c->paperCode),
                      c->landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    const PagePlan plan(PdfGeometry(layout), map.size(), c->dpi, c->margins, c->onePage);
    if (!plan.isPrintable())
        return Fail(31602);
    // The range the dialog's "ページ指定" would print: cut to the grid.
    const PageSpan span = c->pages
                              ? PagesToPrint(PageRangeKind::Range, 1, *c->pages, plan.pageCount())
                              : PagesToPrint(PageRangeKind::All, 1, {}, plan.pageCount());
    const QString out = QFileInfo(c->output).absoluteFilePath();
    switch (WritePdfPages(out, layout, LoadString(57344), map, plan, span)) {
    case PdfResult::Written:
        return 0;
    case PdfResult::NotPrintable:
        return Fail(31602);
    case PdfResult::NotWritten:
        break;
    }
    return Fail(30018, out + QLatin1Char('\n'));
}

} // namespace tavelin::tool
