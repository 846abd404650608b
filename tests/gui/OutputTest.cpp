// What leaves the program from the window: the clipboard, the three file
// exports and the PDF, the printout and its preview, from the pages where
// the menus allow them.

#include <QAction>
#include <QClipboard>
#include <QMenu>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTimer>
#include <regex>

#include "../support/FileSizeLimit.h"
#include "../support/Files.h"
#include "OrderFixture.h"
#include "output/TPrintPreview.h"
#include "platform/QtClipboard.h"

namespace wizard {
namespace {

class Output : public OrderFixture {
  protected:
    // Answers the next save dialog with a file under the temporary folder.
    fs::path ChooseFile(const std::string& name) {
        const fs::path file = temp / name;
        fileDialogs.Choose(file);
        return file;
    }
    bool Contains(const std::string& text, const std::string& part) {
        return text.find(part) != std::string::npos;
    }
};

TEST_F(Output, TheClipboardGetsTheFinalPageAndItsNotes) {
    temp.Write("program/update.ini", "[UPDATE]\r\nlast=11/02/2026\r\n");
    Start();
    ToFinal();
    ui().CopyToClipboard1->trigger();
    ASSERT_EQ(clipboard.texts.size(), 1u);
    const std::string& text = clipboard.texts[0];
    EXPECT_EQ(text.rfind("Part Number: J4V-DMDM-10\rDescription: 10 foot cable assembly", 0), 0u);
    EXPECT_TRUE(Contains(text, "\rPrice (USD): 156.73\r"));
    EXPECT_FALSE(Contains(text, "\n"));
    EXPECT_FALSE(Contains(text, "Foreign Currencies"));
    EXPECT_TRUE(text.ends_with("\rYour pricing database was last updated on 11/02/2026\r"));
}

TEST_F(Output, TheRealClipboardHoldsTheTextOfTheOrder) {
    quill::QtClipboard real;
    services.reset(new Services{registry,
                                shell,
                                messages,
                                clock,
                                programFolder,
                                programFolder,
                                {},
                                fileDialogs,
                                real,
                                printer,
                                downloader});
    window = std::make_unique<TfrmMain>(*services);
    ASSERT_TRUE(window->FormCreate());
    window->show();
    ToFinal();
    AddToOrder();
    ui().CopyToClipboard1->trigger();
    const QString text = QApplication::clipboard()->text();
    EXPECT_TRUE(text.startsWith("Qty.: 1\rUOM: Each\rPart Number: J4V-DMDM-10\r")) << S(text);
    EXPECT_TRUE(text.contains("\rOrder Total (USD): 156.73\r\r\r\rReminder: Prices are subject"));
}

TEST_F(Output, ATextFileOfThePartsListLeavesTheKindColumnOutAndOpens) {
    Start();
    ToPartsList();
    const fs::path file = ChooseFile("parts");  // typed without an extension
    ui().ToATextFile1->trigger();
    ASSERT_EQ(fileDialogs.calls.size(), 1u);
    EXPECT_EQ(fileDialogs.calls[0].request.filter, "Text Files (*.txt)|*.txt");
    EXPECT_EQ(fileDialogs.calls[0].request.initialFolder, programFolder / "txt");
    EXPECT_TRUE(fs::is_directory(programFolder / "txt"));
    const std::string text = ReadBytes(temp / "parts.txt");
    EXPECT_TRUE(Contains(text, "Qty: 200\r\nUOM: Feet\r\nPart Number: RVX4-50K\r\n"));
    EXPECT_TRUE(Contains(text, "Price (USD):  2.62\r\nExtended (USD):  524.00\r\n\r\n"));
    EXPECT_FALSE(Contains(text, "\r\n: "));  // no hidden column
    EXPECT_TRUE(Contains(text, "\r\nAttenuation (dB/100 ft): "));
    EXPECT_EQ(shell.opened, (std::vector<std::string>{(temp / "parts.txt").string()}));
    EXPECT_TRUE(messages.Boxes().empty()) << ::testing::PrintToString(messages.calls);
}

TEST_F(Output, TheSpreadsheetCommandFollowsTheDesktopAndExportsTheGridAsShown) {
    OfferSpreadsheetProgram();
    Start();
    ToFinal();
    AddToOrder();
    EXPECT_TRUE(ui().ToanMSExcelSpreadsheet1->isEnabled());
    TypeDescription(0, "as the customer asked");
    ChooseFile("order.xls");
    ui().ToanMSExcelSpreadsheet1->trigger();
    const std::string text = ReadBytes(temp / "order.xls");
    EXPECT_EQ(
        text.rfind("Qty.\tUOM\tPart Number\tDescription\tPrice (USD)\tExtended (USD)\t\r\r\n", 0),
        0u);
    EXPECT_TRUE(
        Contains(text, "\r\n1\tEach\tJ4V-DMDM-10\tas the customer asked\t156.73\t156.73\t\r\n"));
    EXPECT_TRUE(Contains(text, "\r\n\tOrder Total (USD):\t156.73\r\r\n"));
}

TEST_F(Output, AnHtmlDocumentOfTheFinalPageBreaksTheDescriptionsLines) {
    Start();
    ToFinal();
    Menu("Euro1")->trigger();
    ChooseFile("final.html");
    ui().ToanHTMLDocument1->trigger();
    const std::string html = ReadBytes(temp / "final.html");
    EXPECT_TRUE(Contains(html, "(1/2 in.)<BR>SPECIAL INSTRUCTIONS: <BR>Connector1"));
    EXPECT_TRUE(Contains(html,
                         "<TR><TD><B>Foreign Currencies:</B></TD><TD>Currencies other than "
                         "United States Dollars($US) are provided for information purposes "
                         "only and are based on exchange rates as of " +
                             S(QString::fromStdString(window->Session().Data().exchangeRateDate))));
    EXPECT_EQ(shell.opened.size(), 1u);
}

TEST_F(Output, AFailedWriteSaysWhyKeepsTheOldFileAndOpensNothing) {
    Start();
    ToFinal();
    const fs::path file = temp.Write("final.txt", "the file written last week");
    fileDialogs.Choose(file);
    {
        FileSizeLimit limit(64);
        if (!limit.Active())
            GTEST_SKIP() << "no file size limit here (the core's save test fills a small volume)";
        ui().ToATextFile1->trigger();
    }
    ASSERT_EQ(messages.Boxes().size(), 1u);
    EXPECT_EQ(messages.Boxes()[0].kind, "error");
    EXPECT_TRUE(Contains(messages.Boxes()[0].text, "Cannot write file " + file.string()));
    EXPECT_EQ(ReadBytes(file), "the file written last week");
    EXPECT_TRUE(shell.opened.empty());

    fileDialogs.Cancel();
    ui().ToanHTMLDocument1->trigger();
    EXPECT_TRUE(shell.opened.empty());
}

TEST_F(Output, NotesOfAnOrderOpenedAtStartUpCarryThePricingDate) {
    temp.Write("program/update.ini", "[UPDATE]\r\nlast=10/15/2026\r\n");
    WriteOrder(temp / "old.qrf", "1=2|Each||F4DM-PV|connector|48.50|\r\n");
    Start({"OPEN", QString::fromStdString((temp / "old.qrf").string())});
    ChooseFile("old.txt");
    ui().ToATextFile1->trigger();
    EXPECT_TRUE(ReadBytes(temp / "old.txt")
                    .ends_with("Your pricing database was last updated on 10/15/2026\r\n"));
}

// ------------------------------------------------------------- printing

TEST_F(Output, PrintingPrintsTheOrderAndACancelPrintsNothing) {
    Start();
    ToFinal();
    AddToOrder();
    printer.Cancel();
    ui().Print1->trigger();
    EXPECT_TRUE(printer.jobs.empty());

    printer.pdf = temp / "printed.pdf";
    printer.Pick();
    Click(window->findChild<QPushButton*>("BitBtn1"));
    EXPECT_EQ(printer.jobs, (std::vector<std::string>{"Quillroute(TM) LOM"}));
    EXPECT_EQ(ReadBytes(printer.pdf).rfind("%PDF", 0), 0u);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(messages.Boxes().empty()) << ::testing::PrintToString(messages.calls);
}

TEST_F(Output, APrintingFailureEndsTheJobRestoresTheCursorAndSaysSo) {
    std::string items;
    for (int i = 1; i <= 60; ++i)  // two pages
        items += std::to_string(i) + "=1|Each||P" + std::to_string(i) + "|d|1.00|\r\n";
    WriteOrder(temp / "sixty.qrf", items);
    Start({"OPEN", QString::fromStdString((temp / "sixty.qrf").string())});
    printer.pdf = temp / "printed.pdf";
    printer.failAfterPages = 0;
    printer.Pick();
    ui().Print1->trigger();
    ASSERT_EQ(messages.Boxes().size(), 1u);
    EXPECT_EQ(messages.Boxes()[0], (Calls::value_type{"error", "The printer ran out of paper."}));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(Output, APdfDocumentIsWrittenAndOpened) {
    Start();
    ToFinal();
    AddToOrder();
    ChooseFile("order");
    ui().ToAPDFDocument1->trigger();
    EXPECT_EQ(fileDialogs.calls.at(0).request.initialFolder, programFolder / "pdf");
    EXPECT_EQ(ReadBytes(temp / "order.pdf").rfind("%PDF-", 0), 0u);
    EXPECT_EQ(shell.opened, (std::vector<std::string>{(temp / "order.pdf").string()}));
}

std::string Repeated(const std::string& text, int times) {
    std::string all;
    for (int i = 0; i < times; ++i) all += text;
    return all;
}

// Rows of one line and rows of a long description, so pages end where the
// real fonts say; the preview shows the pages the printer gets.
TEST_F(Output, ThePreviewShowsEveryPageThatWouldPrint) {
    std::string items;
    for (int i = 1; i <= 60; ++i)
        items += std::to_string(i) + "=1|Each||P" + std::to_string(i) + "|" +
                 (i % 3 ? std::string("d") : Repeated("a long description ", 12)) + "|1.00|\r\n";
    WriteOrder(temp / "many.qrf", items);
    Start({"OPEN", QString::fromStdString((temp / "many.qrf").string())});
    printer.pdf = temp / "printed.pdf";
    printer.Pick();
    ui().Print1->trigger();
    const std::string pdf = ReadBytes(printer.pdf);
    const std::regex page("/Type\\s*/Page[^s]");
    const auto printed =
        std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), std::sregex_iterator());
    EXPECT_GT(printed, 1);
    EXPECT_TRUE(ui().PrintPreview1->isEnabled());
    int pages = -1;
    QTimer::singleShot(0, [&] {
        auto* preview = qobject_cast<TPrintPreview*>(QApplication::activeModalWidget());
        ASSERT_NE(preview, nullptr);
        QApplication::processEvents();
        if (auto* widget = preview->findChild<QPrintPreviewWidget*>()) pages = widget->pageCount();
        preview->reject();
    });
    ui().PrintPreview1->trigger();
    EXPECT_EQ(pages, printed);
}

}  // namespace
}  // namespace wizard

namespace wizard {
namespace {

// Not a check: with QUILLROUTE_SCREENSHOTS set to a folder, prints the list of
// materials of 1, 10 and 25 rows to PDF files there, exports an HTML document
// and saves the print preview, to be looked at by a person.
TEST_F(Output, Screenshots) {
    const QString folder = qEnvironmentVariable("QUILLROUTE_SCREENSHOTS");
    if (folder.isEmpty()) GTEST_SKIP() << "QUILLROUTE_SCREENSHOTS not set";
    const fs::path out = folder.toStdString();
    for (const int count : {1, 10, 25}) {
        std::string items;
        for (int i = 1; i <= count; ++i)
            items +=
                std::to_string(i) + "=" + std::to_string(i * 2) + "|" + (i % 3 ? "Each" : "Feet") +
                "||" + (i == 7 ? "F4DMRA-PV-EXTRA-LONG-NUMBER-" : "F4DMRA-PV-") +
                std::to_string(100 + i) + "|" +
                (i % 4 == 1 ? "10 foot cable assembly, RVX4-50K, (1/2 in.) SPECIAL INSTRUCTIONS:  "
                              "Connector1 = Plated 7-16 DIN Male with (N/A) inner contact "
                              "attachment.   Connector2 = Plated 7-16 DIN Male with (N/A) inner "
                              "contact attachment"
                            : "7-16 DIN Male connector, Vellisk") +
                "|" + (i == 5 ? "1234567.50" : "148.50") + "|\r\n";
        // The longest list in euros, with a part number and a price wider than their columns.
        WriteOrder(temp / "order.qrf", items,
                   count == 25 ? "App=Quillroute\r\nCurrency=EUR\r\n" : "App=Quillroute\r\n");
        window.reset();
        Start({"OPEN", QString::fromStdString((temp / "order.qrf").string())});
        printer.pdf = out / ("lom-" + std::to_string(count) + ".pdf");
        printer.Pick();
        ui().Print1->trigger();
        if (count == 10) {
            fileDialogs.Choose(out / "order.html");
            ui().ToanHTMLDocument1->trigger();
            QTimer::singleShot(300, [&] {
                QWidget* preview = QApplication::activeModalWidget();
                if (!preview) return;
                preview->grab().save(folder + "/preview.png");
                preview->close();
            });
            ui().PrintPreview1->trigger();
        }
    }
    // An order built in the window: a standard jumper and a feeder's parts.
    window.reset();
    Start();
    ToFinal();
    AddToOrder();
    StartOver();
    ToPartsList();
    AddToOrder();
    printer.pdf = out / "lom-window.pdf";
    printer.Pick();
    ui().Print1->trigger();
}

}  // namespace
}  // namespace wizard

namespace wizard {
namespace {

// The datasheet button of a result page opens its menu: the PDF is written
// where the user chose and opened, a print job carries its part number, and
// prices are left out on either page at once.
TEST_F(Output, TheDatasheetMenuWritesAndPrintsTheAssemblyShown) {
    Start();
    ToFinal();
    auto* button = window->findChild<QPushButton*>("btnDatasheet2");
    ASSERT_NE(button, nullptr);
    ASSERT_NE(button->menu(), nullptr);
    const QList<QAction*> actions = button->menu()->actions();
    ASSERT_EQ(actions.size(), 5);  // PDF, print, preview, a separator, with prices
    // Prices left out on one page are left out on the other.
    actions[4]->setChecked(false);
    for (QAction* prices : window->findChildren<QAction*>("DatasheetPrices"))
        EXPECT_FALSE(prices->isChecked());
    actions[4]->setChecked(true);
    const fs::path pdf = ChooseFile("sheet.pdf");
    actions[0]->trigger();
    EXPECT_TRUE(messages.Boxes().empty()) << ::testing::PrintToString(messages.calls);
    EXPECT_EQ(ReadBytes(pdf).rfind("%PDF", 0), 0u);
    EXPECT_EQ(shell.opened.back(), pdf.string());
    printer.pdf = temp / "printed.pdf";
    printer.Pick();
    actions[1]->trigger();
    EXPECT_EQ(printer.jobs, (std::vector<std::string>{"J4V-DMDM-10 Assembly Datasheet"}));
    EXPECT_GT(fs::file_size(temp / "printed.pdf"), 1000u);
}

}  // namespace
}  // namespace wizard
