// The order page and its files, driven as a user drives them: results added
// from the wizard, quantities spun and typed, rows deleted, orders saved,
// opened and found again, and the program started on an order file.

#include <QAction>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <functional>
#include <map>

#include "../support/Files.h"
#include "OrderFixture.h"
#include "controls/Grid.h"
#include "orders/TOrderDetailsDlg.h"
#include "orders/TOrderPage.h"
#include "platform/Clock.h"

namespace wizard {
namespace {

class OrderPage : public OrderFixture {};

const char* const kFinalDescription =
    "10 foot cable assembly, RVX4-50K, (1/2 in.) SPECIAL INSTRUCTIONS:  Connector1 = ";

// ------------------------------------------------------------- adding

TEST_F(OrderPage, AStandardJumperJoinsTheOrderAndTheOrderPageTakesOver) {
    Start();
    ToFinal();
    AddToOrder();
    ASSERT_EQ(Rows()->RowCount(), 1);
    const Row row = RowTexts(0);
    EXPECT_EQ(row[0], "1");
    EXPECT_EQ(row[1], "Each");
    EXPECT_EQ(row[2], "J4V-DMDM-10");
    EXPECT_EQ(row[3].rfind(kFinalDescription, 0), 0u) << row[3];
    EXPECT_EQ(row[3].find('\r'), std::string::npos);
    EXPECT_EQ(row[4], "156.73");
    EXPECT_EQ(row[5], "156.73");
    EXPECT_EQ(Total(), "156.73");
    // The page has its own buttons; the wizard's are hidden.
    for (QPushButton* button : {ui().btnRestart, ui().btnClose, ui().btnBack, ui().btnNext})
        EXPECT_FALSE(button->isVisible()) << S(button->objectName());
    EXPECT_TRUE(ui().Save1->isEnabled());
    EXPECT_FALSE(ui().CurrencySettings1->isEnabled());
    EXPECT_TRUE(ui().Export1->isEnabled());
    EXPECT_TRUE(messages.Boxes().empty()) << ::testing::PrintToString(messages.calls);
    // The last order is kept beside the program at once.
    EXPECT_NE(ReadBytes(LastOrder()).find("1=1|Each|QR-001|J4V-DMDM-10|"), std::string::npos);
}

TEST_F(OrderPage, TheSameJumperTwiceIsOneRowOfTwoAndStartOverKeepsTheOrder) {
    Start();
    ToFinal();
    AddToOrder();
    Click(window->findChild<QPushButton*>("btnAdd"));
    EXPECT_EQ(Page(), 0);
    Next();
    Next();
    AddToOrder();
    ASSERT_EQ(Rows()->RowCount(), 1);
    EXPECT_EQ(RowTexts(0)[0], "2");
    EXPECT_EQ(RowTexts(0)[5], "313.46");
    EXPECT_EQ(Total(), "313.46");
}

TEST_F(OrderPage, APartsListJoinsLineByLineWithDecimalLengths) {
    Start();
    ToPartsList("7.5");
    AddToOrder();
    ASSERT_EQ(Rows()->RowCount(), 3);
    EXPECT_EQ(RowTexts(0), (Row{"7.5", "Feet", "RVX4-50K", RowTexts(0)[3], "2.62", "19.65"}));
    EXPECT_EQ(RowTexts(1)[0], "1");
    EXPECT_EQ(RowTexts(2)[1], "Each");
    ASSERT_EQ(window->Book().Lines().Count(), 3u);
    EXPECT_EQ(window->Book().Lines().Items()[0].kind, quill::ItemKind::FoamCable);
    EXPECT_EQ(window->Book().Lines().Items()[2].kind, quill::ItemKind::AttachmentCharge);
    // A step is one foot; the fraction stays.
    Spin(0, 1);
    EXPECT_EQ(RowTexts(0)[0], "8.5");
    EXPECT_EQ(RowTexts(0)[5], "22.27");
    EXPECT_TRUE(messages.Boxes().empty()) << ::testing::PrintToString(messages.calls);
}

TEST_F(OrderPage, AnEditedDescriptionIsRestoredByTheNextAddition) {
    Start();
    ToFinal();
    AddToOrder();
    TypeDescription(0, "changed for this quote");
    EXPECT_EQ(RowTexts(0)[3], "changed for this quote");
    Click(window->findChild<QPushButton*>("btnAdd"));
    ToPartsList();
    AddToOrder();
    EXPECT_EQ(RowTexts(0)[3].rfind(kFinalDescription, 0), 0u);
}

TEST_F(OrderPage, AResultInAnotherCurrencyIsRefusedUntilThatCurrencyIsChosen) {
    Start();
    ToFinal();
    AddToOrder();
    Click(window->findChild<QPushButton*>("btnAdd"));
    Next();
    Next();
    Menu("Euro1")->trigger();
    Next();
    EXPECT_EQ(Shown(), ui().tsFinal);
    ASSERT_EQ(messages.Boxes().size(), 1u);
    EXPECT_EQ(messages.Boxes()[0].kind, "warning");
    EXPECT_NE(messages.Boxes()[0].text.find("This order is priced in US Dollars (USD)"),
              std::string::npos)
        << messages.Boxes()[0].text;
    EXPECT_EQ(window->Book().Lines().Count(), 1u);
    EXPECT_EQ(window->Book().Lines().Items()[0].quantity, "1");

    Menu("US1")->trigger();
    AddToOrder();
    EXPECT_EQ(RowTexts(0)[0], "2");
}

// Money is never cut: with 20 rows, long figures and a quantity typed wider,
// at the window's size and narrower, every figure and the total show whole;
// a column beyond the grid's right edge can be scrolled to.
TEST_F(OrderPage, FiguresShowWholeAtAnySize) {
    std::string items;
    for (int i = 1; i <= 20; ++i)
        items += std::to_string(i) + "=" +
                 (i % 2 ? "1000000|Each|QR-001|J4V-DMDM-10|jumper|1234.56|"
                        : "12.5|Feet||RVX4-50K|cable|15.57|") +
                 "\r\n";
    const fs::path file = temp / "long.qrf";
    WriteOrder(file, items);
    Start();
    fileDialogs.Choose(file);
    ui().Open1->trigger();
    const auto expectWhole = [&](const char* when) {
        SCOPED_TRACE(when);
        QApplication::processEvents();
        Grid* grid = Rows();
        const int margins =
            2 * (grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1);
        int widths = 0;
        for (int column = 0; column < grid->ColumnCount(); ++column)
            widths += grid->columnWidth(column);
        EXPECT_LE(widths - grid->horizontalScrollBar()->maximum(), grid->viewport()->width());
        for (int row = 0; row < grid->RowCount(); ++row)
            for (const int column : {0, 4, 5})
                EXPECT_LE(grid->fontMetrics().horizontalAdvance(grid->Cell(column, row)) + margins,
                          grid->columnWidth(column))
                    << S(grid->Cell(column, row));
        auto* total = window->findChild<QLineEdit*>("edtOrderTotal");
        EXPECT_LE(total->fontMetrics().horizontalAdvance(total->text()) + 8, total->width())
            << S(total->text());
    };
    expectWhole("as opened");
    TypeQuantity(1, "90.72");
    ASSERT_EQ(RowTexts(1)[5], "1412.51");
    expectWhole("a wider quantity typed");
    window->resize(480, window->height());
    expectWhole("a narrow window");
}

// ------------------------------------------------------------- editing

TEST_F(OrderPage, SpinButtonsStepTheQuantityAndStopAtZero) {
    Start();
    ToFinal();
    AddToOrder();
    Spin(0, 2);
    EXPECT_EQ(RowTexts(0)[0], "3");
    EXPECT_EQ(RowTexts(0)[5], "470.19");
    EXPECT_EQ(Total(), "470.19");
    EXPECT_NE(ReadBytes(LastOrder()).find("1=3|Each|"), std::string::npos);
    Spin(0, -4);
    EXPECT_EQ(RowTexts(0)[0], "0");
    EXPECT_EQ(RowTexts(0)[5], "0.00");
    EXPECT_EQ(Total(), "0.00");
    EXPECT_EQ(window->Book().Lines().Items()[0].quantity, "0");
}

TEST_F(OrderPage, ATypedQuantityIsTakenAndANonNumberIsRefusedByName) {
    Start();
    ToFinal();
    AddToOrder();
    TypeQuantity(0, "3");
    EXPECT_EQ(RowTexts(0)[5], "470.19");
    const std::string kept = ReadBytes(LastOrder());
    EXPECT_NE(kept.find("1=3|Each|"), std::string::npos);

    // A jumper is ordered whole.
    for (const char* text : {"abc", "2.5"}) {
        messages.Reset();
        TypeQuantity(0, text);
        EXPECT_EQ(RowTexts(0)[0], "3");
        EXPECT_EQ(Total(), "470.19");
        ASSERT_EQ(messages.Boxes().size(), 1u) << ::testing::PrintToString(messages.calls);
        EXPECT_EQ(messages.Boxes()[0].kind, "warning");
        EXPECT_EQ(messages.Boxes()[0].text.rfind("'" + std::string(text) + "' is not a ", 0), 0u);
        EXPECT_EQ(ReadBytes(LastOrder()), kept);
    }
}

TEST_F(OrderPage, DeletingNeedsASelectionAndAYes) {
    Start();
    ToPartsList();
    AddToOrder();
    ASSERT_EQ(Rows()->RowCount(), 3);
    messages.Reset();
    Click(window->findChild<QPushButton*>("btnDeleteSelected"));
    ASSERT_EQ(messages.calls.size(), 2u);
    EXPECT_EQ(messages.calls[0].kind, "beep");
    EXPECT_EQ(messages.calls[1].kind, "information");
    EXPECT_EQ(messages.calls[1].text.rfind("To delete items, highlight the rows", 0), 0u);

    SelectRows({1, 2});
    messages.Answer(false);
    Click(window->findChild<QPushButton*>("btnDeleteSelected"));
    EXPECT_EQ(Rows()->RowCount(), 3);
    EXPECT_EQ(messages.Boxes().back().kind, "confirm-warning");

    const std::string first = RowTexts(0)[2];
    SelectRows({1, 2});
    messages.Answer(true);
    Click(window->findChild<QPushButton*>("btnDeleteSelected"));
    ASSERT_EQ(Rows()->RowCount(), 1);
    EXPECT_EQ(RowTexts(0)[2], first);

    SelectRows({0});
    messages.Answer(true);
    Click(window->findChild<QPushButton*>("btnDeleteSelected"));
    EXPECT_EQ(Rows()->RowCount(), 0);
    EXPECT_EQ(Total(), "0.00");
    EXPECT_TRUE(quill::ReadOrderFile(LastOrder()).order.Empty());
}

// ------------------------------------------------------------- files

TEST_F(OrderPage, SaveWritesTheOrderWhereTheUserChose) {
    Start();
    ToFinal();
    AddToOrder();
    Spin(0, 1);
    const fs::path file = programFolder / "data" / "quote.qrf";
    fileDialogs.Choose(file);
    Click(window->findChild<QPushButton*>("btnSave"));
    ASSERT_EQ(fileDialogs.calls.size(), 1u);
    EXPECT_EQ(fileDialogs.calls[0].kind, "save");
    EXPECT_EQ(fileDialogs.calls[0].request.filter, "Quillroute Files (*.qrf)|*.qrf");
    EXPECT_EQ(fileDialogs.calls[0].request.defaultExtension, ".qrf");
    EXPECT_EQ(fileDialogs.calls[0].request.initialFolder, programFolder / "data");
    EXPECT_TRUE(fs::is_directory(programFolder / "data"));
    EXPECT_EQ(ReadBytes(file), ReadBytes(LastOrder()));
    EXPECT_NE(ReadBytes(file).find("1=2|Each|QR-001|J4V-DMDM-10|"), std::string::npos);

    fileDialogs.Cancel();
    ui().Save1->trigger();
    EXPECT_EQ(FolderNames(programFolder / "data"), (std::vector<std::string>{"quote.qrf"}));
}

TEST_F(OrderPage, ASaveThatFailsSaysWhyAndKeepsTheOldFile) {
    Start();
    ToFinal();
    AddToOrder();
    const fs::path folder = programFolder / "data" / "quote.qrf";
    fs::create_directories(folder);  // a folder where the file should go
    fileDialogs.Choose(folder);
    Click(window->findChild<QPushButton*>("btnSave"));
    ASSERT_EQ(messages.Boxes().size(), 1u);
    EXPECT_EQ(messages.Boxes()[0].kind, "error");
    EXPECT_NE(messages.Boxes()[0].text.find("Cannot write file " + folder.string()),
              std::string::npos);
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_EQ(window->Book().Lines().Count(), 1u);
}

TEST_F(OrderPage, OpenShowsTheFilesOrderAndKeepsItAsTheLastOrder) {
    const fs::path file = temp / "quote.qrf";
    WriteOrder(file,
               "1=4|Each|QR-001|J4V-DMDM-6|six foot jumper|145.41|\r\n"
               "2=12.5|Feet||RVX4-50K|cable|2.62|\r\n");
    Start();
    fileDialogs.Choose(file);
    ui().Open1->trigger();
    EXPECT_EQ(fileDialogs.calls.at(0).kind, "open");
    ASSERT_EQ(Shown(), ui().tsOrder);
    ASSERT_EQ(Rows()->RowCount(), 2);
    EXPECT_EQ(RowTexts(0), (Row{"4", "Each", "J4V-DMDM-6", "six foot jumper", "145.41", "581.64"}));
    EXPECT_EQ(RowTexts(1)[5], "32.75");
    EXPECT_EQ(Total(), "614.39");
    EXPECT_EQ(window->Book().Lines().Items()[1].kind, quill::ItemKind::AirCable);
    EXPECT_EQ(quill::ReadOrderFile(LastOrder()).order.Count(), 2u);
}

// A cancelled Open changes nothing: not the last order, not the currency in force.
TEST_F(OrderPage, CancellingOpenOnAFreshStartKeepsTheLastOrderAndTheCurrency) {
    temp.Write("program/Quillroute.lom", "yesterday's order");
    Start();
    Menu("Euro1")->trigger();
    fileDialogs.Cancel();
    ui().Open1->trigger();
    EXPECT_TRUE(Menu("Euro1")->isChecked());
    EXPECT_EQ(window->Session().Currency().Code(), "EUR");
    EXPECT_EQ(Shown(), ui().tsOrder);
    EXPECT_EQ(Rows()->RowCount(), 0);
    EXPECT_EQ(Total(), "0.00");
    EXPECT_EQ(ReadBytes(LastOrder()), "yesterday's order");
}

TEST_F(OrderPage, AFileThatCannotBeReadLeavesTheOrderAsItWas) {
    Start();
    ToFinal();
    AddToOrder();
    const fs::path noise = temp.Write("noise.qrf", std::string("\x01\x02garbage\x7f\xff", 12));
    const fs::path folder = temp / "folder.qrf";
    fs::create_directory(folder);
    for (const fs::path& file : {noise, folder}) {
        messages.Reset();
        messages.ScriptReply(quill::Messages::Answer::No);
        fileDialogs.Choose(file);
        ui().Open1->trigger();
        ASSERT_EQ(messages.Boxes().size(), 2u) << file;
        EXPECT_EQ(messages.Boxes()[1].kind, "error");
        EXPECT_NE(messages.Boxes()[1].text.find(file.string()), std::string::npos);
        ASSERT_EQ(Rows()->RowCount(), 1);
        EXPECT_EQ(RowTexts(0)[2], "J4V-DMDM-10");
    }
}

TEST_F(OrderPage, ViewLastOrderFindsTheOrderOfAnEarlierRun) {
    Start();
    ui().ViewLastOrder1->trigger();
    EXPECT_EQ(messages.Boxes(), (Calls{{"error", "No Order To View"}}));
    ToFinal();
    AddToOrder();
    Spin(0, 1);
    window.reset();

    messages.Reset();
    Start();
    ui().ViewLastOrder1->trigger();
    ASSERT_EQ(Shown(), ui().tsOrder);
    ASSERT_EQ(Rows()->RowCount(), 1);
    EXPECT_EQ(RowTexts(0)[0], "2");
    EXPECT_EQ(RowTexts(0)[2], "J4V-DMDM-10");
    EXPECT_EQ(Total(), "313.46");
    EXPECT_TRUE(messages.Boxes().empty());
}

TEST_F(OrderPage, TheCommandLineOpensAnOrderFileInAnyCase) {
    const fs::path file = temp / "from explorer.qrf";
    WriteOrder(file, "1=3|Each||F4DM-PV|connector|48.50|\r\n");
    Start({"open", QString::fromStdString(file.string())});
    ASSERT_EQ(Shown(), ui().tsOrder);
    ASSERT_EQ(Rows()->RowCount(), 1);
    EXPECT_EQ(Total(), "145.50");
    EXPECT_FALSE(ui().btnNext->isVisible());
}

TEST_F(OrderPage, TheCommandLineWithAMissingFileKeepsTheLastOrder) {
    temp.Write("program/Quillroute.lom", "yesterday's order");
    Start({"OPEN", QString::fromStdString((temp / "gone.qrf").string())});
    EXPECT_EQ(Shown(), ui().tsOrder);
    EXPECT_EQ(Rows()->RowCount(), 0);
    EXPECT_TRUE(messages.Boxes().empty());
    EXPECT_EQ(ReadBytes(LastOrder()), "yesterday's order");
}

TEST_F(OrderPage, AnOrderInEurosBringsItsCurrency) {
    const fs::path file = temp / "euro.qrf";
    WriteOrder(file, "1=1|Each|QR-001|J4V-DMDM-6|six foot jumper|134.02|\r\n",
               "App=Quillroute\r\nCurrency=EUR\r\n");
    Start();
    fileDialogs.Choose(file);
    ui().Open1->trigger();
    EXPECT_TRUE(Menu("Euro1")->isChecked());
    EXPECT_FALSE(Menu("US1")->isChecked());
    EXPECT_TRUE(window->findChild<QLabel*>("lblOrderCurrency")->isVisible());
    EXPECT_NE(S(window->findChild<QLabel*>("lblOrderCurrency")->text()).find("Euros (EUR)"),
              std::string::npos);
    // Saved again, the order still says so.
    fileDialogs.Choose(temp / "again.qrf");
    Click(window->findChild<QPushButton*>("btnSave"));
    EXPECT_NE(ReadBytes(temp / "again.qrf").find("Currency=EUR\r\n"), std::string::npos);
    EXPECT_TRUE(messages.Boxes().empty()) << ::testing::PrintToString(messages.calls);
}

TEST_F(OrderPage, ALastOrderThatCannotBeWrittenIsReportedOnceAndShownUntilItWorks) {
    fs::create_directory(LastOrder());  // nothing can be written in its place
    Start();
    ToFinal();
    AddToOrder();
    ASSERT_EQ(messages.Boxes().size(), 1u);
    EXPECT_EQ(messages.Boxes()[0].kind, "error");
    EXPECT_NE(messages.Boxes()[0].text.find(LastOrder().string()), std::string::npos);
    EXPECT_TRUE(window->findChild<QLabel*>("lblOrderNotice")->isVisible());
    Spin(0, 3);
    EXPECT_EQ(messages.Boxes().size(), 1u);
    EXPECT_EQ(RowTexts(0)[0], "4");
    EXPECT_EQ(window->Book().Lines().Items()[0].quantity, "4");

    fs::remove(LastOrder());
    Spin(0, 1);
    EXPECT_FALSE(window->findChild<QLabel*>("lblOrderNotice")->isVisible());
    EXPECT_EQ(quill::ReadOrderFile(LastOrder()).order.Items()[0].quantity, "5");
}

// ------------------------------------------------------------- shortcuts

// As in a spreadsheet: a key typed on a selected cell replaces its text; F2
// edits in place. With the grid itself focused, the edit shortcuts neither
// leave the program (Ctrl+X is Exit) nor bring back the last order (Ctrl+V).
TEST_F(OrderPage, TheKeyboardOnTheOrderGridWorksAsInASpreadsheet) {
    Start();
    ToFinal();
    AddToOrder();
    Grid* grid = Rows();
    grid->setFocus();
    grid->setCurrentCell(0, 0);
    QApplication::processEvents();
    QTest::keyClick(grid, Qt::Key_4);
    CloseEditor(grid->findChild<SpinCellEditor*>());
    EXPECT_EQ(RowTexts(0)[0], "4");
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_F2);
    auto* editor = grid->findChild<SpinCellEditor*>();
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "2");
    CloseEditor(editor);
    EXPECT_EQ(RowTexts(0)[0], "42");

    // Shortcuts reach only the active window.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    // The row bar clicked, as to select rows for deletion.
    QHeaderView* bar = grid->verticalHeader();
    QTest::mouseClick(bar->viewport(), Qt::LeftButton, {},
                      QPoint(bar->width() / 2, bar->sectionViewportPosition(0) + 3));
    QApplication::processEvents();
    const std::string kept = ReadBytes(LastOrder());
    for (const Qt::Key key : {Qt::Key_A, Qt::Key_C, Qt::Key_X, Qt::Key_V}) {
        QTest::keyClick(grid, key, Qt::ControlModifier);
        EXPECT_EQ(QApplication::focusWidget(), grid) << key;
        QApplication::processEvents();
        EXPECT_TRUE(window->isVisible()) << key;
        EXPECT_EQ(Shown(), ui().tsOrder) << key;
        EXPECT_EQ(RowTexts(0)[0], "42") << key;
    }
    EXPECT_EQ(ReadBytes(LastOrder()), kept);
    EXPECT_TRUE(messages.Boxes().empty()) << ::testing::PrintToString(messages.calls);
}

TEST_F(OrderPage, EditShortcutsStayWithTheEditBoxThatHasTheFocus) {
    Start();
    QLineEdit* edit = ui().cboLength->lineEdit();
    Focus(ui().cboLength);
    edit->setText("12");
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(S(QApplication::clipboard()->text()), "12");
    QTest::keyClick(edit, Qt::Key_X, Qt::ControlModifier);  // Exit
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(S(edit->text()), "");
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);  // View Last Order
    EXPECT_EQ(S(edit->text()), "12");
    EXPECT_EQ(Page(), 0);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);  // the news
    EXPECT_EQ(S(edit->selectedText()), "12");
    EXPECT_TRUE(messages.Boxes().empty()) << ::testing::PrintToString(messages.calls);
}

TEST_F(OrderPage, EditShortcutsStayWithAGridCellEditor) {
    Start();
    ToFinal();
    AddToOrder();
    Rows()->setFocus();
    Rows()->setCurrentCell(0, 3);
    Rows()->editItem(Rows()->item(0, 3));
    auto* editor = Rows()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->setText("short");
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(S(editor->selectedText()), "short");
    QTest::keyClick(editor, Qt::Key_X, Qt::ControlModifier);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(S(QApplication::clipboard()->text()), "short");
    QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(S(editor->text()), "shortshort");
    EXPECT_TRUE(messages.Boxes().empty()) << ::testing::PrintToString(messages.calls);
}

}  // namespace
}  // namespace wizard

namespace wizard {
namespace {

// Not a check: with QUILLROUTE_SCREENSHOTS set to a folder, saves pictures of
// the order page to be looked at by a person.
TEST_F(OrderPage, OrderDetailsAreFilledKeptInTheOrderFilesAndReadBack) {
    Start();
    ToFinal();
    EXPECT_FALSE(ui().OrderDetails1->isEnabled());  // only on the order page
    AddToOrder();
    ASSERT_TRUE(ui().OrderDetails1->isEnabled());
    const std::string today = quill::FormatDate(clock.Today());

    // Cancelled: nothing changes, not even the date the dialog offered.
    const std::string lastOrderBefore = ReadBytes(LastOrder());
    bool shown = false;
    ASSERT_NE(window->findChild<TOrderDetailsDlg*>(), nullptr);
    window->findChild<TOrderDetailsDlg*>()->onShown = [&](TOrderDetailsDlg& dialog) {
        shown = true;
        EXPECT_EQ(S(dialog.edits[quill::OrderDetails::kDate]->text()), today);
        // Every field shows a company name of 35 letters whole where the
        // screen has room for it: CTest runs this on 1024 x 768 too.
        const bool room = dialog.screen()->availableGeometry().width() >= 1024;
        for (QLineEdit* edit : dialog.edits)
            EXPECT_TRUE(!room || edit->width() > edit->fontMetrics().horizontalAdvance(
                                                     "Nordic Towers Telecommunications AB"))
                << S(edit->objectName());
        dialog.edits[0]->setText("Nordic Towers");
        dialog.buttons->button(QDialogButtonBox::Cancel)->click();
    };
    ui().OrderDetails1->trigger();
    EXPECT_TRUE(shown);
    EXPECT_TRUE(window->Book().Lines().Details().Empty());
    EXPECT_EQ(ReadBytes(LastOrder()), lastOrderBefore);

    window->findChild<TOrderDetailsDlg*>()->onShown = [&](TOrderDetailsDlg& dialog) {
        dialog.findChild<QLineEdit*>("edtCompanyName")->setText("Nordic\tTowers AB ");
        dialog.findChild<QLineEdit*>("edtShipToStateProvince")->setText("Uppsala l\u00e4n");
        dialog.buttons->button(QDialogButtonBox::Ok)->click();
    };
    ui().OrderDetails1->trigger();
    const quill::OrderDetails& details = window->Book().Lines().Details();
    EXPECT_EQ(details.values[0], "Nordic Towers AB");
    EXPECT_EQ(details.values[quill::OrderDetails::kDate], today);
    EXPECT_EQ(details.values[8], "Uppsala l\xe4n");
    const std::string lastOrder = ReadBytes(LastOrder());
    EXPECT_NE(lastOrder.find("[Header]\r\nCompany Name=Nordic Towers AB\r\n"), std::string::npos);
    EXPECT_NE(lastOrder.find("Date=" + today + "\r\n"), std::string::npos);
    EXPECT_NE(lastOrder.find("Ship To State/Province=Uppsala l\xe4n\r\n"), std::string::npos);
    EXPECT_EQ(quill::ListToPrint(window->Book()).details, details);
    // Every export carries them above the items, as the print does.
    ui().CopyToClipboard1->trigger();
    ASSERT_FALSE(clipboard.texts.empty());
    EXPECT_EQ(clipboard.texts.back().rfind("Company Name: Nordic Towers AB\r", 0), 0u);
    EXPECT_NE(clipboard.texts.back().find("Ship To State/Province: Uppsala l\xe4n\r\rQty.: "),
              std::string::npos);

    const fs::path file = temp / "quote.qrf";
    fileDialogs.Choose(file);
    Click(window->findChild<QPushButton*>("btnSave"));
    window->Book().SetDetails({});
    messages.ScriptReply(quill::Messages::Answer::No);
    fileDialogs.Choose(file);
    ui().Open1->trigger();
    EXPECT_EQ(window->Book().Lines().Details(), details);
    // The dialog shows what the order holds.
    window->findChild<TOrderDetailsDlg*>()->onShown = [&](TOrderDetailsDlg& dialog) {
        EXPECT_EQ(S(dialog.edits[0]->text()), "Nordic Towers AB");
        dialog.reject();
    };
    ui().OrderDetails1->trigger();
}

// One customer after another: the title names the order file and marks
// unsaved changes, Save says what it did and proposes a name, and New Order
// asks before it drops unsaved changes, then starts empty while the last-order
// file keeps the order it replaced until the new one changes.
TEST_F(OrderPage, ANewOrderForTheNextCustomer) {
    Start();
    EXPECT_EQ(S(window->windowTitle()), "Untitled[*] - Quillroute\u2122");
    EXPECT_FALSE(window->isWindowModified());
    ToFinal();
    AddToOrder();
    EXPECT_TRUE(window->isWindowModified());
    auto* emptyNote = window->findChild<QLabel*>("lblEmptyOrder");
    ASSERT_NE(emptyNote, nullptr);
    EXPECT_FALSE(emptyNote->isVisible());
    const std::string kept = ReadBytes(LastOrder());
    ASSERT_NE(kept.find("J4V-DMDM-10"), std::string::npos);

    const fs::path file = temp / "nordic.qrf";
    fileDialogs.Choose(file);
    Click(window->findChild<QPushButton*>("btnSave"));
    EXPECT_EQ(fileDialogs.calls.back().request.suggestedName, "J4V-DMDM-10");
    EXPECT_EQ(S(window->windowTitle()), "nordic.qrf[*] - Quillroute\u2122");
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_EQ(S(ui().StatusBar1->currentMessage()), "The order is saved in " + file.string() + ".");
    ui().CopyToClipboard1->trigger();
    EXPECT_EQ(S(ui().StatusBar1->currentMessage()), "The order is copied to the clipboard.");
    // A menu chosen with the mouse clears the status tip as it closes: what
    // the command said stays.
    QStatusTipEvent closing{QString()};
    QApplication::sendEvent(window.get(), &closing);
    EXPECT_EQ(S(ui().StatusBar1->currentMessage()), "The order is copied to the clipboard.");

    Spin(0, 1);
    EXPECT_TRUE(window->isWindowModified());
    messages.ScriptReply(quill::Messages::Answer::No);
    window->findChild<QAction*>("NewOrder1")->trigger();
    EXPECT_EQ(messages.Count("save-question"), 1);
    EXPECT_TRUE(window->Book().Lines().Empty());
    EXPECT_TRUE(window->Book().Lines().Details().Empty());
    EXPECT_EQ(Shown(), ui().tsOrder);
    EXPECT_TRUE(emptyNote->isVisible());  // how to add an item
    EXPECT_NE(S(emptyNote->text()).find("Add to Order"), std::string::npos);
    EXPECT_EQ(S(window->windowTitle()), "Untitled[*] - Quillroute\u2122");
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_NE(ReadBytes(LastOrder()).find("J4V-DMDM-10"), std::string::npos)
        << "the last order is kept until the new one changes";
    window->findChild<QAction*>("NewOrder1")->trigger();  // nothing unsaved: no question
    EXPECT_EQ(messages.Count("save-question"), 1);
}

// Open, View Last Order, New Order and closing the window each ask before an
// order with unsaved changes goes. Cancel keeps everything; Save saves first,
// asking for a name when the order has none, and goes on only when it saved;
// Don't Save goes on.
TEST_F(OrderPage, UnsavedChangesAreAskedAboutBeforeTheOrderGoes) {
    using Answer = quill::Messages::Answer;
    const fs::path other = temp / "other.qrf";
    WriteOrder(other, "1=4|Each|QR-001|J4V-DMDM-6|six foot jumper|145.41|\r\n");
    const std::map<std::string, std::function<bool()>> wentOn = {
        {"Open1", [&] { return window->Book().File() == other && !window->isWindowModified(); }},
        {"ViewLastOrder1",
         [&] { return window->Book().File().empty() && !window->isWindowModified(); }},
        {"NewOrder1", [&] { return window->Book().Lines().Empty(); }},
        {"close", [&] { return !window->isVisible(); }},
    };
    for (const auto& [action, done] : wentOn) {
        SCOPED_TRACE(action);
        const auto act = [&, action = action] {
            if (action == "close")
                window->close();
            else
                Menu(action.c_str())->trigger();
        };
        messages.Reset();
        fileDialogs.answers.clear();
        Start();
        ToFinal();
        AddToOrder();
        const fs::path saved = temp / (action + ".qrf");

        messages.ScriptReply(Answer::Cancel);
        act();
        fileDialogs.Cancel();  // Save, then the save dialog cancelled
        messages.ScriptReply(Answer::Yes);
        act();
        EXPECT_EQ(messages.Boxes(), (Calls{{"save-question", "Save the changes to Untitled?"},
                                           {"save-question", "Save the changes to Untitled?"}}));
        EXPECT_FALSE(done());
        EXPECT_TRUE(window->isVisible() && window->isWindowModified());
        EXPECT_FALSE(fs::exists(saved));

        messages.ScriptReply(Answer::Yes);
        fileDialogs.Choose(saved);
        if (action == "Open1") fileDialogs.Choose(other);
        act();
        EXPECT_TRUE(done());
        EXPECT_NE(ReadBytes(saved).find("J4V-DMDM-10"), std::string::npos);
        if (action == "close") continue;

        Click(window->findChild<QPushButton*>("btnAdd"));
        ToFinal("20");  // a change, then Don't Save
        AddToOrder();
        messages.ScriptReply(Answer::No);
        if (action == "Open1") fileDialogs.Choose(other);
        act();
        EXPECT_TRUE(done());
        for (const fs::path& file : {saved, other})
            EXPECT_EQ(ReadBytes(file).find("J4V-DMDM-20"), std::string::npos);
        EXPECT_EQ(messages.Count("save-question"), 4);
    }
}

// A request for quotation gives the order a user builds by hand: the same
// jumper twice and a feeder without a top connector.
TEST_F(OrderPage, ImportedAssembliesMakeTheOrderAUserWouldBuildByHand) {
    Start();
    // By hand: a listed jumper twice, an assembled one, a listed one of two
    // pieces, and a feeder with one connector.
    for (const QString length : {"10", "10", "20", "6", "6"}) {
        ToFinal(length);
        AddToOrder();
        Click(window->findChild<QPushButton*>("btnAdd"));
    }
    ToPartsList();
    AddToOrder();
    std::vector<Row> byHand;
    for (int row = 0; row < Rows()->RowCount(); ++row) byHand.push_back(RowTexts(row));
    ASSERT_GE(byHand.size(), 5u);

    messages.ScriptReply(quill::Messages::Answer::No);  // a new order; this one goes unsaved
    ui().NewOrder1->trigger();
    const fs::path csv = temp.Write(
        "request.csv",
        "Quantity,Application,Length,Unit,Begin MHz,End MHz,Cable Type,Cable,Top Connector,"
        "Bottom Connector,Attachment\r\n"
        "1,Jumper,10,Feet,800,2200,Foam,RVX4-50K,7-16 DIN Male,7-16 DIN Male,\r\n"
        "1,Jumper,10,ft,800,2200,Foam Coaxial,RVX4-50K,7-16 DIN Male,7-16 DIN Male,Vellisk\r\n"
        "1,Jumper,20,Feet,800,2200,Foam,RVX4-50K,7-16 DIN Male,7-16 DIN Male,\r\n"
        "2,Jumper,6,Feet,800,2200,Foam,RVX4-50K,7-16 DIN Male,7-16 DIN Male,\r\n"
        "1,Feeder,200,Feet,800,2200,Foam,RVX4-50K,,7-16 DIN Male,Regular\r\n");
    fileDialogs.Choose(csv);
    messages.Reset();
    window->findChild<QAction*>("ImportAssemblies1")->trigger();
    EXPECT_EQ(Shown(), ui().tsOrder);
    std::vector<Row> imported;
    for (int row = 0; row < Rows()->RowCount(); ++row) imported.push_back(RowTexts(row));
    EXPECT_EQ(imported, byHand);
    EXPECT_EQ(messages.Boxes(),
              (Calls{{"information", "5 of 5 rows quoted and added to the order.\r"}}));
}

TEST_F(OrderPage, Screenshots) {
    const QString folder = qEnvironmentVariable("QUILLROUTE_SCREENSHOTS");
    if (folder.isEmpty()) GTEST_SKIP() << "QUILLROUTE_SCREENSHOTS not set";
    Start();
    const auto shoot = [&](const char* name) {
        QApplication::processEvents();
        window->grab().save(folder + "/" + name + ".png");
    };
    ui().NewOrder1->trigger();
    shoot("order-empty");
    Click(window->findChild<QPushButton*>("btnAdd"));
    ToFinal();
    AddToOrder();
    shoot("order-one-row");
    Click(window->findChild<QPushButton*>("btnAdd"));
    ToPartsList("12.5");
    AddToOrder();
    shoot("order-long-description");
    std::string items;
    for (int i = 1; i <= 15; ++i)
        items += std::to_string(i) + "=" + std::to_string(i * 3) + "|Each||F4DM-PV-" +
                 std::to_string(100 + i) +
                 "|7-16 DIN Male connector, Vellisk attachment|48.50|\r\n";
    WriteOrder(temp / "fifteen.qrf", items);
    messages.ScriptReply(quill::Messages::Answer::No);
    fileDialogs.Choose(temp / "fifteen.qrf");
    ui().Open1->trigger();
    shoot("order-fifteen-rows");
    Rows()->verticalScrollBar()->setValue(Rows()->verticalScrollBar()->maximum());
    shoot("order-fifteen-rows-scrolled");
    window->resize(900, 600);
    shoot("order-wide");
    window->findChild<TOrderDetailsDlg*>()->onShown = [&](TOrderDetailsDlg& dialog) {
        dialog.edits[0]->setText("Nordic Towers AB");
        dialog.edits[5]->setText("Hilltop North");
        QApplication::processEvents();
        dialog.grab().save(folder + "/order-details.png");
        dialog.reject();
    };
    ui().OrderDetails1->trigger();
}

}  // namespace
}  // namespace wizard
