// quillroute-quote against the window: random selections of the sample data
// made with the user's hands, then the same selections quoted by the command;
// every cell the window shows must be the command's.

#include <fstream>
#include <nlohmann/json.hpp>
#include <random>

#include "../support/Files.h"
#include "../support/RunCommand.h"
#include "../support/TempDir.h"
#include "WizardFixture.h"

namespace wizard {
namespace {

using json = nlohmann::ordered_json;

class QuoteCommand : public WizardFixture {
  protected:
    std::mt19937 random{20261208};

    int Below(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); }
    bool Chance(int percent) { return Below(100) < percent; }

    void ClickEnabled(quill::RadioGroup* group) {
        std::vector<int> enabled;
        for (int item = 0; item < group->ItemCount(); ++item)
            if (group->ItemEnabled(item)) enabled.push_back(item);
        if (!enabled.empty() && group->isEnabled()) Click(group, enabled[Below(enabled.size())]);
    }
    void PickAny(quill::ComboBox* box) {
        if (box->ItemCount() > 0 && box->isEnabled())
            Pick(box, box->Items()[Below(box->ItemCount())]);
    }
    void TypeAny(quill::ComboBox* box, const std::vector<QString>& extra) {
        const QStringList items = box->Items();
        const int choice = Below(items.size() + static_cast<int>(extra.size()));
        Type(box, choice < items.size() ? items[choice] : extra[choice - items.size()]);
    }

    // Page 1 as a user fills it; its texts are read once Next took them. A
    // plain request is a foam jumper in the usual band, as most quotes are.
    void FillPageOne(bool plain) {
        if (plain) {
            Click(ui().rgApp, 0);
            Click(ui().rgCableType, 1);
            Click(ui().rbFeet);
            Type(ui().cboLength, QString::number(1 + Below(30)));
            Type(ui().cboBeginning, "800");
            Type(ui().cboEnding, "2200");
            return;
        }
        Click(ui().rgApp, Below(2));
        if (ui().rgApp->ItemIndex() == 1) {
            for (QCheckBox* box : {ui().chkTopConnector, ui().chkBottomConnector})
                if (Chance(25)) Click(box);
        }
        ClickEnabled(ui().rgCableType);
        Click(Chance(20) ? ui().rbMeters : ui().rbFeet);
        TypeAny(ui().cboLength, {"7.5", "0", "12.25"});
        TypeAny(ui().cboBeginning, {"1850"});
        TypeAny(ui().cboEnding, {"1990", "5"});
    }

    void FillEnd(const char* prefix) {
        const QString p = prefix;
        if (!window->findChild<QRadioButton*>("rb" + p + "Actual")->isEnabled()) return;
        Click(window->findChild<QRadioButton*>(Chance(30) ? "rb" + p + "MatesTo"
                                                          : "rb" + p + "Actual"));
        PickAny(window->findChild<quill::ComboBox*>("cbo" + p + "MatesTo"));
        PickAny(window->findChild<quill::ComboBox*>("cbo" + p + "Description"));
        PickAny(window->findChild<quill::ComboBox*>("cbo" + p + "Inner"));
    }

    json EndOf(const char* prefix) const {
        const QString p = prefix;
        return {{"mode", window->findChild<QRadioButton*>("rb" + p + "Actual")->isChecked()
                             ? "Actual"
                             : "Mates To"},
                {"connector", Text(window->findChild<quill::ComboBox*>("cbo" + p + "MatesTo"))},
                {"special", Text(window->findChild<quill::ComboBox*>("cbo" + p + "Description"))},
                {"inner", Text(window->findChild<quill::ComboBox*>("cbo" + p + "Inner"))}};
    }

    json Selection(const std::string& currency) const {
        return {{"application", ui().rgApp->ItemIndex() == 1 ? "Feeder" : "Jumper"},
                {"length", Text(ui().cboLength)},
                {"unit", ui().rbMeters->isChecked() ? "Meters" : "Feet"},
                {"begin", Text(ui().cboBeginning)},
                {"end", Text(ui().cboEnding)},
                {"cable_type", ui().rgCableType->ItemIndex()},
                {"include_top", ui().chkTopConnector->isChecked()},
                {"include_bottom", ui().chkBottomConnector->isChecked()},
                {"rg_feeder", ui().rgFeeder->ItemIndex()},
                {"cable_grade", ui().rgCableGrade->ItemIndex()},
                {"cable", Text(ui().cboTLineData)},
                {"attachment", ui().rgConnectorAttachment->ItemIndex()},
                {"connector_grade", ui().rgConnectorGrade->ItemIndex()},
                {"top", EndOf("C1")},
                {"bottom", EndOf("C2")},
                {"currency", currency}};
    }

    static json Cells(const quill::Grid* grid, int columns) {
        json rows = json::array();
        for (int row = 0; row < grid->RowCount(); ++row) {
            json cells = json::array();
            for (int column = 0; column < columns; ++column)
                cells.push_back(S(grid->Cell(column, row)));
            rows.push_back(cells);
        }
        return rows;
    }

    static std::string Notice(const QLabel* label) {
        return label->isVisibleTo(label->parentWidget()) ? S(label->text()) : std::string();
    }

    // What the window shows after Next, in the command's words.
    json Shown() const {
        const QWidget* page = ui().PageControl1->ActivePage();
        const std::string name = S(page->objectName());
        const auto refusal = [&](const char* staysOn) {
            const auto boxes = messages.Boxes();
            return json{
                {"refusal",
                 {{"message", boxes.empty() ? "" : boxes.back().text}, {"stays_on", staysOn}}}};
        };
        if (name == "Page1") return refusal("Page1");
        if (name == "Page2") return refusal("Page2");
        json shown = {{"page", name}};
        if (name == "tsFinal") {
            shown["cells"] = Cells(ui().grdFinal, 2);
            shown["price_notice"] = Notice(ui().lblPriceNotice2);
        } else if (name == "tsNoPN") {
            json headings = json::array();
            for (int column = 0; column < 6; ++column)
                headings.push_back(S(ui().grdJumper->Heading(column)));
            shown["headings"] = headings;
            shown["rows"] = Cells(ui().grdJumper, 6);
            shown["total"] = {S(ui().lblTotal->text()), S(ui().edTotal->text())};
            shown["figures"] = Cells(ui().grdJumperspecs, 2);
            shown["price_notice"] = Notice(ui().lblPriceNotice1);
        } else {
            shown["rows"] = Cells(ui().grdLengths, 5);
            json enabled = json::array();
            for (int item = 0; item < 3; ++item)
                enabled.push_back(ui().rgStdLengths->ItemEnabled(item));
            shown["enabled"] = enabled;
        }
        return shown;
    }

    // The command's answer cut to what the window shows.
    static json AsShown(json answer) {
        if (answer.contains("refusal") || !answer.contains("page")) return answer;
        for (const char* hidden : {"item_lines", "warnings", "explanation"}) answer.erase(hidden);
        if (answer["page"] == "tsNoLength") answer.erase("price_notice");
        return answer;
    }
};

TEST_F(QuoteCommand, AgreesWithTheWindowOnEveryCellOfRandomSelections) {
    Start();
    const char* const currencies[][2] = {{"USD", "US1"}, {"EUR", "Euro1"}, {"RMB", "RenminbiRMD1"}};
    std::string selections;
    std::vector<json> shown;
    for (int i = 0; i < 300; ++i) {
        if (Page() != 0) StartOver();
        const bool plain = Chance(50);
        FillPageOne(plain);
        messages.Reset();
        Next();
        const auto& currency = currencies[Below(3)];
        if (Page() == 1 && plain) {
            Click(ui().rgCableGrade, 0);
            Pick(ui().cboTLineData, "RVX4-50K");
            PickAny(ui().cboC2MatesTo);
        } else if (Page() == 1) {
            ClickEnabled(ui().rgCableGrade);
            PickAny(ui().cboTLineData);
            ClickEnabled(ui().rgConnectorAttachment);
            ClickEnabled(ui().rgConnectorGrade);
            FillEnd("C1");
            FillEnd("C2");
        }
        if (Page() == 1) {
            window->findChild<QAction*>(currency[1])->trigger();
            messages.Reset();
            Next();
        }
        json selection = Selection(currency[0]);
        if (ui().PageControl1->ActivePage() == ui().tsNoLength && Chance(60)) {
            const int item = Chance(30) ? 0 : 1 + Below(2);
            if (ui().rgStdLengths->ItemEnabled(item)) {
                Click(ui().rgStdLengths, item);
                selection["std_length_item"] = item;
                Next();
            }
        }
        selections += selection.dump() + "\n";
        shown.push_back(Shown());
    }
    const fs::path input = temp / "selections.jsonl";
    std::ofstream(input, std::ios::binary) << selections;
    const CommandResult quoted = RunCommand(
        Quoted(QUILLROUTE_QUOTE_PROGRAM) + " --program-folder " + Quoted(programFolder.string()) +
        " --shared-folder " + Quoted(sharedFolder.string()) + " < " + Quoted(input.string()));
    ASSERT_EQ(quoted.status, 0) << quoted.output;
    std::istringstream answers(quoted.output);
    std::string line;
    std::map<std::string, int> pages;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        ASSERT_TRUE(std::getline(answers, line)) << "no answer for selection " << i + 1;
        const json answer = json::parse(line);
        EXPECT_EQ(AsShown(answer), shown[i]) << "selection " << i + 1 << ": " << line;
        pages[answer.contains("page") ? answer["page"].get<std::string>() : "refusal"]++;
    }
    // The random walk reaches every kind of answer.
    EXPECT_EQ(pages.size(), 4u) << ::testing::PrintToString(pages);
}

// A line that is no selection gets an error object naming it; the stream goes on.
TEST_F(QuoteCommand, AnswersEveryLineAndNamesTheOnesThatAreNoSelection) {
    const fs::path input = temp.Write("lines.jsonl", "not json\n{\"application\": \"Jumper\"}\n");
    const CommandResult quoted = RunCommand(
        Quoted(QUILLROUTE_QUOTE_PROGRAM) + " --program-folder " + Quoted(programFolder.string()) +
        " --shared-folder " + Quoted(sharedFolder.string()) + " < " + Quoted(input.string()));
    EXPECT_EQ(quoted.status, 0);
    std::istringstream answers(quoted.output);
    std::string first, second;
    ASSERT_TRUE(std::getline(answers, first) && std::getline(answers, second)) << quoted.output;
    EXPECT_EQ(json::parse(first)["line"], 1);
    EXPECT_EQ(json::parse(second), json::parse(R"({"line": 2, "error": "no \"length\""})"));
}

// A request for quotation from the command: the bundled example quotes whole;
// a row that cannot be quoted is named and the status says so.
TEST_F(QuoteCommand, QuotesARequestForQuotationIntoAnOrderFile) {
    const auto run = [&](const fs::path& csv) {
        return RunCommand(Quoted(QUILLROUTE_QUOTE_PROGRAM) + " --rfq " + Quoted(csv.string()) +
                          " --order " + Quoted((temp / "rfq.qrf").string()) + " --program-folder " +
                          Quoted(programFolder.string()) + " --shared-folder " +
                          Quoted(sharedFolder.string()));
    };
    const CommandResult whole = run(fs::path(QUILLROUTE_SAMPLE_DATA) / "rfq-example.csv");
    EXPECT_EQ(whole.status, 0) << whole.output;
    EXPECT_EQ(whole.output, "5 of 5 rows quoted and added to the order.\n");
    EXPECT_NE(ReadBytes(temp / "rfq.qrf").find("1=4|Each|QR-001|J4V-DMDM-10|"), std::string::npos);

    const fs::path bad = temp.Write(
        "bad.csv",
        "Quantity;Application;Length;Unit;Begin MHz;End MHz;Cable Type;Cable;Top Connector;"
        "Bottom Connector\n1;Jumper;10;Feet;800;2200;Foam;NOPE-1;7-16 DIN Male;7-16 DIN Male\n");
    const CommandResult refused = run(bad);
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.output.find(" rows quoted and added to the order.\n\nRow 2, Cable: "),
              std::string::npos)
        << refused.output;
}

// Without --shared-folder the price list is found as the other companions
// find it, in the folder registered for the user; without one, the missing
// files are named one a line.
TEST(QuoteCommandData, UsesTheSharedFolderRegisteredForTheUser) {
    TempDir config;
    const std::string line =
        R"j({"application": "Jumper", "length": "10", "unit": "Feet", "begin": "800", "end": "2200", "cable_type": 1, "include_top": true, "include_bottom": true, "rg_feeder": -1, "cable_grade": 0, "cable": "RVX4-50K", "attachment": 0, "connector_grade": 0, "top": {"mode": "Actual", "connector": "7-16 DIN Male", "special": "(none)", "inner": "(N/A)"}, "bottom": {"mode": "Actual", "connector": "7-16 DIN Male", "special": "(none)", "inner": "(N/A)"}, "currency": "USD"})j";
    const fs::path input = config / "line.jsonl";
    std::ofstream(input) << line << "\n";
    const auto quote = [&] {
        return RunCommand("XDG_CONFIG_HOME=" + Quoted(config.Path().string()) + " " +
                          Quoted(QUILLROUTE_QUOTE_PROGRAM) + " < " + Quoted(input.string()) +
                          " 2>&1");
    };
    const CommandResult unregistered = quote();
    EXPECT_EQ(unregistered.status, 2);
    const fs::path bin = fs::path(QUILLROUTE_QUOTE_PROGRAM).parent_path();
    EXPECT_NE(unregistered.output.find("are missing.\n" + (bin / "M_lom.dat").string() + "\n"),
              std::string::npos)
        << unregistered.output;

    ASSERT_EQ(RunCommand("XDG_CONFIG_HOME=" + Quoted(config.Path().string()) + " " +
                         Quoted(QUILLROUTE_REGISTER_PROGRAM) + " " +
                         Quoted((fs::path(QUILLROUTE_SAMPLE_DATA) / "shared").string()))
                  .status,
              0);
    const CommandResult registered = quote();
    EXPECT_EQ(registered.status, 0) << registered.output;
    EXPECT_NE(registered.output.find("\"J4V-DMDM-10\""), std::string::npos) << registered.output;
}

}  // namespace
}  // namespace wizard

namespace wizard {
namespace {

// A datasheet for every line answered with a result page: a PDF reader finds
// in it the part number, every figure exactly as the page shows it, both ends,
// the length in both units and the whole description; the jumper has a
// picture at each end, the feeder without a top connector one.
TEST_F(QuoteCommand, WritesADatasheetForEachResultPage) {
    if (RunCommand("command -v pdftotext pdfimages").status != 0)
        GTEST_SKIP() << "pdftotext and pdfimages (poppler-utils) are not installed";
    const json end = {{"mode", "Actual"},
                      {"connector", "7-16 DIN Male"},
                      {"special", "(none)"},
                      {"inner", "(N/A)"}};
    const json jumper = {{"application", "Jumper"}, {"length", "10"},
                         {"unit", "Feet"},          {"begin", "800"},
                         {"end", "2200"},           {"cable_type", 1},
                         {"include_top", true},     {"include_bottom", true},
                         {"rg_feeder", -1},         {"cable_grade", 0},
                         {"cable", "RVX4-50K"},     {"attachment", 0},
                         {"connector_grade", 0},    {"top", end},
                         {"bottom", end},           {"currency", "EUR"}};
    json feeder = jumper;
    feeder["application"] = "Feeder", feeder["length"] = "200", feeder["rg_feeder"] = 2;
    feeder["include_top"] = false, feeder["attachment"] = 1, feeder["currency"] = "USD";
    feeder["top"] = {
        {"mode", "Actual"}, {"connector", "None"}, {"special", "N/A"}, {"inner", "N/A"}};
    feeder["bottom"]["inner"] = "Captivated";
    const fs::path input = temp.Write("lines.jsonl", jumper.dump() + "\n" + feeder.dump() + "\n");
    const fs::path folder = temp / "data sheets";
    const CommandResult quoted = RunCommand(
        Quoted(QUILLROUTE_QUOTE_PROGRAM) + " --program-folder " + Quoted(programFolder.string()) +
        " --shared-folder " + Quoted(sharedFolder.string()) + " --datasheet " +
        Quoted(folder.string()) + " < " + Quoted(input.string()));
    ASSERT_EQ(quoted.status, 0) << quoted.output;
    std::istringstream answers(quoted.output);
    std::string line;
    for (const auto& [name, pictures, feet, meters] :
         {std::tuple{"J4V-DMDM-10.pdf", 2, "10.00 ft", "3.05 m"},
          std::tuple{"RVX4-50K-200ft.pdf", 1, "200.00 ft", "60.96 m"}}) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(std::getline(answers, line));
        const json answer = json::parse(line);
        ASSERT_EQ(answer.value("datasheet", ""), (folder / name).string()) << line;
        const std::string text =
            RunCommand("pdftotext -layout " + Quoted((folder / name).string()) + " -").output;
        const json& figures = answer.contains("cells") ? answer["cells"] : answer["figures"];
        for (const json& pair : figures) {
            const std::string value = pair[1];
            EXPECT_TRUE(value.find('\r') != std::string::npos ||
                        text.find(value) != std::string::npos)
                << pair[0] << " " << value;
        }
        // The description whole, whichever way its lines were wrapped.
        std::istringstream words(answer.contains("cells") ? answer["cells"][1][1].get<std::string>()
                                                          : std::string("RVX4-50K"));
        for (std::string word; words >> word;)
            EXPECT_NE(text.find(word), std::string::npos) << word;
        for (const char* shown : {feet, meters, "Top end", "Bottom end", "7-16 DIN Male"})
            EXPECT_NE(text.find(shown), std::string::npos) << shown;
        const std::string images =
            RunCommand("pdfimages -list " + Quoted((folder / name).string())).output;
        EXPECT_EQ(std::count(images.begin(), images.end(), '\n'), 2 + pictures) << images;
    }
}

}  // namespace
}  // namespace wizard
