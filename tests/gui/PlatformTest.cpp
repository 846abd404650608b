#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QUrl>
#include <stdexcept>

#include "../support/FakeClock.h"
#include "../support/FakeMessages.h"
#include "../support/FakeRegistry.h"
#include "../support/FakeShell.h"
#include "platform/Clock.h"
#include "platform/ErrorReport.h"
#include "platform/PathText.h"
#include "platform/QtMessages.h"
#include "platform/QtRegistry.h"
#include "platform/QtShell.h"
#include "platform/TextConversion.h"
#include "text/Error.h"

namespace quill {
namespace {

using fakes::FakeMessages;

// ------------------------------------------------------------ Windows-1252

TEST(PlatformTextConversion, TradeMarkSignSurvivesTheRoundTrip) {
    const std::string caption = "Quillroute\x99";
    const QString shown = ToQt(caption);
    EXPECT_EQ(shown, QString::fromUtf8("Quillroute\u2122"));
    EXPECT_EQ(FromQt(shown), caption);
    EXPECT_EQ(FromQt(QString::fromUtf8("Quillroute\u2122")), caption);
}

TEST(PlatformTextConversion, EveryByteComesBackUnchanged) {
    std::string bytes;
    for (int b = 1; b <= 0xFF; ++b) bytes.push_back(static_cast<char>(b));
    EXPECT_EQ(FromQt(ToQt(bytes)), bytes);
}

TEST(PlatformTextConversion, HighBytesAreTheWindowsCharacters) {
    EXPECT_EQ(ToQt("\x80"), QString(QChar(0x20AC)));  // euro sign
    EXPECT_EQ(ToQt("\x93quoted\x94"), QString::fromUtf8("\u201Cquoted\u201D"));
    EXPECT_EQ(ToQt("\xE9"), QString::fromUtf8("\u00E9"));
    EXPECT_EQ(ToQt("\xA0"), QString(QChar(0x00A0)));
}

TEST(PlatformTextConversion, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(FromQt(QString::fromUtf8("\u0416 \u4E2D")), "? ?");
    // One character beyond the first plane is one question mark.
    EXPECT_EQ(FromQt(QString::fromUtf8("a\U0001F600b")), "a?b");
}

// A message names a file as it is spelled, whatever its script, and a
// figure of the data files keeps its Windows character; a file name makes
// the round trip to the file system.
TEST(PlatformTextConversion, MessagesAndFileNamesKeepEveryScript) {
    const QString folder = QString::fromUtf8("M\u00fcller \u03a9 \u6771\u4eac");
    EXPECT_EQ(MessageToQt("Cannot write file " + Utf8Of(ToPath(folder) / "a.qrf") + ": full"),
              "Cannot write file " + FromPath(ToPath(folder) / "a.qrf") + ": full");
    EXPECT_TRUE(FromPath(ToPath(folder) / "a.qrf").startsWith(folder));
    EXPECT_EQ(MessageToQt("RVX4\x99 costs \x80 5"), QString::fromUtf8("RVX4\u2122 costs \u20ac 5"));
    EXPECT_EQ(MessageToQt("plain"), "plain");
}

// ----------------------------------------------------------------- Registry

// Points the user's configuration folder at a fresh temporary folder while
// a test runs.
class PlatformIniRegistry : public ::testing::Test {
  protected:
    void SetUp() override {
#ifdef Q_OS_WIN
        GTEST_SKIP() << "Windows keeps these keys in the registry; the INI store is used elsewhere";
#endif
        ASSERT_TRUE(folder_.isValid());
        saved_ = qgetenv("XDG_CONFIG_HOME");
        hadSaved_ = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder_.path()));
    }
    void TearDown() override {
        if (hadSaved_) {
            qputenv("XDG_CONFIG_HOME", saved_);
        } else {
            qunsetenv("XDG_CONFIG_HOME");
        }
    }

    QString IniPath() const { return folder_.path() + "/Orlenk/registry.ini"; }

    QTemporaryDir folder_;
    QByteArray saved_;
    bool hadSaved_ = false;
};

#ifndef Q_OS_WIN
TEST_F(PlatformIniRegistry, WritesTheIniFileInTheUsersConfigurationFolder) {
    QtRegistry registry;
    EXPECT_EQ(registry.Location(), IniPath());
    registry.WriteString("\\Software\\Orlenk\\Common Files", "Path", "C:\\Orlenk\\Common");
    EXPECT_TRUE(QFile::exists(IniPath()));
}
#endif

TEST_F(PlatformIniRegistry, ReadsBackWhatItWrote) {
    {
        QtRegistry registry;
        registry.WriteString("\\Software\\Orlenk\\Common Files", "Path",
                             "C:\\Program Files\\Orlenk\\Common Files");
    }
    QtRegistry later;
    EXPECT_EQ(later.ReadString("\\Software\\Orlenk\\Common Files", "Path"),
              "C:\\Program Files\\Orlenk\\Common Files");
}

TEST_F(PlatformIniRegistry, MissingKeyDiffersFromKeyWithAValue) {
    QtRegistry registry;
    EXPECT_FALSE(registry.KeyExists("\\Software\\Orlenk\\Common Files"));
    EXPECT_FALSE(registry.ReadString("\\Software\\Orlenk\\Common Files", "Path").has_value());

    registry.WriteString("\\Software\\Orlenk\\Common Files", "Other", "x");
    EXPECT_TRUE(registry.KeyExists("\\Software\\Orlenk\\Common Files"));
    EXPECT_TRUE(registry.KeyExists("\\Software\\Orlenk"));  // a key with a subkey
    EXPECT_FALSE(registry.KeyExists("\\Software\\Orlenk\\News"));
    EXPECT_FALSE(registry.ReadString("\\Software\\Orlenk\\Common Files", "Path").has_value());
}

TEST_F(PlatformIniRegistry, EmptyValueIsAValue) {
    QtRegistry registry;
    registry.WriteString("\\Software\\Orlenk\\News", "NextUpdate", "");
    EXPECT_EQ(registry.ReadString("\\Software\\Orlenk\\News", "NextUpdate"), "");
}

TEST_F(PlatformIniRegistry, TextsKeepBlanksCommasAndSpecialCharacters) {
    QtRegistry registry;
    const std::string path = "\\Software\\Orlenk\\Quill Route Extra";
    registry.WriteString(path, "Menu Caption", "  Quillroute\x99, 1.0 = \"best\" ; #1 @x ");
    registry.WriteString(path, "List", "a, b, c");
    QtRegistry later;
    EXPECT_EQ(later.ReadString(path, "Menu Caption"), "  Quillroute\x99, 1.0 = \"best\" ; #1 @x ");
    EXPECT_EQ(later.ReadString(path, "List"), "a, b, c");
}

TEST_F(PlatformIniRegistry, NamesAreFoundWithoutRegardToCase) {
    QtRegistry registry;
    registry.WriteString("\\Software\\Orlenk\\QuickUpdate", "NextUpdate", "01/31/2004");
    EXPECT_EQ(registry.ReadString("software\\ORLENK\\quickupdate\\", "nextupdate"), "01/31/2004");
    // Writing with another spelling replaces the value instead of adding one.
    registry.WriteString("\\SOFTWARE\\orlenk\\QuickUpdate", "NEXTUPDATE", "0");
    EXPECT_EQ(registry.ReadString("\\Software\\Orlenk\\QuickUpdate", "NextUpdate"), "0");
    EXPECT_EQ(registry.SubKeys("\\Software\\Orlenk"), std::vector<std::string>{"QuickUpdate"});
}

TEST_F(PlatformIniRegistry, ListsSubKeysAndDeletesValues) {
    QtRegistry registry;
    registry.WriteString("\\Software\\Orlenk\\Quillroute", "MenuCaption", "Quillroute");
    registry.WriteString("\\Software\\Orlenk\\Common Files", "Path", "C:\\Data");
    registry.WriteString("\\Software\\Orlenk\\QuickUpdate", "NewInstall", "1");
    const std::vector<std::string> keys = registry.SubKeys("Software\\Orlenk");
    EXPECT_EQ(keys.size(), 3u);
    EXPECT_NE(std::find(keys.begin(), keys.end(), "Common Files"), keys.end());

    registry.DeleteValue("\\Software\\Orlenk\\QuickUpdate", "NewInstall");
    EXPECT_FALSE(registry.ReadString("\\Software\\Orlenk\\QuickUpdate", "NewInstall"));
    EXPECT_TRUE(registry.SubKeys("\\Software\\Nobody").empty());
}

#ifndef Q_OS_WIN
TEST_F(PlatformIniRegistry, ClassKeysAreTheUsersOwnClasses) {
    QtRegistry registry;
    EXPECT_FALSE(registry.ClassKeyExists("Excel.Application"));
    registry.WriteString("\\Software\\Classes\\Excel.Application", "CLSID", "{0}");
    EXPECT_TRUE(registry.ClassKeyExists("Excel.Application"));
}
#endif

TEST(PlatformFakeRegistry, FollowsTheSameRules) {
    fakes::FakeRegistry registry;
    EXPECT_FALSE(registry.KeyExists("\\Software\\Orlenk\\Common Files"));
    registry.WriteString("\\Software\\Orlenk\\Common Files", "Path", "C:\\Data");
    EXPECT_TRUE(registry.KeyExists("software\\orlenk"));
    EXPECT_EQ(registry.ReadString("\\SOFTWARE\\Orlenk\\Common Files\\", "path"), "C:\\Data");
    EXPECT_EQ(registry.SubKeys("\\Software\\Orlenk"), std::vector<std::string>{"Common Files"});
    registry.DeleteValue("\\Software\\Orlenk\\Common Files", "Path");
    EXPECT_FALSE(registry.KeyExists("\\Software\\Orlenk\\Common Files"));
}

// -------------------------------------------------------------------- Shell

TEST(PlatformQtShell, AddressesStayAddressesAndPathsBecomeFileUrls) {
    EXPECT_EQ(QtShell::TargetUrl("https://www.example.com/"), QUrl("https://www.example.com/"));
    const QUrl mail = QtShell::TargetUrl("mailto:support@example.com?subject=Quillroute");
    EXPECT_EQ(mail.scheme(), "mailto");
    EXPECT_EQ(mail.query(), "subject=Quillroute");
    const QUrl file = QtShell::TargetUrl("/tmp/order file.html");
    EXPECT_TRUE(file.isLocalFile());
    EXPECT_EQ(file.toLocalFile(), "/tmp/order file.html");
}

// Without a registry, a spreadsheet program is one whose desktop entry takes
// the ".xls" type; the user's own entries count as the system's do.
TEST(PlatformQtShell, KnowsWhetherTheDesktopOpensAFileType) {
#ifdef Q_OS_WIN
    // A type is opened by a program when the classes root knows it. (Written
    // there directly: Wine does not merge the user's classes into the root.)
    QSettings classes("HKEY_CLASSES_ROOT", QSettings::NativeFormat);
    classes.setValue(".quillroute-test-sheet/.", "Quillroute.TestSheet");
    classes.sync();
    QtShell shell;
    EXPECT_TRUE(shell.HasApplicationFor(".quillroute-test-sheet"));
    EXPECT_FALSE(shell.HasApplicationFor(".no-such-type"));
    classes.remove(".quillroute-test-sheet");
#else
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
    QDir(home.path()).mkpath("applications");
    QFile entry(home.path() + "/applications/calc.desktop");
    ASSERT_TRUE(entry.open(QIODevice::WriteOnly));
    entry.write("[Desktop Entry]\nName=Calc\nMimeType=text/csv;application/vnd.ms-excel;\n");
    entry.close();
    QtShell shell;
    EXPECT_TRUE(shell.HasApplicationFor(".xls"));
    EXPECT_FALSE(shell.HasApplicationFor(".no-such-type"));
    qputenv("XDG_DATA_HOME", oldHome);
#endif
}

TEST(PlatformFakeShell, RecordsTargets) {
    fakes::FakeShell shell;
    Shell& service = shell;
    service.Open("mailto:a@b.c");
    EXPECT_EQ(shell.opened, std::vector<std::string>{"mailto:a@b.c"});
}

// ----------------------------------------------------------------- Messages

TEST(PlatformQtMessages, CarriageReturnsBreakLines) {
    EXPECT_EQ(QtMessages::BoxText("one\rtwo\r\nthree"), "one\ntwo\nthree");
    EXPECT_EQ(QtMessages::BoxText("Quillroute\x99"), QString::fromUtf8("Quillroute\u2122"));
}

TEST(PlatformFakeMessages, RecordsBoxesAndSoundsInOrder) {
    FakeMessages fake;
    Messages& messages = fake;
    messages.Beep();
    messages.Warning("This field must contain a numeric value.");
    fake.Answer(true);
    fake.Answer(false);
    EXPECT_TRUE(messages.Confirm("Sure?"));
    EXPECT_FALSE(messages.ConfirmWarning("Really?"));
    const std::vector<FakeMessages::Call> expected = {
        {"beep", ""},
        {"warning", "This field must contain a numeric value."},
        {"confirm", "Sure?"},
        {"confirm-warning", "Really?"},
    };
    EXPECT_EQ(fake.calls, expected);
    EXPECT_EQ(fake.Count("beep"), 1);
    EXPECT_EQ(fake.Boxes().size(), 3u);
}

// -------------------------------------------------------------- ErrorReport

TEST(PlatformErrorReport, ShowsTheErrorsMessageAndGoesOn) {
    FakeMessages messages;
    bool after = false;
    const bool finished = RunGuarded(messages, [&] {
        throw QuillError("'abc' is not a valid floating point value");
        after = true;
    });
    EXPECT_FALSE(finished);
    EXPECT_FALSE(after);
    const std::vector<FakeMessages::Call> expected = {
        {"error", "'abc' is not a valid floating point value"}};
    EXPECT_EQ(messages.calls, expected);
}

TEST(PlatformErrorReport, ReportsAnyStandardErrorInASentence) {
    FakeMessages messages;
    EXPECT_FALSE(RunGuarded(messages, [] { throw std::bad_alloc(); }));
    ASSERT_EQ(messages.calls.size(), 1u);
    EXPECT_EQ(messages.calls[0].kind, "error");
    EXPECT_EQ(messages.calls[0].text,
              "There is not enough memory to finish the operation. Nothing was changed.");
}

TEST(PlatformErrorReport, LetsNothingThrough) {
    FakeMessages messages;
    EXPECT_FALSE(RunGuarded(messages, [] { throw 42; }));
    EXPECT_EQ(messages.Count("error"), 1);
}

TEST(PlatformErrorReport, SuccessShowsNothing) {
    FakeMessages messages;
    int runs = 0;
    EXPECT_TRUE(RunGuarded(messages, [&] { ++runs; }));
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(messages.calls.empty());
}

// -------------------------------------------------------------------- Clock

TEST(PlatformClock, FormatsWithTwoDigitMonthAndDay) {
    EXPECT_EQ(FormatDate(Date{2004, 3, 5}), "03/05/2004");
    EXPECT_EQ(FormatDate(Date{1999, 12, 31}), "12/31/1999");
}

TEST(PlatformClock, ParsesValidDates) {
    Date date;
    ASSERT_TRUE(ParseDate("03/15/2004", date));
    EXPECT_EQ(date, (Date{2004, 3, 15}));
    ASSERT_TRUE(ParseDate("3/5/2004", date));
    EXPECT_EQ(date, (Date{2004, 3, 5}));
    ASSERT_TRUE(ParseDate("02/29/2004", date));
    EXPECT_EQ(date, (Date{2004, 2, 29}));
}

TEST(PlatformClock, RejectsAnythingElse) {
    const Date before{2001, 2, 3};
    for (const char* text : {"", "0", "garbage", "13/01/2004", "00/10/2004", "02/30/2004",
                             "02/29/2003", "02/29/1900", "01/01/04", "01-01-2004", " 01/01/2004",
                             "01/01/2004 ", "01/01/20041", "1/1/2004x", "001/01/2004"}) {
        Date date = before;
        EXPECT_FALSE(ParseDate(text, date)) << text;
        EXPECT_EQ(date, before) << text;
    }
    Date date;
    EXPECT_TRUE(ParseDate("02/29/2000", date));  // a leap century
}

TEST(PlatformClock, AddsAndCountsWholeDays) {
    EXPECT_EQ(AddDays(Date{2004, 1, 1}, 30), (Date{2004, 1, 31}));
    EXPECT_EQ(AddDays(Date{2004, 2, 15}, 30), (Date{2004, 3, 16}));  // leap year
    EXPECT_EQ(AddDays(Date{2003, 2, 15}, 30), (Date{2003, 3, 17}));
    EXPECT_EQ(AddDays(Date{2003, 12, 25}, 7), (Date{2004, 1, 1}));
    EXPECT_EQ(AddDays(Date{2004, 3, 1}, -1), (Date{2004, 2, 29}));
    EXPECT_EQ(DaysBetween(Date{2004, 1, 1}, Date{2004, 12, 31}), 365);
    EXPECT_EQ(DaysBetween(Date{2003, 1, 1}, Date{2003, 12, 31}), 364);
    EXPECT_EQ(DaysBetween(Date{2004, 1, 31}, Date{2004, 1, 1}), -30);
}

TEST(PlatformClock, ComparesDates) {
    EXPECT_LT((Date{2004, 1, 31}), (Date{2004, 2, 1}));
    EXPECT_LT((Date{2003, 12, 31}), (Date{2004, 1, 1}));
    EXPECT_EQ((Date{2004, 1, 1}), (Date{2004, 1, 1}));
}

TEST(PlatformFakeClock, ShowsTheDayItIsGiven) {
    fakes::FakeClock clock(Date{2004, 1, 1});
    const Clock& service = clock;
    EXPECT_EQ(FormatDate(service.Today()), "01/01/2004");
    clock.Advance(30);
    EXPECT_EQ(FormatDate(service.Today()), "01/31/2004");
}

}  // namespace
}  // namespace quill
