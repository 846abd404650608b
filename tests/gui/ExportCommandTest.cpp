// quillroute-export as a sales office scripts it: saved orders in, documents
// out, a clear message and a failing status for what it cannot do.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "../support/Files.h"
#include "../support/RunCommand.h"
#include "../support/TempDir.h"

namespace {

namespace fs = std::filesystem;

struct Ran {
    int status = -1;
    std::string output;  // standard output and error
};

// Run for a user who has registered no shared folder.
Ran Export(const std::string& arguments) {
    const std::string command = std::string("XDG_CONFIG_HOME=/nonexistent/quillroute-config '") +
                                QUILLROUTE_EXPORT_PROGRAM + "' " + arguments + " 2>&1";
    Ran run;
    if (std::FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.output.append(buffer, n);
        const int status = ::pclose(pipe);
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    return run;
}

class ExportCommand : public ::testing::Test {
  protected:
    void SetUp() override {
        temp.Write("program/update.ini", "[UPDATE]\r\nlast=11/02/2026\r\n");
        temp.Write("program/xcngrate.dat", "EUR|1.085|\r\n");
        const auto noon = fs::file_time_type::clock::now();
        fs::last_write_time(temp / "program/xcngrate.dat", noon);
    }

    fs::path Order(const std::string& name, const std::string& header = "") {
        return temp.Write(
            name, "[Header]\r\nApp=Quillroute\r\n" + header +
                      "\r\n[SITE 001 LOM]\r\nSite Name=\r\nSite Number=\r\nShip To City=\r\n"
                      "Ship To State/Province=\r\nShip To Country=\r\n"
                      "1=2|Each|QR-001|J4V-DMDM-10|jumper|156.73|\r\n"
                      "2=12.5|Feet||RVX4-50K|cable|2.62|\r\n");
    }

    std::string Arguments(const std::string& format, const fs::path& order,
                          const std::string& out) {
        return "--format " + format + " --program-folder '" + (temp / "program").string() + "' '" +
               order.string() + "' '" + (temp / out).string() + "'";
    }

    TempDir temp;
};

TEST_F(ExportCommand, WritesEachFormWithTheNotesOfTheProgramFolder) {
    const fs::path order = Order("quote.qrf");
    ASSERT_EQ(Export(Arguments("txt", order, "quote.txt")).status, 0);
    const std::string text = ReadBytes(temp / "quote.txt");
    EXPECT_EQ(text.rfind("Qty.: 2\r\nUOM: Each\r\nPart Number: J4V-DMDM-10\r\n", 0), 0u) << text;
    EXPECT_NE(text.find("Extended (USD): 32.75\r\n\r\nOrder Total (USD): 346.21\r\n"),
              std::string::npos);
    EXPECT_TRUE(text.ends_with("Your pricing database was last updated on 11/02/2026\r\n"));
    EXPECT_EQ(text.find("Foreign Currencies"), std::string::npos);

    ASSERT_EQ(Export(Arguments("clipboard-text", order, "quote.clip")).status, 0);
    const std::string clip = ReadBytes(temp / "quote.clip");
    EXPECT_EQ(clip.find('\n'), std::string::npos);
    EXPECT_NE(clip.find("Order Total (USD): 346.21\r\r\r\r"), std::string::npos);

    ASSERT_EQ(Export(Arguments("xls", order, "quote.xls")).status, 0);
    EXPECT_NE(ReadBytes(temp / "quote.xls").find("\tOrder Total (USD):\t346.21\r\r\n"),
              std::string::npos);
    ASSERT_EQ(Export(Arguments("xlsx", order, "quote.xlsx")).status, 0);
    const CommandResult sheet =
        RunCommand("unzip -p '" + (temp / "quote.xlsx").string() + "' xl/worksheets/sheet1.xml");
    EXPECT_NE(sheet.output.find("<f>SUM(F2:F3)</f><v>346.21</v>"), std::string::npos)
        << sheet.output;
    ASSERT_EQ(Export(Arguments("html", order, "quote.html")).status, 0);
    EXPECT_NE(ReadBytes(temp / "quote.html").find("<TD>J4V-DMDM-10</TD>"), std::string::npos);
    ASSERT_EQ(Export(Arguments("pdf", order, "quote.pdf")).status, 0);
    EXPECT_EQ(ReadBytes(temp / "quote.pdf").rfind("%PDF-", 0), 0u);
}

TEST_F(ExportCommand, AnOrderInEurosCarriesTheForeignCurrencyNote) {
    const fs::path order = Order("euro.qrf", "Currency=EUR\r\n");
    ASSERT_EQ(Export(Arguments("txt", order, "euro.txt")).status, 0);
    EXPECT_NE(ReadBytes(temp / "euro.txt").find("are based on exchange rates as of "),
              std::string::npos);
    const Ran other = Export("--currency GBP " + Arguments("txt", order, "gbp.txt"));
    EXPECT_EQ(other.status, 1);
    EXPECT_NE(other.output.find("is priced in EUR, not in GBP"), std::string::npos) << other.output;
    EXPECT_FALSE(fs::exists(temp / "gbp.txt"));
}

TEST_F(ExportCommand, SaysWhatIsWrongAndFails) {
    const Ran missing = Export(Arguments("txt", temp / "none.qrf", "none.txt"));
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.output.find("cannot find the order file " + (temp / "none.qrf").string()),
              std::string::npos)
        << missing.output;

    const fs::path broken = temp.Write("broken.qrf", std::string("\x01\x02 not an order", 15));
    const Ran malformed = Export(Arguments("txt", broken, "broken.txt"));
    EXPECT_EQ(malformed.status, 1);
    EXPECT_NE(malformed.output.find(broken.string()), std::string::npos) << malformed.output;
    EXPECT_FALSE(fs::exists(temp / "broken.txt"));

    const Ran unknown = Export(Arguments("doc", Order("quote.qrf"), "quote.doc"));
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.output.find("unknown format 'doc'"), std::string::npos);
    EXPECT_EQ(Export("--format txt").status, 2);
    EXPECT_EQ(Export("x.qrf y.txt").status, 2);  // no --format
}

}  // namespace
