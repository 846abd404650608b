// The update and news reminders at activation, the update dialog's
// controls, and the prompts' check boxes in real message boxes.

#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>

#include "OnlineFixture.h"
#include "platform/QtMessages.h"

namespace wizard {
namespace {

using quill::Messages;
using Answer = quill::Messages::Answer;

const char* const kReminder =
    "Orlenk QuickUpdate\nIt appears that you have not updated your pricing database in a "
    "while.\r\nRunning the Orlenk QuickUpdate utility will ensure that you have the\r\nlatest "
    "pricing information in all of your programs within minutes.\r\n\r\nWould you like to run "
    "QuickUpdate now?\nDon't ask me again.";
const char* const kNewsPrompt =
    "Orlenk Press Releases\nView the latest press releases from Orlenk Corporation?\nDon't ask "
    "me again.";

class Reminders : public OnlineFixture {
  protected:
    // The checks run once the activation is over.
    void Settle() {
        for (int turn = 0; turn < 5; ++turn) QApplication::processEvents();
    }
    Calls Asked() const {
        Calls asked;
        for (const auto& call : messages.calls)
            if (call.kind == "ask") asked.push_back(call);
        return asked;
    }
};

TEST_F(Reminders, AFirstRunStartsBothSchedulesAndAsksNothing) {
    registry.DeleteValue(kUpdateKey, "NextUpdate");
    registry.DeleteValue(kNewsKey, "NextUpdate");
    Start();
    Settle();
    EXPECT_EQ(messages.calls, Calls{});
    EXPECT_EQ(Value(kUpdateKey, "NextUpdate"), "01/06/2027");
    EXPECT_EQ(Value(kUpdateKey, "Interval"), "30");
    EXPECT_EQ(Value(kNewsKey, "NextUpdate"), "12/14/2026");
}

TEST_F(Reminders, ADueReminderAsksOnceAndAgainOnlyAtTheNextActivation) {
    registry.WriteString(kUpdateKey, "NextUpdate", "12/07/2026");
    messages.ScriptReply(Answer::No);
    Start();
    Settle();
    EXPECT_EQ(messages.calls, (Calls{{"beep", ""}, {"ask", kReminder}}));
    // The window getting the focus back from one of the program's own
    // windows is no new activation.
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    Settle();
    EXPECT_EQ(Asked().size(), 1u);
    // Back from another program it is; declining left the reminder due.
    messages.ScriptReply(Answer::Cancel);
    ReturnFromAnotherProgram();
    Settle();
    EXPECT_EQ(Asked().size(), 2u);
    EXPECT_EQ(Value(kUpdateKey, "NextUpdate"), "12/07/2026");
}

TEST_F(Reminders, DontAskMeAgainEndsTheReminderWhateverTheAnswer) {
    registry.WriteString(kUpdateKey, "NextUpdate", "12/01/2026");
    registry.WriteString(kNewsKey, "NextUpdate", "12/01/2026");
    messages.ScriptReply(Answer::No, true);
    messages.ScriptReply(Answer::Cancel, true);
    Start();
    Settle();
    EXPECT_EQ(Asked(), (Calls{{"ask", kReminder}, {"ask", kNewsPrompt}}));
    EXPECT_EQ(Value(kUpdateKey, "NextUpdate"), "0");
    EXPECT_EQ(Value(kNewsKey, "NextUpdate"), "0");
    ReturnFromAnotherProgram();
    Settle();
    EXPECT_EQ(Asked().size(), 2u);
}

TEST_F(Reminders, YesToTheNewsPromptShowsTheHeadlines) {
    ServeNews(3);
    registry.WriteString(kNewsKey, "NextUpdate", "12/07/2026");
    messages.ScriptReply(Answer::Yes);
    int shown = 0;
    MakeServices({});
    window = std::make_unique<TfrmMain>(*services);
    ASSERT_TRUE(window->FormCreate());
    window->Online().News().onShown = [&](TfrmNews& dialog) {
        ++shown;
        EXPECT_EQ(dialog.memNews->toPlainText().count('\n'), 2);
        dialog.btnClose->click();
    };
    window->show();  // the first showing runs the checks
    EXPECT_TRUE(QTest::qWaitFor([&] { return shown == 1; }));
    EXPECT_EQ(Value(kNewsKey, "NextUpdate"), "12/14/2026");
}

TEST_F(Reminders, YesToTheReminderOpensTheUpdateDialog) {
    registry.WriteString(kUpdateKey, "NextUpdate", "12/07/2026");
    registry.WriteString(kUpdateKey, "Interval", "soon");
    messages.ScriptReply(Answer::Yes);
    MakeServices({});
    window = std::make_unique<TfrmMain>(*services);
    ASSERT_TRUE(window->FormCreate());
    std::string days;
    window->Online().QuickUpdate().onShown = [&](TfrmUpdate& dialog) {
        days = S(dialog.cboNumDays->Text());
        dialog.btnCancel->click();
    };
    window->show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !days.empty(); }));
    EXPECT_EQ(days, "30") << "an Interval that is no number shows the default";
    EXPECT_EQ(Value(kUpdateKey, "NextUpdate"), "12/07/2026") << "cancelled: unchanged";
}

// ------------------------------------------------------------ the dialog

class UpdateDialog : public OnlineFixture {
  protected:
    void Open() {
        update = std::make_unique<quill::QuickUpdate>(Update());
        dialog = std::make_unique<TfrmUpdate>(*update, messages, clock);
        component = std::make_unique<TQuickUpdateDlg>(Online(), programFolder, nullptr);
        component->DefaultProgram = "Quillroute";
        component->FillProgramList(dialog->sgPrograms);
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    }
    // Whether any pixel of the row's name is drawn in that colour.
    bool RowDrawnIn(int row, const QColor& colour) {
        const QImage image = dialog->sgPrograms->viewport()->grab().toImage();
        const QRect cell =
            dialog->sgPrograms->visualRect(dialog->sgPrograms->model()->index(row, 0));
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            for (int x = cell.left(); x <= cell.right(); ++x)
                if (image.pixelColor(
                        x * image.width() / dialog->sgPrograms->viewport()->width(),
                        y * image.height() / dialog->sgPrograms->viewport()->height()) == colour)
                    return true;
        return false;
    }

    std::unique_ptr<quill::QuickUpdate> update;
    std::unique_ptr<TfrmUpdate> dialog;
    std::unique_ptr<TQuickUpdateDlg> component;
};

TEST_F(UpdateDialog, WithoutRegisteredProgramsTheListHasNoRow) {
    Open();
    EXPECT_EQ(dialog->sgPrograms->RowCount(), 0);
    Click(dialog->rgAction, 1);
    EXPECT_EQ(dialog->SelectedProgramCount(), 0);
    EXPECT_EQ(dialog->SelectedProgramNames(), Texts{});
}

TEST_F(UpdateDialog, TheProgramListIsUsableOnlyForProgramFiles) {
    Register("Alpha", "Alpha Designer", "alpha.exe", "12/01/2026");
    Register("Quillroute", "Quillroute", "quillroute.exe", "11/30/2026");
    Open();
    EXPECT_EQ(dialog->rgAction->ItemIndex(), 0);
    EXPECT_FALSE(dialog->sgPrograms->isEnabled());
    EXPECT_FALSE(dialog->chkAll->isEnabled());
    EXPECT_EQ(dialog->sgPrograms->SelectedRows(), std::vector<int>{1}) << "the program itself";
    Click(dialog->rgAction, 1);
    EXPECT_TRUE(dialog->sgPrograms->isEnabled());
    EXPECT_TRUE(dialog->chkAll->isEnabled());
    Click(dialog->chkAll);
    EXPECT_EQ(dialog->SelectedProgramCount(), 2);
    QTest::mouseClick(
        dialog->sgPrograms->viewport(), Qt::LeftButton, {},
        dialog->sgPrograms->visualRect(dialog->sgPrograms->model()->index(0, 0)).center());
    EXPECT_FALSE(dialog->chkAll->isChecked());
    EXPECT_EQ(dialog->SelectedProgramNames(), Texts{"Alpha Designer"});
    Click(dialog->chkReminder);
    EXPECT_FALSE(dialog->cboNumDays->isEnabled());
    Click(dialog->chkReminder);
    EXPECT_TRUE(dialog->cboNumDays->isEnabled());
    Click(dialog->rgAction, 0);
    EXPECT_FALSE(dialog->sgPrograms->isEnabled());
}

TEST_F(UpdateDialog, ANinetyDayOldProgramIsRedForProgramFilesAndGreyOtherwise) {
    Register("Alpha", "Alpha Designer", "alpha.exe", "09/08/2026");  // 90 days
    Register("Beta", "Beta Planner", "beta.exe", "12/01/2026");
    Register("Quillroute", "Quillroute", "quillroute.exe", "12/01/2026");
    Open();
    const QColor grey = dialog->sgPrograms->palette().color(QPalette::Disabled, QPalette::Text);
    EXPECT_FALSE(RowDrawnIn(0, Qt::red));
    Click(dialog->rgAction, 1);
    dialog->sgPrograms->clearSelection();
    QApplication::processEvents();
    EXPECT_TRUE(RowDrawnIn(0, Qt::red));
    EXPECT_FALSE(RowDrawnIn(1, Qt::red));
    EXPECT_EQ(dialog->ProgramRowColour(0, "09/08/2026"), QColor(Qt::red));
    Click(dialog->rgAction, 0);
    EXPECT_EQ(dialog->ProgramRowColour(0, "09/08/2026"), grey);
    EXPECT_NE(dialog->ProgramRowColour(1, "12/01/2026"), QColor(Qt::red));
}

// ------------------------------------------------------------ real boxes

class PromptBoxes : public ::testing::Test {
  protected:
    // The box that is up, once it is on the screen, given to the hands.
    Messages::Reply Ask(Messages::Gap gap, std::function<void(QMessageBox&)> hands) {
        quill::QtMessages messages;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            ASSERT_TRUE(QTest::qWaitForWindowExposed(box));
            hands(*box);
        });
        return messages.AskWithCheckBox("Orlenk QuickUpdate",
                                        "First line of the question\r\nand its second line",
                                        "Don't ask me again.", gap);
    }
};

TEST_F(PromptBoxes, TheCheckBoxSitsBelowTheButtonsUnderTheText) {
    for (const auto gap : {Messages::Gap::FifthOfText, Messages::Gap::TextHeight}) {
        const Messages::Reply reply = Ask(gap, [&](QMessageBox& box) {
            auto* check = box.findChild<QCheckBox*>("DontAskAgain");
            auto* label = box.findChild<QLabel*>("qt_msgbox_label");
            auto* buttons = box.findChild<QDialogButtonBox*>("qt_msgbox_buttonbox");
            ASSERT_TRUE(check && label && buttons);
            EXPECT_TRUE(check->isVisible());
            EXPECT_EQ(S(check->text()), "Don't ask me again.");
            EXPECT_FALSE(check->isChecked());
            const QRect text = label->geometry(), row = buttons->geometry(),
                        box_ = check->geometry();
            const int space =
                gap == Messages::Gap::FifthOfText ? label->height() / 5 : label->height();
            EXPECT_GE(row.top() - text.bottom(), space);
            EXPECT_GE(box_.top() - row.bottom(), space);
            EXPECT_EQ(box_.left(), text.left());
            EXPECT_GE(box_.width(), text.width());
            EXPECT_LE(box_.bottom(), box.rect().bottom()) << "wholly inside the box";
            check->click();
            box.button(QMessageBox::No)->click();
        });
        EXPECT_EQ(reply.answer, Messages::Answer::No);
        EXPECT_TRUE(reply.checked);
    }
    const Messages::Reply yes = Ask(Messages::Gap::FifthOfText, [](QMessageBox& box) {
        box.button(QMessageBox::Yes)->click();
    });
    EXPECT_EQ(yes.answer, Messages::Answer::Yes);
    EXPECT_FALSE(yes.checked);
}

// Not a check: with QUILLROUTE_SCREENSHOTS set to a folder, saves pictures of
// the prompts, the update dialog, the progress window and the news dialog.
TEST_F(UpdateDialog, Screenshots) {
    const QString folder = qEnvironmentVariable("QUILLROUTE_SCREENSHOTS");
    if (folder.isEmpty()) GTEST_SKIP() << "QUILLROUTE_SCREENSHOTS not set";
    const auto shoot = [&](QWidget* widget, const char* name) {
        QApplication::processEvents();
        widget->grab().save(folder + "/" + name + ".png");
    };
    quill::QtMessages real;
    for (const auto& [gap, name] : {std::pair{Messages::Gap::FifthOfText, "prompt-update"},
                                    std::pair{Messages::Gap::TextHeight, "prompt-news"}}) {
        QTimer::singleShot(100, [&, name = name] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            shoot(box, name);
            box->button(QMessageBox::Cancel)->click();
        });
        if (gap == Messages::Gap::FifthOfText) {
            quill::QuickUpdate(quill::OnlineServices{registry, shell, real, clock, downloader},
                               "http://x/", programFolder)
                .AskToUpdate();
        } else {
            quill::NewsHeadlines(quill::OnlineServices{registry, shell, real, clock, downloader},
                                 "http://x", programFolder)
                .AskToShow();
        }
    }

    Register("Alpha", "Alpha Designer", "alpha.exe", "06/01/2026");
    Register("Beta", "Beta Planner", "beta.exe", "11/20/2026");
    Register("Quillroute", "Quillroute", "quillroute.exe", "12/01/2026");
    Open();
    shoot(dialog.get(), "update-pricing");
    Click(dialog->rgAction, 1);
    shoot(dialog.get(), "update-programs");
    dialog->hide();

    server.trickleMilliseconds = 60;
    server.Serve("/updates/pricing.exe",
                 {200, QByteArray(2000000, 'p'), LoopbackHttpServer::Behaviour::Trickle});
    QTimer::singleShot(800, [&] {
        if (QWidget* progress = QApplication::activeModalWidget()) shoot(progress, "progress");
    });
    fs::create_directories(Updates());
    update->UpdatePricing(Updates(), false);

    ServeNews(12);
    Start();
    window->Online().News().onShown = [&](TfrmNews& news) {
        shoot(&news, "news");
        news.close();
    };
    window->Online().News().Execute();
}

}  // namespace
}  // namespace wizard
