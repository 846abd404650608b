// The window with the keyboard alone: a walk from page 1 to a saved order,
// and a name a screen reader speaks for every control a user reaches.

#include <QAccessible>

#include "../support/Files.h"
#include "OrderFixture.h"
#include "orders/TOrderDetailsDlg.h"

namespace wizard {
namespace {

class Keyboard : public OrderFixture {
  protected:
    // A key as the user presses it: to the control that has the focus.
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target ? target : window.get(), key, modifiers);
        QApplication::processEvents();
    }

    // Tab until the control (or its edit box) has the focus.
    void TabTo(QWidget* control) {
        for (int i = 0; i < 40 && !control->isAncestorOf(QApplication::focusWidget()) &&
                        QApplication::focusWidget() != control;
             ++i)
            Press(Qt::Key_Tab);
        ASSERT_TRUE(QApplication::focusWidget() == control ||
                    control->isAncestorOf(QApplication::focusWidget()));
    }
};

TEST_F(Keyboard, AWalkFromPageOneToASavedOrderWithKeysOnly) {
    Start();
    // The focus shows: a button looks otherwise once the Tab key reaches it.
    const QImage plain = ui().btnNext->grab().toImage();
    ASSERT_NO_FATAL_FAILURE(TabTo(ui().btnNext));
    EXPECT_NE(ui().btnNext->grab().toImage(), plain);
    ASSERT_NO_FATAL_FAILURE(TabTo(ui().cboLength));
    Press(Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), "10");
    Press(Qt::Key_Return);  // Next
    ASSERT_EQ(Page(), 1) << ::testing::PrintToString(messages.calls);
    // The focus goes to the new page's first control.
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_TRUE(window->findChild<QWidget*>("Page2")->isAncestorOf(QApplication::focusWidget()))
        << S(QApplication::focusWidget()->objectName());
    Press(Qt::Key_Return);  // Next
    ASSERT_EQ(Shown(), ui().tsFinal) << ::testing::PrintToString(messages.calls);
    // A result page has nothing to fill in: the focus is on what Enter does.
    EXPECT_EQ(QApplication::focusWidget(), ui().btnNext);
    Press(Qt::Key_Enter);  // Add to Order, from the keypad's Enter
    ASSERT_EQ(Shown(), ui().tsOrder) << ::testing::PrintToString(messages.calls);
    const fs::path file = programFolder / "data" / "keys.qrf";
    fileDialogs.Choose(file);
    Press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_NE(ReadBytes(file).find("|J4V-DMDM-10|"), std::string::npos);
    EXPECT_TRUE(messages.Boxes().empty()) << ::testing::PrintToString(messages.calls);
}

// The controls of the shown page and the frame that a user reaches, without a
// name a screen reader can speak.
std::vector<std::string> Unnamed(QWidget* root) {
    std::vector<std::string> unnamed;
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        if (!widget->isVisible() || widget->focusPolicy() == Qt::NoFocus) continue;
        if (widget->parentWidget() && widget->parentWidget()->inherits("QComboBox")) continue;
        if (widget->inherits("QScrollBar")) continue;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        const QString name = accessible ? accessible->text(QAccessible::Name).trimmed() : QString();
        // A box's value is no name: an input box needs its own.
        const bool input = widget->inherits("QComboBox") || widget->inherits("QLineEdit") ||
                           widget->inherits("QAbstractItemView") ||
                           widget->inherits("QAbstractSpinBox");
        if (name.isEmpty() || (input && widget->accessibleName().isEmpty()))
            unnamed.push_back(widget->metaObject()->className() + std::string(" ") +
                              widget->objectName().toStdString());
    }
    return unnamed;
}

TEST_F(Keyboard, EveryControlHasANameAScreenReaderSpeaks) {
    Start();
    EXPECT_EQ(Unnamed(window.get()), std::vector<std::string>{}) << "page 1";
    Next();
    EXPECT_EQ(Unnamed(window.get()), std::vector<std::string>{}) << "page 2";
    Next();
    EXPECT_EQ(Unnamed(window.get()), std::vector<std::string>{}) << "the final page";
    AddToOrder();
    EXPECT_EQ(Unnamed(window.get()), std::vector<std::string>{}) << "the order page";
    bool shown = false;
    window->findChild<TOrderDetailsDlg*>()->onShown = [&](TOrderDetailsDlg& dialog) {
        shown = true;
        EXPECT_EQ(Unnamed(&dialog), std::vector<std::string>{}) << "the order details";
        dialog.reject();
    };
    ui().OrderDetails1->trigger();
    EXPECT_TRUE(shown);
    StartOver();
    ToPartsList();
    EXPECT_EQ(Unnamed(window.get()), std::vector<std::string>{}) << "the parts list";
}

}  // namespace
}  // namespace wizard
