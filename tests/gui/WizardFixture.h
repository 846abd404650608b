#pragma once

// The main window on a copy of the bundled data, with fake platform services,
// shown on the offscreen platform and driven as a user drives it.

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "../support/FakeClipboard.h"
#include "../support/FakeClock.h"
#include "../support/FakeFileDialogs.h"
#include "../support/FakeMessages.h"
#include "../support/FakePrinter.h"
#include "../support/FakeRegistry.h"
#include "../support/FakeShell.h"
#include "../support/Files.h"
#include "../support/TempDir.h"
#include "Ui.h"
#include "app/TfrmMain.h"
#include "controls/ComboBox.h"
#include "controls/PageControl.h"
#include "controls/Picture.h"
#include "controls/RadioGroup.h"
#include "online/OnlineChecks.h"
#include "online/TNewsDlg.h"
#include "online/TQuickUpdateDlg.h"
#include "orders/TOrderPage.h"
#include "platform/QtDownloader.h"
#include "platform/Services.h"
#include "session/ShownDocument.h"

namespace wizard {

namespace fs = std::filesystem;
using Calls = std::vector<quill::fakes::FakeMessages::Call>;
using Texts = std::vector<std::string>;

inline constexpr const char* kCommonFilesKey = "\\Software\\Orlenk\\Common Files";
inline constexpr const char* kMissingFiles =
    "One or more files needed to run this application are missing.";
inline constexpr const char* kNoSharedFolder =
    "One or more files needed to run this application are missing.\r"
    "M_lom.dat (no shared data folder is registered)";
inline constexpr const char* kNotNumeric =
    "This field must contain a numeric value.\rThe decimal separator is a point: 2.5, not 2,5.";
inline constexpr const char* kNoMatch =
    "Sorry, there are no items that match your selection criteria.";

inline std::string S(const QString& text) { return text.toStdString(); }

inline Texts Items(const quill::ComboBox* box) {
    Texts items;
    for (const QString& item : box->Items()) items.push_back(S(item));
    return items;
}

inline std::string Text(const quill::ComboBox* box) { return S(box->Text()); }

// The file name (without its folder) of the picture a control shows; empty
// when it shows none.
inline std::string PictureFile(const quill::Picture* picture) {
    if (!picture->HasPicture()) return {};
    return S(QFileInfo(picture->FileName()).fileName());
}

inline Texts Range(int first, int last) {
    Texts texts;
    for (int i = first; i <= last; ++i) texts.push_back(std::to_string(i));
    return texts;
}

// Every top-level window that appears while it lives, by class name. The main
// window is closed as soon as it shows, so that a run of the program returns.
class WindowWatcher : public QObject {
  public:
    WindowWatcher() { qApp->installEventFilter(this); }
    ~WindowWatcher() override { qApp->removeEventFilter(this); }

    bool Saw(const char* className) const {
        for (const std::string& name : shown)
            if (name == className) return true;
        return false;
    }

    std::vector<std::string> shown;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            shown.push_back(watched->metaObject()->className());
            if (watched->inherits("TfrmMain")) {
                // Closing the last window ends the event loop, as for the user.
                // The application is not told to quit from outside its loop: that
                // would end every event loop started later in the run.
                auto* window = static_cast<QWidget*>(watched);
                QTimer::singleShot(0, this, [window] { window->close(); });
            }
        }
        return false;
    }
};

class WizardFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::copy(fs::path(QUILLROUTE_SAMPLE_DATA) / "program", programFolder,
                 fs::copy_options::recursive);
        fs::copy(fs::path(QUILLROUTE_SAMPLE_DATA) / "shared", sharedFolder,
                 fs::copy_options::recursive);
        registry.WriteString(kCommonFilesKey, "Path", sharedFolder.string());
        ASSERT_TRUE(DatePriceList(sharedFolder));
        downloader.SetConnectionQuery([] { return true; });
    }

    void TearDown() override {
        window.reset();
        QApplication::processEvents();
    }

    // A spreadsheet program on the desktop: on Linux one that opens the type
    // named, on Windows the "Excel.Application" class it registers.
    void OfferSpreadsheetProgram(const std::string& type = ".xls") {
        shell.applications = {type};
        registry.WriteString("\\Software\\Classes\\Excel.Application\\CLSID", "", "{spreadsheet}");
    }

    // The fakes, the program folder and a command line, as the window gets them.
    void MakeServices(const QStringList& parameters) {
        services.reset(new Services{registry, shell, messages, clock, programFolder, writtenFolder,
                                    parameters, fileDialogs, clipboard, printer, downloader});
    }

    // Creates the main window and runs its start-up; false when it refused to run.
    bool Create(const QStringList& parameters = {}) {
        MakeServices(parameters);
        window = std::make_unique<TfrmMain>(*services);
        return window->FormCreate();
    }

    // Starts the program and shows its window, active, as the user sees it.
    void Start(const QStringList& parameters = {}) {
        ASSERT_TRUE(Create(parameters)) << ::testing::PrintToString(messages.calls);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    // ---------------------------------------------------------- the user's hands

    // The controls of the window as it is now.
    Ui& ui() const { return uiOf_(window.get()); }

    int Page() const { return ui().PageControl1->ActivePageIndex(); }

    void Click(quill::RadioGroup* group, int item) {
        ASSERT_NE(group->Button(item), nullptr);
        Click(group->Button(item));
    }
    // A radio button or check box reacts to its indicator and caption only,
    // not to the blank rest of its width: click on the indicator.
    void Click(QAbstractButton* button) {
        const bool indicator =
            qobject_cast<QRadioButton*>(button) || qobject_cast<QCheckBox*>(button);
        const QPoint point = indicator ? QPoint(6, button->height() / 2) : button->rect().center();
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, point);
    }

    void Next() { Click(ui().btnNext); }
    void Back() { Click(ui().btnBack); }
    void StartOver() { Click(ui().btnRestart); }

    // Next from page 1 with what page 1 shows, arriving on page 2.
    void GoToPageTwo() {
        Next();
        ASSERT_EQ(Page(), 1) << ::testing::PrintToString(messages.calls);
    }

    // Puts the keyboard focus on a control, as a click or Tab would; the control
    // that had it is left.
    void Focus(QWidget* widget) {
        widget->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
    }

    // Types into an editable drop-down, replacing its text.
    void Type(quill::ComboBox* box, const QString& text) {
        Focus(box);
        QTest::keyClick(box->lineEdit(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box->lineEdit(), text);
    }

    // Empties an editable drop-down with the keyboard.
    void Erase(quill::ComboBox* box) {
        Focus(box);
        QTest::keyClick(box->lineEdit(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box->lineEdit(), Qt::Key_Backspace);
    }

    // Picks an item from a drop-down's list: opens the list, moves to the item
    // and presses Enter.
    void Pick(quill::ComboBox* box, const QString& text) {
        const int index = box->IndexOf(text);
        ASSERT_GE(index, 0) << S(text) << " is not among " << ::testing::PrintToString(Items(box));
        ASSERT_TRUE(box->isEnabled());
        Focus(box);
        box->showPopup();
        QApplication::processEvents();
        box->view()->setCurrentIndex(box->model()->index(index, box->modelColumn()));
        QTest::keyClick(box->view(), Qt::Key_Return);
        QApplication::processEvents();
        ASSERT_EQ(box->currentIndex(), index);
    }

    // ---------------------------------------------------------- the data files

    fs::path ProgramFile(const std::string& name) const { return programFolder / name; }

    void WriteProgramFile(const std::string& name, std::initializer_list<std::string> lines) {
        temp.Write("program/" + name, CrLf(lines));
    }

    // A catalogue of our own in place of the bundled one: a heading section
    // (skipped by the reader) and then the given lines.
    void WriteCatalogue(std::initializer_list<std::string> lines) {
        std::string text = CrLf({"[HEADER]", "Title=test catalogue", ""});
        for (const std::string& line : lines) text += line + "\r\n";
        temp.Write("program/dat/tlineconnectors.dat", text);
    }

    // Removes one line of the picture list.
    void RemoveImageLine(const std::string& line) {
        const fs::path file = ProgramFile("dat/images.dat");
        std::ifstream in(file, std::ios::binary);
        std::stringstream all;
        all << in.rdbuf();
        in.close();
        std::string kept, current;
        bool removed = false;
        std::istringstream lines(all.str());
        while (std::getline(lines, current)) {
            if (!current.empty() && current.back() == '\r') current.pop_back();
            if (current == line) {
                removed = true;
                continue;
            }
            kept += current + "\r\n";
        }
        ASSERT_TRUE(removed) << line;
        std::ofstream(file, std::ios::binary | std::ios::trunc) << kept;
    }

    TempDir temp;
    fs::path programFolder = temp / "program";
    fs::path sharedFolder = temp / "shared";
    // A copy of the program of its own: the files it writes go beside it.
    fs::path writtenFolder = programFolder;
    quill::fakes::FakeRegistry registry;
    quill::fakes::FakeShell shell;
    quill::fakes::FakeMessages messages;
    quill::fakes::FakeClock clock;
    quill::fakes::FakeFileDialogs fileDialogs;
    quill::fakes::FakeClipboard clipboard;
    quill::fakes::FakePrinter printer;
    // The real downloader, quick to give up and to pause, and told the
    // computer is connected; tests serve it from this machine only.
    quill::QtDownloader downloader{TestTiming()};
    static quill::QtDownloader::Timing TestTiming() { return {2000, 1}; }
    std::unique_ptr<Services> services;
    std::unique_ptr<TfrmMain> window;
    mutable UiOf uiOf_;
};

}  // namespace wizard
