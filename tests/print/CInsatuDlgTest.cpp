// The print dialog driven as a user drives it, on a printer that writes PDF
// files: its controls, their rules, the preview, the settings it keeps and
// the pages it prints.
#include "print/CInsatuDlg.h"
#include "PrintFixtures.h"
#include "platform/Messages.h"
#include "platform/Settings.h"
#include "print/PrintChoosers.h"
#include "print/PrinterSetup.h"
#include "support/TestSupport.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPdfDocument>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace tavelin
{
namespace
{

using test::Near;
using test::PageColour;

const QString Insatu = QStringLiteral("Insatu");

struct ScriptedSetup : PrinterSetupRunner {
    std::function<bool(QPrinter&)> script;
    int runs = 0;
    bool runPrinterSetup(QPrinter& printer, QWidget*) override
    {
        ++runs;
        return script ? script(printer) : false;
    }
};

struct ScriptedPdfPath : PdfPathChooser {
    QString path;
    QString proposed;
    QString choosePdfPath(QWidget*, const QString& p) override
    {
        proposed = p;
        return path;
    }
};

class InsatuTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        test::ResetSettings();
        printer.setOutputFormat(QPrinter::PdfFormat);
        // Unprintable edges of 5.5 mm across and 4.3 mm down: minimum
        // margins of 5 and 4 mm.
        printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                          QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter,
                                          QMarginsF(5.5, 4.3, 5.5, 4.3)));
        model.Allocate();
        model.Clear();
        // At 100 dpi an A4 page between the default margins holds 688 x
        // 1031 map pixels: this map is 2 x 2 pages.
        const QImage map = test::PagedMap(QSize(688, 1031), 2, 2, QSize(76, 262));
        model.header.hasMap = 1;
        model.header.zoom = 2.0f;
        model.header.mapWidth = map.width();
        model.header.mapHeight = map.height();
        model.mapPicture = std::make_shared<Picture>(QByteArray("map"), map);
        BuildBackground(model, background, 100);
    }

    std::unique_ptr<CInsatuDlg> Open()
    {
        PrintSource source;
        source.model = &model;
        source.state.background = &background;
        source.screenDpi = 100;
        source.documentTitle = QStringLiteral("route.tvn");
        auto dialog = std::make_unique<CInsatuDlg>(printer, source, PrintChoosers{&setup, &pdf});
        dialog->show();
        return dialog;
    }

    template <class T> static T* Child(QWidget& dialog, const char* name)
    {
        T* child = dialog.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    static QString Text(QWidget& d, const char* name) { return Child<QLabel>(d, name)->text(); }
    // On the button's mark: a radio button or check box stretched over its
    // grid cell takes no click in the empty part.
    static void Click(QAbstractButton* button)
    {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }
    static int Setting(const char* name)
    {
        return settings::GetInt(Insatu, QString::fromLatin1(name));
    }
    // Typing into an edit and leaving it (offscreen the window may not have
    // the focus to lose, so the edit is told it was left).
    static void Type(QLineEdit* edit, const QString& text)
    {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
        Q_EMIT edit->editingFinished();
    }
    static void Type(QSpinBox* spin, const QString& text)
    {
        QLineEdit* edit = spin->findChild<QLineEdit*>();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
        Q_EMIT spin->editingFinished();
    }

    QPrinter printer{QPrinter::HighResolution};
    RouteModel model;
    QImage background;
    ScriptedSetup setup;
    ScriptedPdfPath pdf;
    ScriptedMessages messages;
    test::TempDir dir;
};

TEST_F(InsatuTest, OpensWithThePrinterThePaperAndTheGrid)
{
    const auto dialog = Open();
    ASSERT_TRUE(dialog->ready());
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("印刷"));
    EXPECT_EQ(Text(*dialog, "printerName"), QStringLiteral("PDF ファイル"));
    EXPECT_EQ(Text(*dialog, "paperName"), QStringLiteral("A4Sheet, 210x297mm"));
    EXPECT_TRUE(Text(*dialog, "paperSize").endsWith(QStringLiteral("ﾐﾘ")));
    EXPECT_TRUE(Text(*dialog, "paperSize").startsWith(QStringLiteral("209.9 X 297.")))
        << Text(*dialog, "paperSize").toStdString();
    EXPECT_TRUE(Child<QRadioButton>(*dialog, "portrait")->isChecked());
    EXPECT_TRUE(Child<QRadioButton>(*dialog, "allPages")->isChecked());
    EXPECT_FALSE(Child<QCheckBox>(*dialog, "allOnOne")->isEnabled());
    EXPECT_EQ(Text(*dialog, "grid"), QStringLiteral("(ﾖｺ 2 × ﾀﾃ 2 ﾍﾟｰｼﾞ)"));
    EXPECT_EQ(Text(*dialog, "pageCount"), QStringLiteral("/ 4 ﾍﾟｰｼﾞ"));
    EXPECT_EQ(Child<QLineEdit>(*dialog, "rangeStart")->text(), QStringLiteral("1"));
    EXPECT_EQ(Child<QLineEdit>(*dialog, "rangeEnd")->text(), QStringLiteral("4"));
    EXPECT_EQ(Child<QSpinBox>(*dialog, "previewPage")->maximum(), 4);
    EXPECT_EQ(dialog->minimumMarginAcross(), 5);
    EXPECT_EQ(dialog->minimumMarginDown(), 4);
    EXPECT_EQ(dialog->margins(), (PageMargins{25, 10, 25, 10}));
    // The zoom is 100 % only while the scene is drawn.
    EXPECT_EQ(model.header.zoom, 2.0f);
    EXPECT_EQ(dialog->mapPicture().size(), QSize(model.header.mapWidth, model.header.mapHeight));
}

TEST_F(InsatuTest, PreviewShowsThePageChosenInThePageSpin)
{
    const auto dialog = Open();
    auto* page = Child<QSpinBox>(*dialog, "previewPage");
    for (int p : {2, 3, 4, 1}) {
        page->setValue(p);
        EXPECT_EQ(dialog->currentPage(), p);
        const QImage& tile = dialog->preview().tileImage();
        ASSERT_FALSE(tile.isNull());
        EXPECT_TRUE(Near(tile.pixel(tile.width() / 2, tile.height() / 2), PageColour(p))) << p;
    }
    // What the frame shows on screen.
    page->setValue(2);
    auto* frame = Child<QWidget>(*dialog, "preview");
    const QImage shot = frame->grab().toImage();
    const QRect tileRect = dialog->preview().tileRect();
    EXPECT_TRUE(Near(shot.pixel(tileRect.center()), PageColour(2)));
    EXPECT_TRUE(frame->geometry().right() >= dialog->width() - 3) << "the preview fills the width";
}

TEST_F(InsatuTest, MarginEditsStayBetweenThePrinterMinimumAndFifty)
{
    settings::WriteInt(Insatu, QStringLiteral("MarginLmm"), 2); // below the minimum
    const auto dialog = Open();
    EXPECT_EQ(dialog->margins().left, 5);
    struct Case {
        const char* spin;
        int PageMargins::*margin;
        int minimum;
    } cases[] = {{"marginLeft", &PageMargins::left, 5},
                 {"marginRight", &PageMargins::right, 5},
                 {"marginTop", &PageMargins::top, 4},
                 {"marginBottom", &PageMargins::bottom, 4}};
    for (const Case& c : cases) {
        auto* spin = Child<QSpinBox>(*dialog, c.spin);
        Type(spin, QStringLiteral("60"));
        EXPECT_EQ(spin->value(), 50) << c.spin;
        EXPECT_EQ(dialog->margins().*c.margin, 50) << c.spin;
        Type(spin, QStringLiteral("0"));
        EXPECT_EQ(spin->value(), c.minimum) << c.spin;
        EXPECT_EQ(dialog->margins().*c.margin, c.minimum) << c.spin;
        Type(spin, QStringLiteral("15"));
        EXPECT_EQ(dialog->margins().*c.margin, 15) << c.spin << ": two digits typed";
        spin->stepBy(-20);
        EXPECT_EQ(spin->value(), c.minimum) << c.spin;
        spin->stepBy(80);
        EXPECT_EQ(spin->value(), 50) << c.spin;
    }
    // Wider margins, smaller pages: the grid follows.
    EXPECT_EQ(Text(*dialog, "grid"), QStringLiteral("(ﾖｺ 4 × ﾀﾃ 3 ﾍﾟｰｼﾞ)"));
}

TEST_F(InsatuTest, PageRangeKindsAndOnePage)
{
    settings::WriteInt(Insatu, QStringLiteral("Hani"), 3);
    settings::WriteInt(Insatu, QStringLiteral("AllOne"), 1);
    {
        const auto dialog = Open();
        auto* onePage = Child<QCheckBox>(*dialog, "allOnOne");
        EXPECT_TRUE(Child<QRadioButton>(*dialog, "pageRange")->isChecked());
        EXPECT_TRUE(onePage->isChecked());
        EXPECT_TRUE(onePage->isEnabled());
        EXPECT_EQ(Text(*dialog, "grid"), QStringLiteral("(ﾖｺ 1 × ﾀﾃ 1 ﾍﾟｰｼﾞ)"));
        // The whole map, scaled into the printable area from its top-left.
        const PagePlan::Tile t = dialog->plan().tile(1);
        EXPECT_EQ(t.source.size(), dialog->mapPicture().size());
        EXPECT_EQ(t.target.topLeft(), dialog->plan().printableArea().topLeft());
        EXPECT_TRUE(dialog->plan().printableArea().contains(t.target));

        Click(Child<QRadioButton>(*dialog, "allPages"));
        EXPECT_FALSE(onePage->isChecked());
        EXPECT_FALSE(onePage->isEnabled());
        EXPECT_EQ(Text(*dialog, "grid"), QStringLiteral("(ﾖｺ 2 × ﾀﾃ 2 ﾍﾟｰｼﾞ)"));
        EXPECT_EQ(Setting("Hani"), 1);
        EXPECT_EQ(Setting("AllOne"), 0);

        Click(Child<QRadioButton>(*dialog, "pageRange"));
        EXPECT_TRUE(onePage->isEnabled());
        EXPECT_FALSE(onePage->isChecked());
        EXPECT_EQ(Setting("Hani"), 3);
        Click(onePage);
        EXPECT_EQ(Setting("AllOne"), 1);
        EXPECT_EQ(Text(*dialog, "grid"), QStringLiteral("(ﾖｺ 1 × ﾀﾃ 1 ﾍﾟｰｼﾞ)"));

        Click(Child<QRadioButton>(*dialog, "currentPage"));
        EXPECT_EQ(Setting("Hani"), 2);
        EXPECT_EQ(Setting("AllOne"), 0);
        EXPECT_FALSE(onePage->isEnabled());
    }
    const auto reopened = Open();
    EXPECT_TRUE(Child<QRadioButton>(*reopened, "currentPage")->isChecked());
    EXPECT_FALSE(Child<QCheckBox>(*reopened, "allOnOne")->isChecked());
}

TEST_F(InsatuTest, RangeEditsKeepAnOrderedRangeInsideTheGrid)
{
    const auto dialog = Open();
    auto* start = Child<QLineEdit>(*dialog, "rangeStart");
    auto* end = Child<QLineEdit>(*dialog, "rangeEnd");
    struct Case {
        QLineEdit* edit;
        const char* typed;
        const char* start;
        const char* end;
    } cases[] = {
        {end, "9", "1", "4"},                           // past the last page
        {start, "3", "3", "4"}, {end, "2", "3", "3"},   // below the start
        {end, "", "3", "3"},    {start, "4", "3", "3"}, // past the end
        {start, "", "1", "3"},
    };
    for (const Case& c : cases) {
        Type(c.edit, QString::fromLatin1(c.typed));
        EXPECT_EQ(start->text(), QString::fromLatin1(c.start)) << c.typed;
        EXPECT_EQ(end->text(), QString::fromLatin1(c.end)) << c.typed;
    }
}

TEST_F(InsatuTest, OrientationAndPrinterSetupChangeThePaper)
{
    const auto dialog = Open();
    Click(Child<QRadioButton>(*dialog, "landscape"));
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
    EXPECT_EQ(Setting("Orientation"), 2);
    EXPECT_TRUE(Text(*dialog, "paperSize").startsWith(QStringLiteral("297.")));
    EXPECT_EQ(Text(*dialog, "grid"), QStringLiteral("(ﾖｺ 2 × ﾀﾃ 3 ﾍﾟｰｼﾞ)"));

    // A cancelled setup changes nothing.
    QTest::mouseClick(Child<QPushButton>(*dialog, "setup"), Qt::LeftButton);
    EXPECT_EQ(setup.runs, 1);
    EXPECT_FALSE(settings::Contains(Insatu, QStringLiteral("PaperSize")));

    setup.script = [](QPrinter& p) {
        p.setPageSize(QPageSize(QPageSize::A3));
        p.setPageOrientation(QPageLayout::Portrait);
        return true;
    };
    QTest::mouseClick(Child<QPushButton>(*dialog, "setup"), Qt::LeftButton);
    EXPECT_EQ(Setting("PaperSize"), 8);
    EXPECT_EQ(Text(*dialog, "paperName"), QStringLiteral("A3Sheet, 297x420mm"));
    EXPECT_TRUE(Child<QRadioButton>(*dialog, "portrait")->isChecked());
    EXPECT_TRUE(Text(*dialog, "paperSize").startsWith(QStringLiteral("297.")));
    EXPECT_EQ(Text(*dialog, "grid"), QStringLiteral("(ﾖｺ 2 × ﾀﾃ 2 ﾍﾟｰｼﾞ)")) << "taller pages";
    // A3 from the setup has no unprintable edge: the minimum is 0 now.
    EXPECT_EQ(dialog->minimumMarginAcross(), 0);
}

int PdfPages(const QString& path, QRgb* firstPageColour = nullptr)
{
    QPdfDocument doc;
    if (doc.load(path) != QPdfDocument::Error::None)
        return -1;
    if (firstPageColour) {
        // Inside the 25 mm margins at 72 dpi.
        *firstPageColour = test::RenderPdfPage(doc, 0, 72).pixel(100, 100);
    }
    return doc.pageCount();
}

TEST_F(InsatuTest, PrintsToTheChosenPdf)
{
    struct Case {
        const char* kind;
        int previewPage;
        int pages;
        int firstPage;
    } cases[] = {
        // All pages: from page 1 even while the preview shows page 3.
        {"allPages", 3, 4, 1},
        {"currentPage", 3, 1, 3},
    };
    for (const Case& c : cases) {
        const auto dialog = Open();
        Click(Child<QRadioButton>(*dialog, c.kind));
        Child<QSpinBox>(*dialog, "previewPage")->setValue(c.previewPage);
        pdf.path = dir.file(QStringLiteral("%1.pdf").arg(QString::fromLatin1(c.kind)));
        QTest::mouseClick(Child<QPushButton>(*dialog, "print"), Qt::LeftButton);
        EXPECT_EQ(dialog->result(), QDialog::Accepted) << c.kind;
        EXPECT_EQ(pdf.proposed, QStringLiteral("route.pdf"));
        QRgb colour = 0;
        EXPECT_EQ(PdfPages(pdf.path, &colour), c.pages) << c.kind;
        EXPECT_TRUE(Near(colour, PageColour(c.firstPage), 12)) << c.kind;
        EXPECT_EQ(printer.outputFileName(), pdf.path) << "proposed next time";
        printer.setOutputFileName({});
    }
    EXPECT_TRUE(messages.ids().empty());

    // Page range 2 to 3.
    settings::WriteInt(Insatu, QStringLiteral("Hani"), 3);
    const auto dialog = Open();
    auto* start = Child<QLineEdit>(*dialog, "rangeStart");
    auto* end = Child<QLineEdit>(*dialog, "rangeEnd");
    Type(start, QStringLiteral("2"));
    Type(end, QStringLiteral("3"));
    pdf.path = dir.file(QStringLiteral("range.pdf"));
    QTest::mouseClick(Child<QPushButton>(*dialog, "print"), Qt::LeftButton);
    QRgb colour = 0;
    EXPECT_EQ(PdfPages(pdf.path, &colour), 2);
    EXPECT_TRUE(Near(colour, PageColour(2), 12));
}

TEST_F(InsatuTest, NothingIsPrintedWhenTheUserCancelsOrTheFileCannotBeWritten)
{
    {
        const auto dialog = Open();
        pdf.path.clear(); // cancelled: the dialog stays for another try
        QTest::mouseClick(Child<QPushButton>(*dialog, "print"), Qt::LeftButton);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_NE(dialog->result(), QDialog::Accepted);
    }
    {
        const auto dialog = Open();
        pdf.path = dir.file(QStringLiteral("no/folder/out.pdf"));
        QTest::mouseClick(Child<QPushButton>(*dialog, "print"), Qt::LeftButton);
        ASSERT_EQ(messages.ids(), std::vector<int>{30018});
        EXPECT_EQ(messages.records[0].prefix, pdf.path + QLatin1Char('\n'));
        EXPECT_FALSE(QFile::exists(pdf.path));
    }
    {
        // 50 mm either side of a 92 mm envelope leaves nothing to print on.
        messages.clear();
        printer.setPageSize(QPageSize(QPageSize::EnvelopePersonal));
        const auto dialog = Open();
        for (const char* name : {"marginLeft", "marginRight"}) {
            auto* spin = Child<QSpinBox>(*dialog, name);
            Type(spin, QStringLiteral("50"));
        }
        pdf.path = dir.file(QStringLiteral("narrow.pdf"));
        QTest::mouseClick(Child<QPushButton>(*dialog, "print"), Qt::LeftButton);
        EXPECT_EQ(messages.ids(), std::vector<int>{31602});
        EXPECT_TRUE(dialog->isVisible()) << "the user can make room";
        EXPECT_FALSE(QFile::exists(pdf.path));
    }
}

TEST_F(InsatuTest, ReopeningRestoresPlacementMaximisedStateAndMargins)
{
    settings::WriteInt(Insatu, QStringLiteral("PX"), 30);
    settings::WriteInt(Insatu, QStringLiteral("PY"), 40);
    settings::WriteInt(Insatu, QStringLiteral("SX"), 1000);
    settings::WriteInt(Insatu, QStringLiteral("SY"), 760);
    QSize minimum;
    {
        const auto dialog = Open();
        EXPECT_EQ(dialog->pos(), QPoint(30, 40));
        EXPECT_EQ(dialog->size(), QSize(1000, 760));
        minimum = dialog->minimumSize();
        dialog->move(60, 50);
        dialog->resize(1100, 800);
        Type(Child<QSpinBox>(*dialog, "marginTop"), QStringLiteral("33"));
        Click(Child<QCheckBox>(*dialog, "showMargins"));
        pdf.path = dir.file(QStringLiteral("out.pdf"));
        QTest::mouseClick(Child<QPushButton>(*dialog, "print"), Qt::LeftButton);
    }
    EXPECT_EQ(Setting("MarginTmm"), 33);
    {
        const auto dialog = Open();
        EXPECT_EQ(dialog->pos(), QPoint(60, 50));
        EXPECT_EQ(dialog->size(), QSize(1100, 800));
        EXPECT_EQ(dialog->margins().top, 33);
        EXPECT_TRUE(Child<QCheckBox>(*dialog, "showMargins")->isChecked());
        EXPECT_TRUE(dialog->preview().showMargins());
        dialog->showMaximized();
        QTest::mouseClick(Child<QPushButton>(*dialog, "cancel"), Qt::LeftButton);
    }
    EXPECT_EQ(Setting("Zoomed"), 1);
    EXPECT_EQ(Setting("SX"), 1100) << "the restored size";
    {
        const auto dialog = Open();
        EXPECT_TRUE(dialog->windowState() & Qt::WindowMaximized);
        // Never smaller than the dialog's own first size.
        dialog->showNormal();
        dialog->resize(100, 100);
        EXPECT_GE(dialog->width(), minimum.width());
        EXPECT_GE(dialog->height(), minimum.height());
    }
}

} // namespace
} // namespace tavelin

namespace tavelin
{
namespace
{

// The system printer's path, driven here on Qt's PDF printer engine: a job
// named after the program, one sheet per page, from the paper's corner.
TEST(PrintOnPrinter, EveryPageOnItsOwnSheet)
{
    test::TempDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.file(QStringLiteral("job.pdf")));
    printer.setPageSize(QPageSize(QPageSize::A4));
    const int dpi = printer.resolution();
    const PrinterGeometry sheet{printer.pageLayout().fullRectPixels(dpi).size(), dpi, {}};
    const PagePlan probe(sheet, QSize(1, 1), 96, PageMargins{}, false);
    const QImage map = test::PagedMap(probe.tileSize(), 2, 2, QSize(50, 50));
    const PagePlan plan(sheet, map.size(), 96, PageMargins{}, false);
    ASSERT_EQ(plan.pageCount(), 4);

    ASSERT_EQ(PrintOnPrinter(printer, QStringLiteral("Tavelin"), map, plan, {2, 4}),
              PrintResult::Printed);
    EXPECT_EQ(printer.docName(), QStringLiteral("Tavelin"));
    QPdfDocument doc;
    ASSERT_EQ(doc.load(printer.outputFileName()), QPdfDocument::Error::None);
    ASSERT_EQ(doc.pageCount(), 3);
    for (int i = 0; i < 3; ++i) {
        const QImage shot = test::RenderPdfPage(doc, i, 72);
        EXPECT_TRUE(Near(shot.pixel(100, 100), PageColour(i + 2), 12)) << "page " << i + 2;
        EXPECT_EQ(shot.pixel(60, 60), qRgb(255, 255, 255)) << "the 25 mm margin";
    }
}

} // namespace
} // namespace tavelin
