// Broken copies of the bundled data and absurd values typed by a user: the
// window answers each clearly and never shows a figure that is not one.

#include <QActionGroup>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include "../support/Files.h"
#include "OrderFixture.h"

namespace wizard {
namespace {

class BadData : public OrderFixture {
  protected:
    // Replaces the first occurrence of `from` in a data file.
    void Rewrite(const fs::path& file, const std::string& from, const std::string& to) {
        std::string text = ReadBytes(file);
        const std::size_t at = text.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        text.replace(at, from.size(), to);
        temp.Write(fs::relative(file, temp.Path()).string(), text);
    }

    // Every cell text of a grid, column by column.
    static std::vector<std::string> Cells(const Grid* grid) {
        std::vector<std::string> cells;
        for (int row = 0; row < grid->RowCount(); ++row)
            for (int column = 0; column < grid->ColumnCount(); ++column)
                cells.push_back(S(grid->Cell(column, row)));
        return cells;
    }
};

// A length with an exponent cannot be typed key by key (each edit is checked)
// but can be pasted whole.
void Paste(quill::ComboBox* box, const QString& text) { box->SetText(text); }

TEST_F(BadData, AnAbsurdLengthGivesLongFiguresButNeverStrayBytes) {
    Start();
    Click(ui().rgApp, 1);
    Click(ui().chkTopConnector);
    Paste(ui().cboLength, "1e62");
    GoToPageTwo();
    Next();
    ASSERT_EQ(Shown(), ui().tsNoPN) << ::testing::PrintToString(messages.calls);
    for (const std::string& cell : Cells(ui().grdJumper))
        EXPECT_EQ(cell.find('\0'), std::string::npos) << cell;
    const std::string extended = S(ui().grdJumper->Cell(5, 0));
    EXPECT_EQ(extended.substr(extended.size() - 3), ".00") << extended;
    EXPECT_GT(extended.size(), 60u);
    EXPECT_EQ(S(ui().edTotal->text()).find('\0'), std::string::npos);
    EXPECT_TRUE(messages.Boxes().empty()) << ::testing::PrintToString(messages.calls);
}

TEST_F(BadData, AnInfiniteFigureIsAClearErrorAndNoCellShowsIt) {
    Start();
    Click(ui().rgApp, 1);
    Paste(ui().cboLength, "1e308");
    GoToPageTwo();
    Next();
    ASSERT_EQ(messages.Boxes().size(), 1u) << ::testing::PrintToString(messages.calls);
    EXPECT_EQ(messages.Boxes()[0].kind, "error");
    EXPECT_NE(messages.Boxes()[0].text.find("too large to show"), std::string::npos);
    for (const std::string& cell : Cells(ui().grdJumper))
        EXPECT_EQ(cell.find("inf"), std::string::npos) << cell;
}

TEST_F(BadData, APriceThatIsNoNumberIsNamedInTheNotice) {
    Rewrite(sharedFolder / "M_lom.dat", "standard jacket|2.62|", "standard jacket|abc|");
    Start();
    ToPartsList();
    ASSERT_TRUE(ui().lblPriceNotice1->isVisibleTo(ui().tsNoPN));
    EXPECT_NE(S(ui().lblPriceNotice1->text()).find("RVX4-50K ('abc')"), std::string::npos)
        << S(ui().lblPriceNotice1->text());
    EXPECT_EQ(S(ui().grdJumper->Cell(4, 0)), " 0.00");
}

TEST_F(BadData, AStandardLengthThatIsNoNumberIsNamedAndTheOthersStay) {
    Rewrite(programFolder / "dat" / "jumpers.dat", "|3,6,10,15|", "|3,six,10,15|");
    Start();
    ToFinal("10");
    ASSERT_EQ(messages.Boxes().size(), 1u) << ::testing::PrintToString(messages.calls);
    EXPECT_EQ(messages.Boxes()[0].kind, "warning");
    EXPECT_NE(messages.Boxes()[0].text.find("jumpers.dat [RVX4-50K]"), std::string::npos)
        << messages.Boxes()[0].text;
    EXPECT_NE(messages.Boxes()[0].text.find("'six'"), std::string::npos);
    EXPECT_EQ(S(ui().grdFinal->Cell(1, 0)), "J4V-DMDM-10");
}

TEST_F(BadData, ASubnormalRateMakesItsCurrencyUnavailable) {
    temp.Write("program/xcngrate.dat", "EUR|1e-320|\r\nGBP|0.79|\r\n");
    Start();
    EXPECT_FALSE(Menu("Euro1")->isEnabled());
    EXPECT_TRUE(Menu("GBP1")->isEnabled());
}

}  // namespace
}  // namespace wizard

// ---------------------------------------------------------------- layout

#include "Elided.h"

namespace wizard {
namespace {

using Texts = std::vector<std::string>;

class WholeTexts : public OrderFixture {
  protected:
    void ExpectWhole(QWidget* page) {
        QApplication::processEvents();
        EXPECT_EQ(ElidedTexts(page), Texts{}) << S(page->objectName());
        const auto* scroller = window->findChild<QScrollArea*>("PageScroller");
        ASSERT_NE(scroller, nullptr);
        EXPECT_EQ(scroller->verticalScrollBar()->maximum(), 0)
            << S(page->objectName()) << " scrolls at " << window->height();
        EXPECT_EQ(scroller->horizontalScrollBar()->maximum(), 0) << S(page->objectName());
    }
    void VisitEveryPage() {
        ExpectWhole(ui().Page1);
        GoToPageTwo();
        ExpectWhole(ui().Page2);
        Next();
        ExpectWhole(ui().tsFinal);
        Menu("Euro1")->trigger();
        ExpectWhole(ui().tsFinal);
        Menu("US1")->trigger();
        Click(ui().btnRestart);
        Type(ui().cboLength, "7");
        GoToPageTwo();
        Click(ui().rbC2Actual);
        Pick(ui().cboC2MatesTo, "N Male");
        Next();
        ASSERT_EQ(Shown(), ui().tsNoLength);
        ExpectWhole(ui().tsNoLength);
        Click(ui().btnRestart);
        Click(ui().rgApp, 1);
        ExpectWhole(ui().Page1);
        Click(ui().rgApp, 0);
        ToPartsList();
        ExpectWhole(ui().tsNoPN);
        AddToOrder();
        ExpectWhole(ui().tsOrder);
    }
};

TEST_F(WholeTexts, EveryPageShowsAllItsTextWithoutScrolling) {
    Start();
    VisitEveryPage();
}

// A 1280 x 1024 screen at twice the scale leaves the window 464 points high.
TEST_F(WholeTexts, EveryPageStillFitsTheWindowOfAScreenScaledTwice) {
    Start();
    window->resize(584, 464);
    VisitEveryPage();
}

TEST_F(WholeTexts, TheWindowKeepsItsSizeWhenTheApplicationChanges) {
    Start();
    const QSize size = window->size();
    Click(ui().rgApp, 1);
    QApplication::processEvents();
    EXPECT_EQ(window->size(), size);
    Click(ui().rgApp, 0);
    QApplication::processEvents();
    EXPECT_EQ(window->size(), size);
    // The window's own size, unless the screen is too small for it.
    const QSize room = QGuiApplication::primaryScreen()->availableGeometry().size() - QSize(16, 48);
    EXPECT_EQ(size, QSize(584, 538).boundedTo(room));
}

TEST_F(WholeTexts, TabEntersARadioGroupAtItsSelectedItem) {
    Start();
    ASSERT_EQ(ui().rgCableType->ItemIndex(), 1);
    for (int item = 0; item < ui().rgCableType->ItemCount(); ++item)
        EXPECT_EQ(ui().rgCableType->Button(item)->focusPolicy() & Qt::TabFocus,
                  item == 1 ? Qt::TabFocus : 0)
            << item;
    Click(ui().rgCableType, 0);
    EXPECT_TRUE(ui().rgCableType->Button(0)->focusPolicy() & Qt::TabFocus);
    EXPECT_FALSE(ui().rgCableType->Button(1)->focusPolicy() & Qt::TabFocus);
}

TEST_F(WholeTexts, TheCurrencyMenuIsAOneOfManyChoice) {
    Start();
    for (QAction* item : ui().CurrencySettings1->findChildren<QAction*>()) {
        if (!item->isCheckable()) continue;
        ASSERT_NE(item->actionGroup(), nullptr) << S(item->objectName());
        EXPECT_TRUE(item->actionGroup()->isExclusive());
    }
}

}  // namespace
}  // namespace wizard
