#pragma once

// The main window walked to its result pages and its order page, with the
// hands a user needs there: adding, spinning and typing quantities, editing
// descriptions, selecting rows.

#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>

#include "WizardFixture.h"
#include "controls/Grid.h"
#include "orders/TOrderPage.h"

namespace wizard {

using quill::Grid;
using quill::SpinCellEditor;
using Row = std::vector<std::string>;

class OrderFixture : public WizardFixture {
  protected:
    TOrderPage* Order() const { return window->findChild<TOrderPage*>("tsOrder"); }
    Grid* Rows() const { return window->findChild<Grid*>("grdOrder"); }
    QWidget* Shown() const { return ui().PageControl1->ActivePage(); }
    fs::path LastOrder() const { return programFolder / "Quillroute.lom"; }

    // Jumper, the length given, the rest as page 1 and page 2 come: the final
    // page of the standard jumper J4V-DMDM-<length>.
    void ToFinal(const QString& length = "10") {
        Type(ui().cboLength, length);
        GoToPageTwo();
        Next();
        ASSERT_EQ(Shown(), ui().tsFinal) << ::testing::PrintToString(messages.calls);
    }

    // Feeder without a top connector: cable, one connector, one attachment charge.
    void ToPartsList(const QString& length = "200") {
        Click(ui().rgApp, 1);
        Click(ui().chkTopConnector);
        Type(ui().cboLength, length);
        GoToPageTwo();
        Next();
        ASSERT_EQ(Shown(), ui().tsNoPN) << ::testing::PrintToString(messages.calls);
    }

    void AddToOrder() {
        Next();
        ASSERT_EQ(Shown(), ui().tsOrder) << ::testing::PrintToString(messages.calls);
    }

    Row RowTexts(int row) const {
        Row texts;
        for (const QString& text : Rows()->RowTexts(row)) texts.push_back(S(text));
        return texts;
    }
    std::string Total() const { return S(window->findChild<QLineEdit*>("edtOrderTotal")->text()); }

    // A closed editor goes at the next turn of the event loop; it must not be
    // mistaken for the next one.
    static void CloseEditor(QWidget* editor) {
        QTest::keyClick(editor, Qt::Key_Return);
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    SpinCellEditor* OpenQuantity(int row) {
        Rows()->setFocus();
        Rows()->setCurrentCell(row, 0);
        Rows()->editItem(Rows()->item(row, 0));
        return Rows()->findChild<SpinCellEditor*>();
    }

    // Presses the quantity's up or down button as often as asked, then leaves the cell.
    void Spin(int row, int steps) {
        SpinCellEditor* editor = OpenQuantity(row);
        ASSERT_NE(editor, nullptr);
        for (int i = 0; i < std::abs(steps); ++i)
            QTest::keyClick(editor, steps > 0 ? Qt::Key_Up : Qt::Key_Down);
        CloseEditor(editor);
    }

    void TypeQuantity(int row, const QString& text) {
        SpinCellEditor* editor = OpenQuantity(row);
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        QTest::keyClicks(editor, text);
        CloseEditor(editor);
    }

    void TypeDescription(int row, const QString& text) {
        Rows()->setFocus();
        Rows()->setCurrentCell(row, 3);
        Rows()->editItem(Rows()->item(row, 3));
        auto* editor = Rows()->findChild<QLineEdit*>();
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        // Qt's test keyboard types ASCII only; other letters come as the
        // input method brings them, a text at once.
        if (text.toUtf8().size() == text.size())
            QTest::keyClicks(editor, text);
        else
            editor->insert(text);
        CloseEditor(editor);
    }

    // Clicks the row bar beside each row, holding Ctrl after the first.
    void SelectRows(std::initializer_list<int> rows) {
        QHeaderView* bar = Rows()->verticalHeader();
        bool first = true;
        for (const int row : rows) {
            const QPoint point(5, bar->sectionViewportPosition(row) + 5);
            QTest::mouseClick(bar->viewport(), Qt::LeftButton,
                              first ? Qt::KeyboardModifiers() : Qt::ControlModifier, point);
            first = false;
        }
    }

    void WriteOrder(const fs::path& file, const std::string& items,
                    const std::string& header = "App=Quillroute\r\n") {
        temp.Write(fs::relative(file, temp.Path()).string(),
                   "[Header]\r\n" + header +
                       "\r\n[SITE 001 LOM]\r\nSite Name=\r\nSite Number=\r\n"
                       "Ship To City=\r\nShip To State/Province=\r\nShip To Country=\r\n" +
                       items);
    }

    QAction* Menu(const char* name) const { return window->findChild<QAction*>(name); }
};

}  // namespace wizard
