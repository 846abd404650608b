#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include "controls/ComboBox.h"
#include "controls/Grid.h"
#include "controls/PageControl.h"
#include "controls/Picture.h"
#include "controls/RadioGroup.h"

namespace quill {
namespace {

int CheckedButtons(const RadioGroup& group) {
    int checked = 0;
    for (int i = 0; i < group.ItemCount(); ++i) checked += group.Button(i)->isChecked() ? 1 : 0;
    return checked;
}

// A shown, active window, so that clicks and focus behave as for the user.
class Window : public QWidget {
  public:
    Window() { setLayout(new QVBoxLayout); }
    template <typename W>
    W* Add(W* widget) {
        layout()->addWidget(widget);
        return widget;
    }
    void Open() {
        resize(400, 400);
        show();
        activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(this));
    }
};

// --------------------------------------------------------------- RadioGroup

TEST(ControlsRadioGroup, ShowsCaptionAndItems) {
    RadioGroup group("Cable Type:", {"Air Coaxial", "Foam Coaxial", "Elliptical Waveguide"});
    EXPECT_EQ(group.title(), "Cable Type:");
    ASSERT_EQ(group.ItemCount(), 3);
    EXPECT_EQ(group.Button(2)->text(), "Elliptical Waveguide");
    EXPECT_EQ(group.ItemIndex(), -1);
    EXPECT_EQ(group.Button(3), nullptr);
}

TEST(ControlsRadioGroup, SelectingFromCodeRunsTheHandlerOnlyOnAChange) {
    RadioGroup group("Application:", {"Jumper", "Feeder"});
    std::vector<int> seen;
    group.onClick = [&] { seen.push_back(group.ItemIndex()); };

    group.SetItemIndex(0);
    group.SetItemIndex(0);
    group.SetItemIndex(1);
    group.SetItemIndex(1);
    EXPECT_EQ(seen, (std::vector<int>{0, 1}));
    EXPECT_TRUE(group.Button(1)->isChecked());
    EXPECT_FALSE(group.Button(0)->isChecked());
}

TEST(ControlsRadioGroup, ClearingLeavesNoButtonChecked) {
    RadioGroup group("Connector Attachment(s)",
                     {"Both Connectors", "Top Connector ONLY", "Bottom Connector ONLY"});
    int clicks = 0;
    group.onClick = [&] { ++clicks; };
    group.SetItemIndex(2);
    group.SetItemIndex(-1);
    EXPECT_EQ(group.ItemIndex(), -1);
    EXPECT_EQ(CheckedButtons(group), 0);
    EXPECT_EQ(clicks, 2);
    group.SetItemIndex(-1);
    EXPECT_EQ(clicks, 2);

    // The group is exclusive again afterwards.
    group.SetItemIndex(0);
    group.SetItemIndex(1);
    EXPECT_EQ(CheckedButtons(group), 1);
    EXPECT_EQ(group.ItemIndex(), 1);
}

TEST(ControlsRadioGroup, UserClickOnAnotherItemRunsTheHandler) {
    Window window;
    auto* group = window.Add(new RadioGroup("Application:", {"Jumper", "Feeder"}));
    window.Open();
    group->SetItemIndex(0);
    int clicks = 0;
    group->onClick = [&] { ++clicks; };

    // On the round button itself.
    const auto click = [&](int item) {
        QRadioButton* button = group->Button(item);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    };
    click(1);
    EXPECT_EQ(group->ItemIndex(), 1);
    EXPECT_EQ(clicks, 1);
    click(1);  // already selected
    EXPECT_EQ(clicks, 1);
    click(0);
    EXPECT_EQ(group->ItemIndex(), 0);
    EXPECT_EQ(clicks, 2);
}

TEST(ControlsRadioGroup, CascadesRunAsTheyWouldForTheUser) {
    RadioGroup attachment("Connector Attachment:", {"Vellisk", "Regular"});
    RadioGroup grade("Connector Grade:", {"Plated", "Standard"});
    std::vector<std::string> log;
    grade.onClick = [&] { log.push_back("grade " + std::to_string(grade.ItemIndex())); };
    attachment.onClick = [&] {
        log.push_back("attachment " + std::to_string(attachment.ItemIndex()));
        if (attachment.ItemIndex() == 0) {
            grade.SetItemEnabled(1, false);
            grade.SetItemIndex(0);
        }
    };
    grade.SetItemIndex(1);
    attachment.SetItemIndex(0);
    EXPECT_EQ(log, (std::vector<std::string>{"grade 1", "attachment 0", "grade 0"}));
}

TEST(ControlsRadioGroup, DisabledItemsCanStillBeSelectedFromCode) {
    RadioGroup group("Connector Grade:", {"Plated", "Standard"});
    group.SetItemEnabled(1, false);
    EXPECT_FALSE(group.ItemEnabled(1));
    EXPECT_TRUE(group.ItemEnabled(0));
    group.SetItemIndex(1);
    EXPECT_EQ(group.ItemIndex(), 1);
    // An item keeps its own state while the whole group is disabled.
    group.setEnabled(false);
    EXPECT_TRUE(group.ItemEnabled(0));
    EXPECT_FALSE(group.ItemEnabled(1));
    group.setEnabled(true);
    group.SetItemEnabled(1, true);
    EXPECT_TRUE(group.ItemEnabled(1));
}

TEST(ControlsRadioGroup, HintReachesEveryItem) {
    RadioGroup group("Application:", {"Jumper", "Feeder"});
    group.SetHint("Select An Application");
    EXPECT_EQ(group.toolTip(), "Select An Application");
    EXPECT_EQ(group.Button(1)->statusTip(), "Select An Application");
}

// ----------------------------------------------------------------- ComboBox

TEST(ControlsComboBox, FillingAndSelectingFromCodeRunNoHandler) {
    ComboBox box(nullptr, true);
    int changes = 0;
    box.onChange = [&] { ++changes; };
    box.SetItems({"1", "2", "3"});
    box.SetItemIndex(2);
    box.SetText("7");
    box.SetItems({"100", "200"});
    box.AddItem("300");
    box.SetItemIndex(-1);
    box.Clear();
    EXPECT_EQ(changes, 0);
}

TEST(ControlsComboBox, FillingLeavesNoSelection) {
    ComboBox editable(nullptr, true);
    editable.SetText("850");
    editable.SetItems({"800", "900"});
    EXPECT_EQ(editable.ItemIndex(), -1);
    EXPECT_EQ(editable.Text(), "850");  // an editable box keeps its text
    editable.SetItemIndex(1);
    EXPECT_EQ(editable.Text(), "900");
    editable.SetItemIndex(-1);
    EXPECT_EQ(editable.Text(), "");

    ComboBox list;
    list.SetItems({"a", "b"});
    EXPECT_EQ(list.ItemIndex(), -1);
    EXPECT_EQ(list.Text(), "");
    list.AddItem("c");
    EXPECT_EQ(list.ItemIndex(), -1);
}

TEST(ControlsComboBox, TextAndItemIndexAgree) {
    ComboBox box(nullptr, true);
    box.SetItems({"1", "2", "6", "10"});
    box.SetText("6");
    EXPECT_EQ(box.ItemIndex(), 2);
    box.SetText("7");
    EXPECT_EQ(box.ItemIndex(), -1);
    EXPECT_EQ(box.Text(), "7");
    EXPECT_EQ(box.IndexOf("10"), 3);
    EXPECT_EQ(box.IndexOf("1O"), -1);
    EXPECT_EQ(box.Items(), (QStringList{"1", "2", "6", "10"}));
}

TEST(ControlsComboBox, DropDownListShowsATextThatIsNoItem) {
    ComboBox box;
    box.SetItems({"7-16 DIN Male", "N Male"});
    box.SetText("None");
    EXPECT_EQ(box.Text(), "None");
    EXPECT_EQ(box.ItemIndex(), -1);
    box.SetText("N Male");
    EXPECT_EQ(box.ItemIndex(), 1);
    EXPECT_EQ(box.Text(), "N Male");
    box.Clear();
    EXPECT_EQ(box.Text(), "");
    EXPECT_EQ(box.ItemCount(), 0);
}

TEST(ControlsComboBox, TypingRunsTheHandlerAtEveryKeystroke) {
    Window window;
    auto* box = window.Add(new ComboBox(nullptr, true));
    window.Open();
    box->SetItems({"1", "2", "3"});
    box->SetItemIndex(0);
    std::vector<QString> seen;
    box->onChange = [&] { seen.push_back(box->Text()); };
    box->setFocus();
    box->lineEdit()->selectAll();
    QTest::keyClicks(box, "1a");
    EXPECT_EQ(seen, (std::vector<QString>{"1", "1a"}));
    EXPECT_EQ(box->Text(), "1a");
    EXPECT_EQ(box->ItemIndex(), -1);
}

TEST(ControlsComboBox, UserPickRunsTheHandler) {
    Window window;
    auto* list = window.Add(new ComboBox());
    auto* editable = window.Add(new ComboBox(nullptr, true));
    window.Open();
    list->SetItems({"Standard", "Premium"});
    list->SetItemIndex(0);
    editable->SetItems({"800", "900"});
    editable->SetItemIndex(0);
    int listChanges = 0;
    int editableChanges = 0;
    list->onChange = [&] { ++listChanges; };
    editable->onChange = [&] { ++editableChanges; };

    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(list->ItemIndex(), 1);
    EXPECT_EQ(listChanges, 1);

    editable->setFocus();
    QTest::keyClick(editable, Qt::Key_Down);
    EXPECT_EQ(editable->Text(), "900");
    EXPECT_EQ(editableChanges, 1);
}

TEST(ControlsComboBox, LeavingTheBoxRunsItsExitHandler) {
    Window window;
    auto* box = window.Add(new ComboBox(nullptr, true));
    auto* next = window.Add(new QPushButton("Next ->"));
    window.Open();
    int exits = 0;
    box->onExit = [&] { ++exits; };
    box->SetItems({"800", "900"});
    box->setFocus(Qt::OtherFocusReason);
    ASSERT_TRUE(box->hasFocus());

    box->showPopup();  // opening the list is no exit
    QCoreApplication::processEvents();
    box->hidePopup();
    QCoreApplication::processEvents();
    EXPECT_EQ(exits, 0);

    next->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(exits, 1);
}

// -------------------------------------------------------------- PageControl

TEST(ControlsPageControl, ShowHandlerRunsWhenThePageBecomesActive) {
    PageControl pages;
    auto* page1 = new QWidget;
    auto* page2 = new QWidget;
    std::vector<std::string> log;
    QWidget* activeDuringShow = nullptr;
    pages.AddPage(page1, [&] { log.push_back("page1"); });
    pages.AddPage(page2, [&] {
        log.push_back("page2");
        activeDuringShow = pages.ActivePage();
    });
    EXPECT_TRUE(log.empty());  // adding runs nothing
    EXPECT_EQ(pages.ActivePageIndex(), 0);

    pages.SetActivePage(page2);
    EXPECT_EQ(log, (std::vector<std::string>{"page2"}));
    EXPECT_EQ(activeDuringShow, page2);
    EXPECT_EQ(pages.ActivePageIndex(), 1);

    pages.SetActivePage(page2);  // already active
    EXPECT_EQ(log.size(), 1u);

    pages.RunShowHandler();  // on purpose
    EXPECT_EQ(log.size(), 2u);

    pages.SetActivePageIndex(0);
    EXPECT_EQ(log.back(), "page1");
    pages.setCurrentIndex(1);  // Qt's own way runs it too
    EXPECT_EQ(log.back(), "page2");
    EXPECT_EQ(log.size(), 4u);
}

TEST(ControlsPageControl, ForeignPagesChangeNothing) {
    PageControl pages;
    auto* page1 = new QWidget;
    pages.AddPage(page1);
    QWidget stranger;
    pages.SetActivePage(&stranger);
    pages.SetActivePage(nullptr);
    pages.SetActivePageIndex(7);
    EXPECT_EQ(pages.ActivePage(), page1);
}

// --------------------------------------------------------------------- Grid

TEST(ControlsGrid, ClearCellsKeepsHeadingsAndRows) {
    Grid grid(5, 3);
    grid.SetHeadingVisible(true);
    grid.SetHeadings(
        {"Description", "Part Number", "Length (Feet)", "Length (Meters)", "Difference In Length"});
    grid.SetCell(0, 0, "Your Selection:");
    grid.SetCell(4, 2, "3 Feet");
    EXPECT_EQ(grid.Cell(0, 0), "Your Selection:");
    EXPECT_EQ(grid.Cell(4, 2), "3 Feet");

    grid.ClearCells();
    EXPECT_EQ(grid.RowCount(), 3);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 5; ++column) EXPECT_EQ(grid.Cell(column, row), "");
    }
    EXPECT_EQ(grid.Heading(4), "Difference In Length");
    EXPECT_TRUE(grid.HeadingVisible());
}

TEST(ControlsGrid, CellsOutsideTheGridAreIgnored) {
    Grid grid(2, 2);
    grid.SetCell(2, 0, "x");
    grid.SetCell(0, -1, "x");
    EXPECT_EQ(grid.Cell(2, 0), "");
    EXPECT_EQ(grid.Cell(0, 5), "");
    grid.SetRowCount(3);
    grid.SetCell(1, 2, "new row");
    EXPECT_EQ(grid.RowTexts(2), (QStringList{"", "new row"}));
    grid.SetRowCount(1);
    EXPECT_EQ(grid.Cell(1, 2), "");
}

TEST(ControlsGrid, HiddenColumnKeepsItsText) {
    Grid grid(7, 1);
    grid.SetColumnHidden(6, true);
    grid.SetCell(6, 0, "3");
    EXPECT_TRUE(grid.isColumnHidden(6));
    EXPECT_EQ(grid.Cell(6, 0), "3");
}

TEST(ControlsGrid, CellsAreReadOnlyUnlessTheirColumnIsEditable) {
    Grid grid(6, 1);
    EXPECT_FALSE(grid.item(0, 3)->flags().testFlag(Qt::ItemIsEditable));
    EXPECT_EQ(grid.editTriggers(), QAbstractItemView::NoEditTriggers);
    grid.SetColumnEditable(3, true);
    EXPECT_TRUE(grid.item(0, 3)->flags().testFlag(Qt::ItemIsEditable));
    EXPECT_FALSE(grid.item(0, 2)->flags().testFlag(Qt::ItemIsEditable));
    grid.SetRowCount(2);
    EXPECT_TRUE(grid.item(1, 3)->flags().testFlag(Qt::ItemIsEditable));
    grid.SetReadOnly();
    EXPECT_FALSE(grid.item(1, 3)->flags().testFlag(Qt::ItemIsEditable));
}

TEST(ControlsGrid, LabelColumnIsBlueAndRightAligned) {
    Grid grid(2, 10);
    grid.SetLabelColumn(0);
    grid.SetCell(0, 0, "Part Number:");
    EXPECT_EQ(grid.item(0, 0)->foreground().color(), QColor(Qt::blue));
    EXPECT_TRUE(grid.ColumnAlignment(0).testFlag(Qt::AlignRight));
    EXPECT_TRUE(Qt::Alignment(grid.item(9, 0)->data(Qt::TextAlignmentRole).toInt())
                    .testFlag(Qt::AlignRight));
    EXPECT_FALSE(grid.IsLabelColumn(1));
}

TEST(ControlsGrid, RowHeightsAndHeading) {
    Grid grid(5, 3);
    grid.SetHeadingVisible(true);
    grid.SetHeadingHeight(33);
    grid.SetDefaultRowHeight(36);
    grid.SetRowHeight(1, 100);
    EXPECT_EQ(grid.RowHeight(0), 36);
    EXPECT_EQ(grid.RowHeight(1), 100);
    grid.SetRowCount(4);
    EXPECT_EQ(grid.RowHeight(3), 36);
    EXPECT_EQ(grid.HeadingHeight(), 33);
    EXPECT_EQ(grid.FittingHeight(), 2 * grid.frameWidth() + 33 + 36 * 3 + 100);
}

TEST(ControlsGrid, TextFromCodeRunsNoEditHandler) {
    Grid grid(6, 2);
    grid.SetSpinColumn(0);
    int edits = 0;
    grid.onCellEdit = [&](int, int) { ++edits; };
    grid.SetCell(0, 0, "3");
    grid.ClearCells();
    grid.SetRowCount(3);
    EXPECT_EQ(edits, 0);
}

TEST(ControlsGrid, SpinStepsEditTheCellAndCanBeRefused) {
    Window window;
    auto* grid = window.Add(new Grid(6, 2));
    window.Open();
    grid->SetSpinColumn(0);
    grid->SetCell(0, 1, "1");
    std::vector<std::pair<int, int>> edits;
    grid->onCellEdit = [&](int column, int row) { edits.emplace_back(column, row); };
    grid->onSpin = [](int, int, double value) { return value >= 0; };

    grid->editItem(grid->item(1, 0));
    auto* editor = grid->findChild<SpinCellEditor*>();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->Text(), "1");

    editor->stepBy(1);
    EXPECT_EQ(grid->Cell(0, 1), "2");
    editor->stepBy(-1);
    editor->stepBy(-1);
    EXPECT_EQ(grid->Cell(0, 1), "0");
    editor->stepBy(-1);  // below 0: refused
    EXPECT_EQ(grid->Cell(0, 1), "0");
    EXPECT_EQ(editor->Text(), "0");
    EXPECT_EQ(edits, (std::vector<std::pair<int, int>>{{0, 1}, {0, 1}, {0, 1}}));
}

// A decimal quantity steps by whole units exactly: up and down gives back
// the text it was, however its fraction looks in binary.
TEST(ControlsGrid, SpinStepsADecimalExactly) {
    Window window;
    auto* grid = window.Add(new Grid(2, 1));
    window.Open();
    grid->SetSpinColumn(0);
    grid->editItem(grid->item(0, 0));
    auto* editor = grid->findChild<SpinCellEditor*>();
    ASSERT_NE(editor, nullptr);
    // The text, one step up, and one step back down.
    const char* const steps[][3] = {{"0.005", "1.005", "0.005"},
                                    {"7.5", "8.5", "7.5"},
                                    {"0.1", "1.1", "0.1"},
                                    {"2.30", "3.3", "2.3"},
                                    {"abc", "1", "0"}};
    for (const auto& [start, up, down] : steps) {
        editor->SetText(start);
        editor->stepBy(1);
        EXPECT_EQ(editor->Text(), up) << start;
        editor->stepBy(-1);
        EXPECT_EQ(editor->Text(), down) << start;
    }
}

TEST(ControlsGrid, SpinCellTakesAnyTypedText) {
    Window window;
    auto* grid = window.Add(new Grid(2, 1));
    window.Open();
    grid->SetSpinColumn(0);
    grid->SetCell(0, 0, "5");
    int edits = 0;
    grid->onCellEdit = [&](int, int) { ++edits; };
    grid->setFocus();
    grid->setCurrentCell(0, 0);
    grid->editItem(grid->item(0, 0));
    auto* editor = grid->findChild<SpinCellEditor*>();
    ASSERT_NE(editor, nullptr);
    editor->SetText("10.5");
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();  // the editor closes by a posted call
    EXPECT_EQ(grid->Cell(0, 0), "10.5");
    EXPECT_EQ(edits, 1);
}

TEST(ControlsGrid, RowBarSelectsWholeRows) {
    Window window;
    auto* grid = window.Add(new Grid(6, 3));
    grid->SetRowBarVisible(true);
    grid->SetDefaultRowHeight(24);
    window.Open();
    EXPECT_TRUE(grid->verticalHeader()->isVisible());
    EXPECT_TRUE(grid->SelectedRows().empty());

    QHeaderView* bar = grid->verticalHeader();
    const int y1 = bar->sectionViewportPosition(1) + 5;
    const int y2 = bar->sectionViewportPosition(2) + 5;
    QTest::mouseClick(bar->viewport(), Qt::LeftButton, {}, QPoint(5, y1));
    EXPECT_EQ(grid->SelectedRows(), (std::vector<int>{1}));
    QTest::mouseClick(bar->viewport(), Qt::LeftButton, Qt::ControlModifier, QPoint(5, y2));
    EXPECT_EQ(grid->SelectedRows(), (std::vector<int>{1, 2}));

    grid->SetRowSelected(1, false);
    EXPECT_EQ(grid->SelectedRows(), (std::vector<int>{2}));
    grid->SetRowSelected(0, true);
    EXPECT_TRUE(grid->RowSelected(0));
}

TEST(ControlsGrid, WithoutRowBarNothingIsSelected) {
    Grid grid(2, 2);
    EXPECT_FALSE(grid.RowBarVisible());
    EXPECT_EQ(grid.selectionMode(), QAbstractItemView::NoSelection);
}

// ------------------------------------------------------------------ Picture

class ControlsPicture : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(folder_.isValid()); }

    QString Write(const QString& name, int width, int height) {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::red);
        const QString path = folder_.filePath(name);
        EXPECT_TRUE(image.save(path, "PNG"));
        return path;
    }

    QTemporaryDir folder_;
};

TEST_F(ControlsPicture, LoadsAndFitsThePicture) {
    Picture picture;
    picture.resize(50, 50);
    ASSERT_TRUE(picture.Load(Write("cable.png", 100, 200)));
    EXPECT_TRUE(picture.HasPicture());
    EXPECT_EQ(picture.Original().size(), QSize(100, 200));
    EXPECT_EQ(picture.pixmap().size(), QSize(25, 50));
}

TEST_F(ControlsPicture, SmallPicturesKeepTheirSizeUnlessEnlarged) {
    Picture picture;
    picture.resize(100, 100);
    ASSERT_TRUE(picture.Load(Write("small.png", 20, 10)));
    EXPECT_EQ(picture.pixmap().size(), QSize(20, 10));
    picture.SetEnlarge(true);
    EXPECT_EQ(picture.pixmap().size(), QSize(100, 50));
}

TEST_F(ControlsPicture, FindsTheFileWhateverTheCaseOfItsName) {
    Write("RVX4-50K.png", 10, 10);
    Picture picture;
    EXPECT_TRUE(picture.Load(folder_.filePath("rvx4-50k.PNG")));
    EXPECT_TRUE(picture.FileName().endsWith("RVX4-50K.png"));
}

TEST_F(ControlsPicture, MissingOrBrokenFileAnswersFalseAndKeepsThePicture) {
    Picture picture;
    const QString good = Write("good.png", 10, 10);
    ASSERT_TRUE(picture.Load(good));

    EXPECT_FALSE(picture.Load(folder_.filePath("missing.gif")));
    QFile broken(folder_.filePath("broken.gif"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture at all");
    broken.close();
    EXPECT_FALSE(picture.Load(broken.fileName()));
    EXPECT_TRUE(picture.HasPicture());
    EXPECT_EQ(picture.FileName(), good);

    picture.Clear();
    EXPECT_FALSE(picture.HasPicture());
    EXPECT_EQ(picture.FileName(), "");
}

}  // namespace
}  // namespace quill
