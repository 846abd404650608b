#include <gtest/gtest.h>

#include <fstream>

#include "FakeClock.h"
#include "FakeRegistry.h"
#include "TempDir.h"
#include "online/OnlineAddresses.h"
#include "online/Programs.h"
#include "online/QuickUpdate.h"
#include "online/Schedule.h"

using namespace quill;

namespace {

const Date kToday{2026, 12, 8};
const char* const kUpdateKey = "\\Software\\Orlenk\\QuickUpdate";

struct Schedules : ::testing::Test {
    fakes::FakeRegistry registry;
    fakes::FakeClock clock{kToday};
    ReminderSchedule update{registry, clock, "", "QuickUpdate", 30};
    ReminderSchedule news{registry, clock, "", "News", 7};

    std::string Value(const std::string& key, const char* name) {
        return registry.ReadString(key, name).value_or("(none)");
    }
};

TEST_F(Schedules, AFirstRunStartsTheScheduleWithoutAsking) {
    EXPECT_FALSE(update.Due("NewInstall", true));
    EXPECT_EQ(Value(kUpdateKey, "NextUpdate"), "01/07/2027");
    EXPECT_EQ(Value(kUpdateKey, "Interval"), "30");
    // The news records its next day only.
    EXPECT_FALSE(news.Due(nullptr, false));
    EXPECT_EQ(Value("\\Software\\Orlenk\\News", "NextUpdate"), "12/15/2026");
    EXPECT_EQ(Value("\\Software\\Orlenk\\News", "Interval"), "(none)");
    // A key of the program's own lies below its name.
    ReminderSchedule own(registry, clock, "Quillroute", "QuickUpdate", 30);
    EXPECT_EQ(own.Key(), "\\Software\\Orlenk\\Quillroute\\QuickUpdate");
}

TEST_F(Schedules, TheReminderIsDueFromItsDayOn) {
    const struct {
        const char* next;
        bool due;
    } cases[] = {{"12/09/2026", false},
                 {"12/08/2026", true},
                 {"01/01/2004", true},
                 {"0", false},
                 {"12/8/2026", true}};
    for (const auto& c : cases) {
        registry.WriteString(kUpdateKey, "NextUpdate", c.next);
        EXPECT_EQ(update.Due("NewInstall", true), c.due) << c.next;
        EXPECT_EQ(Value(kUpdateKey, "NextUpdate"), c.next) << "a check alone changes nothing";
    }
}

TEST_F(Schedules, AnInstallerOrAMalformedDayRestartsTheSchedule) {
    registry.WriteString(kUpdateKey, "NextUpdate", "01/01/2004");
    registry.WriteString(kUpdateKey, "NewInstall", "");
    EXPECT_FALSE(update.Due("NewInstall", true));
    EXPECT_EQ(Value(kUpdateKey, "NextUpdate"), "01/07/2027");
    EXPECT_EQ(Value(kUpdateKey, "NewInstall"), "(none)");
    for (const char* bad : {"2026-12-01", "13/01/2026", "", "soon", "02/30/2026"}) {
        registry.WriteString(kUpdateKey, "NextUpdate", bad);
        EXPECT_FALSE(update.Due("NewInstall", true)) << bad;
        EXPECT_EQ(Value(kUpdateKey, "NextUpdate"), "01/07/2027") << bad;
    }
}

TEST_F(Schedules, SavingTheDialogSetsTheNextDayOrNever) {
    update.Save("7", true);
    EXPECT_EQ(Value(kUpdateKey, "NextUpdate"), "12/15/2026");
    EXPECT_EQ(Value(kUpdateKey, "Interval"), "7");
    update.Save("7", false);
    EXPECT_EQ(Value(kUpdateKey, "NextUpdate"), "0");
    EXPECT_EQ(Value(kUpdateKey, "Interval"), "7");
    update.Never();
    EXPECT_FALSE(update.Due("NewInstall", true));
}

TEST_F(Schedules, TypedDayCountsAreWholeDaysInReason) {
    const struct {
        const char* typed;
        int days;
    } cases[] = {{"1", 1},   {"60", 60}, {" 14 ", 14}, {"7.4", 7},  {"7.5", 8},    {"0", 30},
                 {"-5", 30}, {"", 30},   {"ten", 30},  {"1e9", 30}, {"3650", 3650}};
    for (const auto& c : cases) EXPECT_EQ(update.DaysFrom(c.typed), c.days) << c.typed;
}

TEST_F(Schedules, TheDialogShowsTheStoredIntervalWhenItIsANumber) {
    EXPECT_EQ(update.IntervalText(), "30");
    registry.WriteString(kUpdateKey, "Interval", "12");
    EXPECT_EQ(update.IntervalText(), "12");
    registry.WriteString(kUpdateKey, "Interval", "weekly");
    EXPECT_EQ(update.IntervalText(), "30");
    registry.WriteString(kUpdateKey, "Interval", "");
    EXPECT_EQ(update.IntervalText(), "30");
}

// ------------------------------------------------------------ programs

TEST(Programs, OnlyRegistrationsWithANameAndAnInstallerAreListed) {
    fakes::FakeRegistry registry;
    const auto put = [&](const char* key, const char* name, const char* value) {
        registry.WriteString(std::string("\\Software\\Orlenk\\") + key, name, value);
    };
    put("Alpha", "MenuCaption", "Alpha Designer");
    put("Alpha", "UpdateExe", "alpha.exe");
    put("Alpha", "UpdateDate", "11/01/2026");
    put("Beta", "MenuCaption", "Beta");  // no installer
    put("Common Files", "Path", "/shared");
    put("Gamma", "UpdateExe", "gamma.exe");  // no name
    put("Quillroute", "MenuCaption", "Quillroute");
    put("Quillroute", "UpdateExe", "quillroute.exe");
    const auto programs = ReadPrograms(registry);
    ASSERT_EQ(programs.size(), 2u);
    EXPECT_EQ(programs[0].menuCaption, "Alpha Designer");
    EXPECT_EQ(programs[0].updateDate, "11/01/2026");
    EXPECT_EQ(programs[1].updateExe, "quillroute.exe");
    EXPECT_EQ(DefaultProgramRow(programs, "Quillroute"), 1);
    EXPECT_EQ(DefaultProgramRow(programs, "quillroute"), 0) << "the name must match exactly";
}

TEST(Programs, TheLastUpdateIsTheRecordedDayElseTheProgramFilesDay) {
    TempDir dir;
    dir.Write("prog.exe", "x");
    std::filesystem::last_write_time(
        dir / "prog.exe",
        std::filesystem::file_time_type::clock::now() - std::chrono::hours(24 * 400));
    EXPECT_EQ(LastUpdateText(dir / "prog.exe", "03/15/2004"), "03/15/2004");
    Date changed;
    ASSERT_TRUE(ParseDate(LastUpdateText(dir / "prog.exe", ""), changed));
    EXPECT_LT(changed, Date({2026, 1, 1}));
    EXPECT_EQ(LastUpdateText(dir / "missing.exe", ""), "Unknown");
    ProgramRegistration windows{"k", "n", "u", "C:\\Program Files\\Orlenk\\Quill", "q.exe", ""};
    EXPECT_EQ(ProgramFile(windows).generic_string(), "C:/Program Files/Orlenk/Quill/q.exe");
}

TEST(Programs, RowsTurnRedOnTheNinetiethDayInProgramMode) {
    const Date today{2026, 12, 8};
    const struct {
        bool selected, pricingOnly;
        const char* lastUpdate;
        RowColour colour;
    } cases[] = {
        {false, false, "09/09/2026", RowColour::Red},           // 90 days
        {false, false, "09/10/2026", RowColour::WindowText},    // 89 days
        {false, true, "09/09/2026", RowColour::GrayText},       // pricing only
        {true, false, "09/09/2026", RowColour::HighlightText},  // selected
        {false, false, "Unknown", RowColour::WindowText},
        {false, false, "", RowColour::WindowText},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProgramRowColour(c.selected, c.pricingOnly, c.lastUpdate, today), c.colour)
            << c.lastUpdate << " " << c.selected << c.pricingOnly;
    EXPECT_FALSE(NeedsConfirmation(true, 2));
    EXPECT_TRUE(NeedsConfirmation(true, 3));
    EXPECT_FALSE(NeedsConfirmation(false, 3));
}

TEST(OnlineAddresses, BuiltInUnlessTheSettingsNameAnotherWebAddress) {
    fakes::FakeRegistry registry;
    EXPECT_EQ(ReadOnlineAddresses(registry).updateServer, kDefaultUpdateServer);
    EXPECT_EQ(ReadOnlineAddresses(registry).webSite, kDefaultWebSite);
    registry.WriteString(kOnlineKey, "UpdateServer", "http://127.0.0.1:8080/files");
    registry.WriteString(kOnlineKey, "WebSite", "http://127.0.0.1:8080/");
    EXPECT_EQ(ReadOnlineAddresses(registry).updateServer, "http://127.0.0.1:8080/files/");
    EXPECT_EQ(ReadOnlineAddresses(registry).webSite, "http://127.0.0.1:8080");
    registry.WriteString(kOnlineKey, "UpdateServer", "file:///etc/");
    registry.WriteString(kOnlineKey, "WebSite", "javascript:alert(1)");
    EXPECT_EQ(ReadOnlineAddresses(registry).updateServer, kDefaultUpdateServer);
    EXPECT_EQ(ReadOnlineAddresses(registry).webSite, kDefaultWebSite);
}

}  // namespace

// What a failed download tells the user, for every way it can end: the old
// sentence only for a connection that failed or was cut.
TEST(DownloadFailed, SaysWhatHappened) {
    using Kind = quill::DownloadOutcome::Kind;
    const struct {
        quill::DownloadOutcome outcome;
        const char* message;
    } cases[] = {
        {{Kind::kConnection},
         "Unable to dowload Pricing Database. Please verify your Internet "
         "connection or contact ORLENK for assistance."},
        {{Kind::kCancelled}, "The download of Pricing Database was cancelled."},
        {{Kind::kHttpStatus, 404},
         "Unable to dowload Pricing Database: the server has no such "
         "file (404)."},
        {{Kind::kHttpStatus, 503}, "Unable to dowload Pricing Database: the server answered 503."},
        {{Kind::kStalled, 0, 30}, "Unable to dowload Pricing Database: no data for 30 seconds."},
        {{Kind::kTooLarge},
         "Unable to dowload Pricing Database: there is not enough free disk "
         "space in updates."},
        {{Kind::kWriteFailed},
         "Unable to dowload Pricing Database: it could not be written to "
         "updates."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(quill::DownloadFailedMessage("Pricing Database", c.outcome, "updates"),
                  c.message);
}
