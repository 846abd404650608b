// Page 2's rules without a window: each row arrives from page 1, makes the
// user's changes and compares what page 2 then offers and shows.

#include <gtest/gtest.h>

#include <fstream>

#include "TempDir.h"
#include "session/PageOneChoices.h"
#include "session/QuoteSession.h"

using namespace quill;
namespace fs = std::filesystem;

namespace {

ProgramData LoadSample() {
    const fs::path sample = fs::path(QUILLROUTE_SAMPLE_DATA);
    return LoadProgramData(sample / "program", sample / "shared", [](const auto& step) {
        step();
        return true;
    });
}

// Page 1 as the window starts it; a row changes what it needs.
Selection PageOne(const ProgramData& data, const std::function<void(PageOneChoices&)>& change) {
    PageOneChoices page;
    page.Start();
    page.FillBand(data.frequencies);
    if (change) change(page);
    return page.AsSelection();
}

void Arrive(QuoteSession& session, const Selection& pageOne) {
    session.SetApplication(pageOne.feeder);
    const auto refusal = session.CheckPageOne(pageOne);
    ASSERT_FALSE(refusal) << refusal->message;
    session.ShowPageTwo();
}

std::string Joined(const StringList& items) {
    std::string text;
    for (const std::string& item : items) text += (text.empty() ? "" : ",") + item;
    return text;
}

// "items=text" of a list; a radio group as its items' letters, "-" for one
// that cannot be chosen, then the one selected: "SP-=1".
std::string Shown(const ListChoice& list) { return Joined(list.Items()) + "=" + list.text; }
std::string Shown(const RadioChoice& radio, const char* letters) {
    std::string text;
    for (std::size_t i = 0; i < radio.enabled.size(); ++i)
        text += radio.enabled[i] ? letters[i] : '-';
    return text + "=" + std::to_string(radio.index);
}
// An end: its connector, special and inner lists, then its label and picture.
std::string Shown(const EndState& end) {
    return Shown(end.connector) + " | " + Shown(end.special) + " | " + Shown(end.inner) + " | " +
           end.label + " | " + end.picture;
}

// What a row expects; an empty text is not compared.
struct Expected {
    std::string grades, cable, attachment, connectorGrade, top, bottom;
};

void Compare(const PageTwoState& state, const Expected& expected, const std::string& row) {
    const std::pair<const std::string&, std::string> checks[] = {
        {expected.grades, Shown(state.cableGrade, "SPR")},
        {expected.cable, Shown(state.cable) + " " + state.diameter + " " + state.cablePicture},
        {expected.attachment, Shown(state.attachment, "VR") + (state.velliskPicture ? " V" : "")},
        {expected.connectorGrade, Shown(state.connectorGrade, "PS")},
        {expected.top, Shown(state.top)},
        {expected.bottom, Shown(state.bottom)}};
    const char* names[] = {"grades", "cable", "attachment", "connector grade", "top", "bottom"};
    for (std::size_t i = 0; i < std::size(checks); ++i)
        if (!checks[i].first.empty()) {
            EXPECT_EQ(checks[i].second, checks[i].first) << row << ": " << names[i];
        }
}

const char* const kSizes = "RVX1-50K,RVX2-50K,RVX4-50K,RVX5-50K,RVX6-50K,RVX7-50K";
const char* const kSix = "4.3-10 Female,4.3-10 Male,7-16 DIN Female,7-16 DIN Male,N Female,N Male";

struct Row {
    const char* name;
    std::function<void(PageOneChoices&)> pageOne;
    std::function<void(QuoteSession&, const Selection&)> changes;
    Expected expected;
};

void RunRow(ProgramData& data, const Row& row) {
    QuoteSession session(data);
    const Selection pageOne = PageOne(data, row.pageOne);
    ASSERT_NO_FATAL_FAILURE(Arrive(session, pageOne)) << row.name;
    if (row.changes) row.changes(session, pageOne);
    Compare(session.PageTwo().State(), row.expected, row.name);
}

}  // namespace

TEST(PageTwoChoices, TheGradeListsItsSizesAndTheCableDecidesTheAttachments) {
    const auto feeder = [](PageOneChoices& p) { p.ChooseApplication(true); };
    const Row rows[] = {
        {"first visit: the remembered cable, Vellisk and plated",
         nullptr,
         nullptr,
         {"SPR=0", std::string(kSizes) + "=RVX4-50K 1/2 in. RVX4-50K.gif", "VR=0 V", "P-=0",
          std::string(kSix) +
              "=7-16 DIN Male | (none),RIGHT ANGLE=(none) | (N/A)=(N/A) | 7-16 DIN Male | "
              "716dinmale_v.gif",
          ""}},
        {"another grade keeps the model",
         nullptr,
         [](QuoteSession& q, const Selection&) {
             q.PageTwo().ChooseCable("RVX2-50K");
             q.PageTwo().SetCableGrade(2);
         },
         {"SPR=2", "RVX1R-50K,RVX2R-50K,RVX4R-50K,RVX5R-50K=RVX2R-50K 3/8 in. RVX2-50K.gif", "", "",
          "", ""}},
        {"a model the grade lacks takes its first size, remembered in turn",
         [](PageOneChoices& p) { p.cableType.Select(0); },
         [](QuoteSession& q, const Selection&) {
             q.PageTwo().ChooseCable("HXA5-50");
             q.PageTwo().SetCableGrade(1);
             q.PageTwo().SetCableGrade(0);
         },
         {"SP-=0", "HXA4-50,HXA5-50,HXA6-50,HXA7-50,HXA8-50=HXA7-50 1-5/8 in. HXA7-50.gif", "", "",
          "", ""}},
        {"regular offers standard connectors where the cable has them",
         nullptr,
         [](QuoteSession& q, const Selection&) { q.PageTwo().SetAttachment(1); },
         {"", "", "VR=1", "PS=0",
          std::string(kSix) +
              "=7-16 DIN Male | (none),Low PIM,RIGHT ANGLE=(none) | Captivated=Captivated | "
              "7-16 DIN Male | 716dinmale.gif",
          ""}},
        {"standard connectors are soldered only",
         nullptr,
         [](QuoteSession& q, const Selection&) {
             q.PageTwo().SetAttachment(1);
             q.PageTwo().SetConnectorGrade(1);
             q.PageTwo().ChooseConnector(true, "N Male");
         },
         {"", "", "VR=1", "PS=1",
          std::string(kSix) + "=N Male | (none)=(none) | Solder=Solder | N Male | nmale.gif",
          std::string(kSix) +
              "=7-16 DIN Male | (none)=(none) | Solder=Solder | 7-16 DIN Male | 716dinmale.gif"}},
        {"the premium cable has no standard connectors",
         nullptr,
         [](QuoteSession& q, const Selection&) {
             q.PageTwo().SetAttachment(1);
             q.PageTwo().SetConnectorGrade(1);
             q.PageTwo().SetCableGrade(1);
         },
         {"", "", "VR=1", "P-=0", "", ""}},
        {"Vellisk again takes plated connectors",
         nullptr,
         [](QuoteSession& q, const Selection&) {
             q.PageTwo().SetAttachment(1);
             q.PageTwo().SetConnectorGrade(1);
             q.PageTwo().SetAttachment(0);
         },
         {"", "", "VR=0 V", "P-=0", "", ""}},
        {"a cable without the Vellisk option is attached regularly",
         nullptr,
         [](QuoteSession& q, const Selection&) { q.PageTwo().ChooseCable("RVX6-50K"); },
         {"", "", "-R=1", "",
          "7-16 DIN Female,7-16 DIN Male,N Female,N Male=7-16 DIN Male | (none),RIGHT "
          "ANGLE=(none) | Captivated=Captivated | 7-16 DIN Male | 716dinmale.gif",
          ""}},
        {"a feeder is never attached the Vellisk way",
         feeder,
         nullptr,
         {"", "", "-R=1", "", "", ""}},
        {"a jumper after a feeder is offered Vellisk again",
         feeder,
         [](QuoteSession& q, const Selection& s) {
             Selection jumper = s;
             jumper.feeder = false;
             Arrive(q, jumper);
         },
         {"", "", "VR=0 V", "", "", ""}},
    };
    ProgramData data = LoadSample();
    for (const Row& row : rows) RunRow(data, row);
}

TEST(PageTwoChoices, EachEndsChoicesFollowItsConnector) {
    const auto waveguide = [](PageOneChoices& p) {
        p.ChooseApplication(true);
        p.cableType.Select(2);
        p.beginning.text = "5925";
        p.ending.text = "7125";
    };
    const char* flanges = "CPR137F Flange,CPR137G Flange,PDR70 Flange";
    const char* mating = "CPR137F Flange,CPR137G Flange,UDR70 Flange";
    const Row rows[] = {
        {"a connector picked refills its own end only",
         nullptr,
         [](QuoteSession& q, const Selection&) {
             q.PageTwo().ChooseConnector(true, "4.3-10 Female");
         },
         {"", "", "", "",
          std::string(kSix) +
              "=4.3-10 Female | (none)=(none) | (N/A)=(N/A) | 4.3-10 Female | 4310female_v.gif",
          std::string(kSix) +
              "=7-16 DIN Male | (none),RIGHT ANGLE=(none) | (N/A)=(N/A) | 7-16 DIN Male | "
              "716dinmale_v.gif"}},
        {"a special characteristic decides the inners; none is a placeholder",
         nullptr,
         [](QuoteSession& q, const Selection&) {
             q.PageTwo().SetAttachment(1);
             q.PageTwo().ChooseSpecial(false, "Low PIM");
         },
         {"", "", "", "", "",
          std::string(kSix) + "=7-16 DIN Male | (none),Low PIM,RIGHT ANGLE=Low PIM | (N/A)=(N/A) | "
                              "7-16 DIN Male | 716dinmale.gif"}},
        {"a right angle shows its picture and is kept when the attachment changes",
         nullptr,
         [](QuoteSession& q, const Selection&) {
             q.PageTwo().ChooseSpecial(true, "RIGHT ANGLE");
             q.PageTwo().SetAttachment(1);
         },
         {"", "", "", "",
          std::string(kSix) + "=7-16 DIN Male | (none),Low PIM,RIGHT ANGLE=RIGHT ANGLE | "
                              "Captivated=Captivated | 7-16 DIN Male | 716dinmale_ra.gif",
          ""}},
        {"a right angle in any letter case, a picture named in any case",
         nullptr,
         [](QuoteSession& q, const Selection&) {
             q.PageTwo().ChooseCable("RVX2-50K");
             q.PageTwo().SetAttachment(1);
             q.PageTwo().ChooseConnector(true, "N Male");
             q.PageTwo().ChooseSpecial(true, "Right Angle");
         },
         {"", "", "", "",
          std::string(kSix) +
              "=N Male | (none),Right Angle=Right Angle | Captivated=Captivated | N Male | "
              "nmale_ra.gif",
          ""}},
        {"mates to: the mating names, the label names the connector itself",
         nullptr,
         [](QuoteSession& q, const Selection&) { q.PageTwo().SetEndMode(true, false); },
         {"", "", "", "",
          std::string(kSix) + "=7-16 DIN Male | (none)=(none) | (N/A)=(N/A) | "
                              "7-16 DIN Female | 716dinfemale_v.gif",
          ""}},
        {"a waveguide's flange by what it mates with",
         waveguide,
         [](QuoteSession& q, const Selection&) {
             q.PageTwo().ChooseConnector(true, "PDR70 Flange");
             q.PageTwo().SetEndMode(true, false);
         },
         {"", "", "", "-S=1",
          std::string(mating) + "=CPR137F Flange | (none),Pressure Window=(none) | " +
              "(N/A)=(N/A) | CPR137G Flange | cpr137gflange.gif",
          std::string(flanges) + "=CPR137F Flange | (none)=(none) | " +
              "(N/A)=(N/A) | CPR137F Flange | cpr137fflange.gif"}},
        {"a mating name remembered is no connector of the cable",
         waveguide,
         [](QuoteSession& q, const Selection&) {
             q.PageTwo().SetEndMode(true, false);
             q.PageTwo().ChooseConnector(true, "UDR70 Flange");
             q.PageTwo().SetEndMode(true, true);
         },
         {"", "", "", "",
          std::string(flanges) + "=CPR137F Flange | (none)=(none) | " +
              "(N/A)=(N/A) | CPR137F Flange | cpr137fflange.gif",
          ""}},
    };
    ProgramData data = LoadSample();
    for (const Row& row : rows) RunRow(data, row);
}

TEST(PageTwoChoices, EndsLeftOutAndIncludedAgain) {
    const auto feederWith = [](bool top, bool bottom) {
        return [=](PageOneChoices& p) {
            p.ChooseApplication(true);
            p.SetEnds(top, bottom);
        };
    };
    const std::string none = "=None | =N/A | =N/A | Top Connector Desc. | noconnectors.gif";
    const Row rows[] = {
        {"a feeder with the bottom end only",
         feederWith(false, true),
         [](QuoteSession& q, const Selection&) {
             q.PageTwo().SetCableGrade(1);
             q.PageTwo().ChooseCable("RVX2P-50K");
             q.PageTwo().SetEndMode(false, false);
         },
         {"", "", "", "", none, ""}},
        {"a feeder without connectors",
         feederWith(false, false),
         [](QuoteSession& q, const Selection&) { q.PageTwo().SetCableGrade(1); },
         {"", "", "", "", none, "=None | =N/A | =N/A | Bottom Connector Desc | noconnectors.gif"}},
        {"a left-out end keeps the label of the connector chosen last",
         nullptr,
         [&](QuoteSession& q, const Selection& s) {
             q.PageTwo().ChooseConnector(true, "N Female");
             Selection feeder = s;
             feeder.feeder = true;
             feeder.topIncluded = false;
             Arrive(q, feeder);
         },
         {"", "", "", "",
          std::string(kSix) + "=None | (none)=N/A | (N/A)=N/A | N Female | noconnectors.gif", ""}},
        {"an end included again is offered its connectors",
         feederWith(false, true),
         [](QuoteSession& q, const Selection& s) {
             Selection both = s;
             both.topIncluded = true;
             Arrive(q, both);
         },
         {"", "", "", "",
          std::string(kSix) + "=7-16 DIN Male | (none),Low PIM,RIGHT ANGLE=(none) | "
                              "Captivated=Captivated | 7-16 DIN Male | 716dinmale.gif",
          ""}},
        {"choices are remembered from one arrival to the next",
         nullptr,
         [](QuoteSession& q, const Selection& s) {
             q.PageTwo().SetCableGrade(1);
             q.PageTwo().ChooseCable("RVX2P-50K");
             q.PageTwo().SetAttachment(1);
             q.PageTwo().ChooseConnector(false, "4.3-10 Male");
             q.PageTwo().ChooseSpecial(false, "RIGHT ANGLE");
             Arrive(q, s);
         },
         {"SPR=1", "", "VR=1", "P-=0", "",
          std::string(kSix) +
              "=4.3-10 Male | (none),RIGHT ANGLE=RIGHT ANGLE | Captivated=Captivated | "
              "4.3-10 Male | 4310male_ra.gif"}},
    };
    ProgramData data = LoadSample();
    for (const Row& row : rows) RunRow(data, row);
}

// Catalogues made for one rule each, on the band 1 to 10000 MHz.
TEST(PageTwoChoices, CataloguesWithoutAGradeOrAConnectorOfAKind) {
    struct Case {
        const char* name;
        std::vector<std::string> catalogue;
        std::function<void(PageTwoChoices&)> changes;
        Expected expected;
    };
    const auto cable = [](const char* section, const char* model, const char* part,
                          const char* size, const char* grade) {
        return "[" + std::string(section) + "]\r\nTLine=1|10000|" + model + "|" + part +
               "|FOAM|0.06|0.0002|" + size + "|" + grade + "||Y|Y|Y|1|10|";
    };
    const std::vector<std::string> threeMates = {cable("T1", "T1", "T1", "1/2", "S"),
                                                 "C1=1|P1|N Male||N Female|Captivated|P|R|",
                                                 "C2=2|P2|N Male Solder||N Female|Solder|S|R|",
                                                 "C3=3|P3|N Male Spring||N Female|Spring|P|R|",
                                                 "C4=4|P4|7-16 DIN Male||7-16 DIN Female||P|S|"};
    const auto matesTo = [](std::function<void(PageTwoChoices&)> then) {
        return [then](PageTwoChoices& p) {
            p.SetAttachment(1);
            p.SetEndMode(true, false);
            if (then) then(p);
        };
    };
    const Case cases[] = {
        {"without standard cables the premium grade is chosen, one entry a part number",
         {cable("ZZ", "MODEL-X", "ZZ-P", "1/2", "P"), "C1=1|P1|N Male||N Female||P|S|",
          cable("AA", "MODEL-Y", "AA-P", "5/8", "P"), "C1=2|P2|N Female||N Male||P|S|",
          cable("AA2", "MODEL-Z", "AA-P", "7/8", "P"), "C1=3|P3|N Female||N Male||P|S|",
          cable("MM", "MODEL-X", "MM-R", "1/2", "R"), "C1=4|P4|N Male||N Female||P|S|"},
         nullptr,
         {"-PR=1", "AA-P,ZZ-P=AA-P 5/8 in. MODEL-Y.gif", "", "",
          "N Female=N Female | (none)=(none) | (N/A)=(N/A) | N Female | nfemale_v.gif", ""}},
        {"mates to: the label names the connector of the chosen inner",
         threeMates,
         matesTo([](PageTwoChoices& p) { p.ChooseInner(true, "Spring"); }),
         {"", "", "", "",
          "N Female=N Female | (none)=(none) | Captivated,Spring=Spring | N Male Spring | ", ""}},
        {"mates to: the label names the connector of the chosen grade",
         threeMates,
         matesTo([](PageTwoChoices& p) { p.SetConnectorGrade(1); }),
         {"", "", "", "", "N Female=N Female | (none)=(none) | Solder=Solder | N Male Solder | ",
          ""}},
        {"an inner remembered comes back with its grade",
         threeMates,
         matesTo([](PageTwoChoices& p) {
             p.ChooseInner(true, "Spring");
             p.SetConnectorGrade(1);
             p.SetConnectorGrade(0);
         }),
         {"", "", "", "",
          "N Female=N Female | (none)=(none) | Captivated,Spring=Spring | N Male Spring | ", ""}},
        {"by its own name the label is the name chosen",
         threeMates,
         matesTo([](PageTwoChoices& p) {
             p.SetEndMode(true, true);
             p.ChooseConnector(true, "N Male Spring");
         }),
         {"", "", "", "",
          "N Male,N Male Spring=N Male Spring | (none)=(none) | Spring=Spring | N Male Spring | ",
          ""}},
        {"no connector of the attachment chosen leaves both ends empty",
         {cable("T2", "T2", "T2", "1/2", "S"), "C1=1|P1|N Male||N Female||P|S|"},
         [](PageTwoChoices& p) { p.SetAttachment(1); },
         {"", "", "", "", "= | = | = | N Male | nmale.gif", "= | = | = | N Male | nmale.gif"}},
    };
    const TempDir temp;
    for (const Case& c : cases) {
        ProgramData data = LoadSample();
        const fs::path file = temp.Path() / "tlineconnectors.dat";
        {
            std::ofstream out(file, std::ios::binary);
            out << "[HEADER]\r\nTitle=test catalogue\r\n\r\n";
            for (const std::string& line : c.catalogue) out << line << "\r\n";
        }
        data.catalogue = LoadCableCatalogue(file);
        QuoteSession session(data);
        ASSERT_NO_FATAL_FAILURE(Arrive(session, PageOne(data,
                                                        [](PageOneChoices& p) {
                                                            p.beginning.text = "1";
                                                            p.ending.text = "10000";
                                                        })))
            << c.name;
        if (c.changes) c.changes(session.PageTwo());
        Compare(session.PageTwo().State(), c.expected, c.name);
    }
}
