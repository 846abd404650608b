#include <gtest/gtest.h>

#include <random>

#include "TempDir.h"
#include "catalogue/Images.h"
#include "orders/OrderBook.h"
#include "session/CompareSizes.h"
#include "session/ProgramData.h"
#include "session/QuoteSession.h"
#include "session/ShownDocument.h"
#include "text/Error.h"

using namespace quill;
namespace fs = std::filesystem;

namespace {

const fs::path kSample = fs::path(QUILLROUTE_SAMPLE_DATA);

ProgramData Load(const fs::path& data, std::vector<std::string>* errors = nullptr) {
    return LoadProgramData(data / "program", data / "shared",
                           [&](const std::function<void()>& step) {
                               try {
                                   step();
                                   return true;
                               } catch (const std::exception& error) {
                                   if (errors) errors->push_back(MessageOf(error));
                                   return false;
                               }
                           });
}

// The wizard as it starts, with a 10 ft jumper of the remembered cable and
// plated 7-16 DIN Male connectors at both ends.
Selection Jumper(const std::string& length = "10") {
    Selection s;
    s.lengthText = length;
    s.cableText = "RVX4-50K";
    s.vellisk = true;
    s.platedGrade = true;
    s.topConnector = s.bottomConnector = "7-16 DIN Male";
    return s;
}

struct Quote {
    const char* name;
    Selection selection;
    const char* currency;
    // Expected: the page and two of its cells, or the refusal's start and page.
    const char* page;
    std::string first, second;
    SelectionField field = SelectionField::None;
};

Selection With(Selection s, const std::function<void(Selection&)>& change) {
    change(s);
    return s;
}

// A feeder of elliptical waveguide across the band.
Selection Waveguide(const char* begin, const char* end) {
    return With(Jumper(), [&](Selection& s) {
        s.feeder = true;
        s.feederIndex = 0;
        s.cableTypeIndex = 2;
        s.beginText = begin, s.endText = end;
    });
}

}  // namespace

// Each row goes through the whole wizard at once, as quillroute-quote does,
// on one session as the window keeps one.
TEST(QuoteSession, ResolvesSelectionsAsTheWizardDecides) {
    const Quote quotes[] = {
        {"listed jumper", Jumper(), "USD", "tsFinal", "J4V-DMDM-10", "156.73"},
        {"in euros", Jumper(), "EUR", "tsFinal", "J4V-DMDM-10", "144.45"},
        // 20 x 2.62 + 2 x 12.38 (75 % of 16.50, as the parts list shows it) + 2 x 44.84
        {"no standard length near", Jumper("20"), "USD", "tsFinal", "J4V-DMDM-20", " 166.84"},
        {"standard lengths near",
         With(Jumper("7"), [](Selection& s) { s.bottomConnector = "N Male"; }), "USD", "tsNoLength",
         "J4V-DMNM-7", "2.13"},
        {"a standard length taken",
         With(Jumper("7"),
              [](Selection& s) {
                  s.bottomConnector = "N Male";
                  s.standardLengthItem = 1;
              }),
         "USD", "tsFinal", "J4V-DMNM-6", "128.89"},
        {"feeder without a top connector",
         With(Jumper("200"),
              [](Selection& s) {
                  s.feeder = true;
                  s.feederIndex = 2;
                  s.topIncluded = false;
                  s.vellisk = false;
                  s.bottomInner = "Captivated";
              }),
         "USD", "tsNoPN", "RVX4-50K", "3"},
        {"length not a number", Jumper("ten"), "USD", "Page1",
         "This field must contain a numeric value.", "", SelectionField::Length},
        {"band reversed",
         With(Jumper(), [](Selection& s) { s.beginText = "2200", s.endText = "800"; }), "USD",
         "Page1", "Ending frequency must be greater", "", SelectionField::End},
        {"length below zero", Jumper("-2"), "USD", "Page1", "The length must be greater than 0.",
         "", SelectionField::Length},
        {"length of zero", Jumper("0.0"), "USD", "Page1", "The length must be greater than 0.", "",
         SelectionField::Length},
        {"nothing in the band",
         With(Jumper(), [](Selection& s) { s.beginText = "50000", s.endText = "60000"; }), "USD",
         "Page1", "Sorry, there are no items that match your selection criteria.", "",
         SelectionField::CableType},
        {"a waveguide band below every cut-off", Waveguide("1000", "1200"), "USD", "Page1",
         "Sorry, there are no items that match your selection criteria.\r\rElliptical waveguide "
         "carries only frequencies above its cut-off frequency. The lowest cut-off of the listed "
         "waveguides is 1300 MHz; this band begins at 1000 MHz.",
         "", SelectionField::CableType},
        {"a waveguide band above a cut-off but no waveguide's range", Waveguide("1400", "1500"),
         "USD", "Page1", "Sorry, there are no items that match your selection criteria.", "",
         SelectionField::CableType},
    };
    ProgramData data = Load(kSample);
    QuoteSession session(data);
    for (const Quote& quote : quotes) {
        SCOPED_TRACE(quote.name);
        session.SetCurrency(session.ChoosableCurrency(quote.currency));
        const NextOutcome outcome = session.Resolve(quote.selection);
        if (std::string(quote.page) == "Page1") {
            ASSERT_TRUE(outcome.refusal);
            EXPECT_EQ(outcome.refusal->message.rfind(quote.first, 0), 0u)
                << outcome.refusal->message;
            if (quote.first.rfind("Sorry", 0) == 0) {  // the whole message
                EXPECT_EQ(outcome.refusal->message, quote.first);
            }
            EXPECT_EQ(outcome.refusal->staysOn, WizardStep::Page1);
            EXPECT_EQ(outcome.refusal->field, quote.field);
            continue;
        }
        ASSERT_TRUE(outcome.resolved && session.Result());
        const QuoteResult& result = *session.Result();
        EXPECT_EQ(ResultPageName(result.page), std::string(quote.page));
        switch (result.page) {
            case ResultKind::Final:
                EXPECT_EQ(result.final.values[0], quote.first);
                EXPECT_EQ(result.final.values[2], quote.second);
                EXPECT_EQ(result.final.priceLabel, "Price (" + std::string(quote.currency) + "):");
                EXPECT_EQ(result.itemLines.at(0).price, quote.second);
                break;
            case ResultKind::StandardLengths:
                EXPECT_EQ(result.lengths.cells[0][1], quote.first);
                EXPECT_EQ(result.lengths.cells[0][3], quote.second);
                break;
            case ResultKind::PartsList:
                EXPECT_EQ(result.partsList.rows.at(0).partNumber, quote.first);
                EXPECT_EQ(std::to_string(result.itemLines.size()), quote.second);
                break;
        }
    }
}

// A choice the lists and buttons do not offer, or feeder ends that
// contradict the feeder's item, is no selection: the error names the choice
// by its caption. A currency change shows the result shown in the new
// currency without a new quote.
TEST(QuoteSession, RefusesChoicesNotOfferedAndRepricesTheResultShown) {
    ProgramData data = Load(kSample);
    QuoteSession session(data);
    const auto feeder = [](int item, bool top, bool bottom) {
        return [=](Selection& s) {
            s.feeder = true, s.lengthText = "100", s.vellisk = false;
            s.feederIndex = item, s.topIncluded = top, s.bottomIncluded = bottom;
            s.topInner = s.bottomInner = "Captivated";
        };
    };
    const struct {
        std::function<void(Selection&)> change;
        SelectionField field;
        const char* message;
    } refused[] = {
        {[](Selection& s) { s.cableText = "NOPE"; }, SelectionField::Cable,
         "The cable 'NOPE' is not among the choices."},
        {[](Selection& s) { s.topInner = "Glue"; }, SelectionField::TopInner,
         "The top inner attachment 'Glue' is not among the choices."},
        {[](Selection& s) { s.feeder = true, s.lengthText = "100", s.feederIndex = 0; },
         SelectionField::Attachment,
         "The connector attachment 'Vellisk' is not offered for the cable RVX4-50K."},
        // Two charges for one connector, and none for two.
        {feeder(0, false, true), SelectionField::FeederEnds, nullptr},
        {feeder(3, true, true), SelectionField::FeederEnds, nullptr},
        {[](Selection& s) { s.bottomIncluded = false; }, SelectionField::FeederEnds, nullptr},
    };
    for (const auto& c : refused) {
        try {
            const Selection s = With(Jumper(), c.change);
            s.RequireConsistentEnds();
            session.Resolve(s);
            ADD_FAILURE() << "not refused: " << (c.message ? c.message : "");
        } catch (const ChoiceError& error) {
            EXPECT_EQ(error.Field(), c.field) << error.what();
            if (c.message) {
                EXPECT_STREQ(error.what(), c.message);
            }
        }
    }
    ASSERT_TRUE(session.Resolve(With(Jumper(), feeder(2, false, true))).resolved);
    ASSERT_TRUE(session.Resolve(Jumper()).resolved);
    session.SetCurrency(session.ChoosableCurrency("EUR"));
    EXPECT_EQ(session.Result()->final.values[2], "144.45");
    EXPECT_EQ(session.Result()->itemLines.at(0).price, "144.45");
    EXPECT_EQ(session.ChoosableCurrency("XYZ"), 0);
}

// A cable whose flags allow standard connectors but which has only plated
// ones: with the regular attachment and the standard grade the end's list is
// empty, its label still names the earlier connector, and Next is refused
// rather than pricing an assembly without a connector.
TEST(QuoteSession, AnEndThatNoConnectorFitsIsRefused) {
    TempDir dir;
    dir.Write("program/dat/tlineconnectors.dat",
              "[HEADER]\r\n[A]\r\nTLine=1|3000|A|A|FOAM|0.1|0.001|1/2|S|ATC|Y|Y|Y|1|10|\r\n"
              "C1=1|A-PV|7-16 DIN Male||7-16 DIN Female||P|S|\r\n");
    dir.Write("program/dat/images.dat", "");
    dir.Write("program/dat/jumpers.dat", "[HEADER]\r\n");
    dir.Write("shared/M_lom.dat", "C|FOAM|A|FT|cable A|1.00|\r\n");
    ProgramData data = Load(dir.Path());
    QuoteSession session(data);
    Selection s = With(Jumper(), [](Selection& s) { s.cableText = "A"; });
    ASSERT_TRUE(session.Resolve(s).resolved);
    session.PageTwo().SetAttachment(1);
    session.PageTwo().SetConnectorGrade(1);
    EXPECT_TRUE(session.PageTwo().State().top.connector.Items().empty());
    const NextOutcome outcome = session.ResolvePageTwo();
    ASSERT_TRUE(outcome.refusal);
    EXPECT_EQ(outcome.refusal->staysOn, WizardStep::Page2);
    EXPECT_NE(outcome.refusal->message.find("the top connector"), std::string::npos);
}

// Start-up goes on past a file it cannot read; without a required file it
// reads nothing and names the file.
TEST(ProgramData, LoadsWhatItCanAndNamesWhatIsMissing) {
    TempDir dir;
    fs::copy(kSample, dir.Path(), fs::copy_options::recursive);
    fs::remove(dir / "shared/M_lom.dat");
    const ProgramData missing = Load(dir.Path());
    EXPECT_TRUE(missing.catalogue.empty());
    EXPECT_EQ(MissingFilesMessage(missing.missing),
              "One or more files needed to run this application are missing.\r" +
                  (dir / "shared" / "M_lom.dat").string());

    fs::create_directory(dir / "shared/M_lom.dat");  // there, but no file to read
    std::vector<std::string> errors;
    const ProgramData data = Load(dir.Path(), &errors);
    EXPECT_TRUE(data.missing.empty());
    EXPECT_EQ(errors.size(), 1u);
    EXPECT_TRUE(data.priceList.Lines().empty());
    EXPECT_FALSE(data.catalogue.empty());
    EXPECT_FALSE(data.frequencies.begin.empty());
    EXPECT_TRUE(data.hasExchangeRates);
    EXPECT_EQ(data.exchangeRateDate.size(), 10u);
}

// The order of the run: one currency, typed texts that show until the rows
// are shown afresh, and the exports made from it and from the result shown.
TEST(OrderBook, AddsInOneCurrencyAndExportsWhatItShows) {
    TempDir dir;
    OrderBook book(dir / "last.lom");
    const ItemLines lines = {{"2", "Each", "P1", "part one", "1.50", ItemKind::StandardPart}};
    EXPECT_EQ(book.Add(lines, "EUR", true), "");
    EXPECT_EQ(book.Add(lines, "USD", true),
              "This order is priced in Euros (EUR), and this result is shown in US Dollars "
              "(USD).\rTo add it, first choose Euros (EUR) from the Currency Settings menu, or "
              "start a new order with File > New Order.");
    EXPECT_NE(book.Add(lines, "USD", false).find("only be added"), std::string::npos);
    EXPECT_TRUE(book.EditCell(0, 0, "3"));
    EXPECT_FALSE(book.EditCell(0, 3, "typed description"));
    EXPECT_EQ(book.Lines().TotalText(), "4.50");

    const ExportContent order = ContentToExport(nullptr, book, {true, "01/02/2026", "03/04/2026"});
    ASSERT_EQ(RowsOf(order).size(), 1u);
    EXPECT_EQ(RowsOf(order)[0],
              (StringList{"3", "Each", "P1", "typed description", "1.50", "4.50"}));
    EXPECT_EQ(ListToPrint(book).rows, RowsOf(order));
    EXPECT_TRUE(order.foreignCurrency);
    book.ForgetTypedTexts();
    EXPECT_EQ(RowsOf(ContentToExport(nullptr, book, {}))[0][3], "part one");
    // Each change is in the last-order file as soon as it is made.
    EXPECT_EQ(book.TakeKept().outcome, LastOrderFile::Outcome::Written);
    EXPECT_EQ(book.TakeKept().outcome, LastOrderFile::Outcome::NotNeeded);
    EXPECT_EQ(ReadOrderFile(book.LastOrderPath()).order.TotalText(), "4.50");

    // The name the dialogs propose, and a new order for the next customer.
    EXPECT_EQ(book.SuggestedName(), "P1");
    OrderDetails details;
    details.values[3] = "Job 9";
    EXPECT_TRUE(book.SetDetails(details));
    EXPECT_EQ(book.SuggestedName(), "Job 9");
    details.values[4] = "Q/17: \"tower\"";
    book.SetDetails(details);
    EXPECT_EQ(book.SuggestedName(), "Q-17- -tower-");
    EXPECT_TRUE(book.HasUnsavedChanges());
    EXPECT_EQ(book.SaveQuestion(), "Save the changes to Untitled?");
    book.SaveTo(dir / "q.qrf");
    EXPECT_FALSE(book.HasUnsavedChanges());
    EXPECT_EQ(book.SaveQuestion(), "Save the changes to q.qrf?");
    EXPECT_EQ(book.File(), dir / "q.qrf");
    book.NewOrder();
    EXPECT_TRUE(book.Lines().Empty() && book.Lines().Details().Empty() && book.File().empty());
    EXPECT_EQ(book.SuggestedName(), "");
    EXPECT_EQ(book.TakeKept().outcome, LastOrderFile::Outcome::Written);  // the details
    EXPECT_EQ(ReadOrderFile(book.LastOrderPath()).order.Details().values[4], "Q/17: \"tower\"");

    ProgramData data = Load(kSample);
    QuoteSession session(data);
    ASSERT_TRUE(session.Resolve(Jumper()).resolved);
    const ExportContent final = ContentToExport(&*session.Result(), book, {});
    EXPECT_EQ(final.block, ExportContent::Block::FinalSelection);
    EXPECT_EQ(final.pairs[2].label, "Price (USD):");
    EXPECT_EQ(final.pairs[2].value, "156.73");
}

// Each size of the band is quoted as Next quotes it on its own, the session
// is left as it was, and the limits pick the cheapest row that meets them.
TEST(CompareSizes, EachRowIsTheQuoteNextGivesForThatSize) {
    ProgramData data = Load(kSample);
    QuoteSession session(data);
    ASSERT_FALSE(session.Resolve(Jumper()).refusal);
    const std::string shownBefore = session.Result()->final.values[0];

    const std::vector<SizeRow> rows = CompareSizes(session, Jumper());
    ASSERT_GE(rows.size(), 6u);
    EXPECT_EQ(session.Result()->final.values[0], shownBefore) << "the session is unchanged";
    int priced = 0;
    for (const SizeRow& row : rows) {
        SCOPED_TRACE(row.cable);
        QuoteSession alone(data);
        Selection s = With(Jumper(), [&](Selection& c) {
            c.cableText = row.cable;
            c.cableGradeIndex = row.grade == "Premium" ? 1 : row.grade == "Flame Retardant" ? 2 : 0;
            c.standardLengthItem = 0;
        });
        if (!row.price) {
            EXPECT_FALSE(row.note.empty());
            continue;
        }
        ++priced;
        ASSERT_FALSE(alone.Resolve(s).refusal);
        const QuoteResult& quote = *alone.Result();
        const std::string shown =
            quote.page == ResultKind::PartsList ? quote.partsList.total : quote.final.values[2];
        EXPECT_EQ(" " + row.priceText, shown.starts_with(' ') ? shown : " " + shown);
        if (quote.page == ResultKind::Final) {
            EXPECT_EQ(FormatMoney(row.efficiency) + "%", quote.final.values[7]);
        }
    }
    EXPECT_GT(priced, 0);

    // A loss no row meets marks nothing; a generous one marks the cheapest priced row.
    std::vector<SizeRow> marked = rows;
    MarkWithin(marked, {0.0001, std::nullopt});
    EXPECT_TRUE(std::none_of(marked.begin(), marked.end(),
                             [](const SizeRow& row) { return row.meets || row.cheapest; }));
    MarkWithin(marked, {100.0, 0.0});
    const auto cheapest = std::min_element(marked.begin(), marked.end(), [](auto& a, auto& b) {
        return a.price.value_or(1e300) < b.price.value_or(1e300);
    });
    EXPECT_TRUE(cheapest->cheapest);
    EXPECT_EQ(std::count_if(marked.begin(), marked.end(), [](auto& r) { return r.cheapest; }), 1);
}

// A size without a price (the page's connectors do not fit it) never meets
// the limits; the summary counts the priced ones and says how many have none.
TEST(CompareSizes, OnlyPricedSizesMeetTheLimits) {
    const auto row = [](double loss, std::optional<double> price) {
        SizeRow r;
        r.insertionLoss = loss;
        r.averagePower = 1;
        r.price = price;
        r.efficiency = 27.475;
        return r;
    };
    const std::vector<SizeRow> sizes = {row(0.2, 300.0), row(0.1, std::nullopt), row(0.3, 250.0),
                                        row(0.9, 100.0), row(0.05, std::nullopt)};
    const struct {
        SizeLimits limits;
        const char* summary;
        int cheapest;  // -1 for none
    } cases[] = {{{}, "", 3},
                 {{0.5, std::nullopt}, "2 of 5 sizes meet the limits; 2 have no price.", 2},
                 {{0.01, std::nullopt}, "No size meets the limits; 2 have no price.", -1},
                 {{std::nullopt, 5.0}, "No size meets the limits; 2 have no price.", -1}};
    for (const auto& c : cases) {
        std::vector<SizeRow> rows = sizes;
        MarkWithin(rows, c.limits);
        EXPECT_EQ(MeetsSummary(rows, c.limits), c.summary);
        for (int i = 0; i < static_cast<int>(rows.size()); ++i)
            EXPECT_EQ(rows[i].cheapest, i == c.cheapest) << c.summary << " row " << i;
    }
    EXPECT_EQ(ComparisonCells(sizes[0])[5], "27.48") << "efficiency as the result page shows it";
}

// The standard-jumper file is read once and again only when it changed: a
// file replaced while the program runs counts at the next Next.
TEST(QuoteSession, AReplacedJumperFileCountsAtTheNextQuote) {
    TempDir dir;
    fs::copy(kSample, dir.Path(), fs::copy_options::recursive);
    ProgramData data = Load(dir.Path());
    QuoteSession session(data);
    ASSERT_FALSE(session.Resolve(Jumper()).refusal);
    EXPECT_EQ(session.Result()->page, ResultKind::Final);
    dir.Write("program/dat/jumpers.dat", "[HEADER]\r\nTitle=none\r\n");
    ASSERT_FALSE(session.Resolve(Jumper()).refusal);
    EXPECT_EQ(session.Result()->page, ResultKind::PartsList);
}

namespace {

// Page 2's lists are those of the choices it shows, worked out anew here.
void ExpectListsFollowTheChoices(const QuoteSession& session) {
    const PageTwoState& two = session.PageTwo().State();
    const TTransmissionLine* cable = session.PageTwo().CurrentCable();
    if (!cable) return;
    const Selection shown = session.ShownSelection();
    const int type = shown.cableTypeIndex;
    StringList sizes;
    for (const TTransmissionLine* c :
         FilterByCableGrade(FilterByCableType(FilterByBand(AllCables(session.Data().catalogue),
                                                           shown.BeginMHz(), shown.EndMHz()),
                                              type == 0, type == 1, type == 2),
                            std::string(1, "SPR"[two.cableGrade.index])))
        sizes.push_back(c->partNumber);
    EXPECT_EQ(two.cable.Items(), SortedUnique(sizes));
    const std::string grade = two.connectorGrade.index == 0 ? "P" : "S";
    const std::string attachment = two.attachment.index == 0 ? "S" : "R";
    for (const EndState* end : {&two.top, &two.bottom}) {
        if (!end->included) continue;
        EXPECT_EQ(end->connector.Items(), ConnectorKeys(*cable, grade, attachment, end->actual));
        EndChoice choice{end->connector.text, end->actual, "", "", attachment, grade};
        EXPECT_EQ(end->special.Items(), SpecialChoices(*cable, choice));
        choice.special = end->special.text;
        EXPECT_EQ(end->inner.Items(), InnerChoices(*cable, choice));
        EXPECT_EQ(end->picture,
                  ConnectorPictureFile(session.Data().imageLines, end->label,
                                       IsRightAngleText(end->special.text), attachment == "S"));
    }
}

}  // namespace

// The session keeps the cables of the last band and each end's last lists to
// answer the next click faster: after any of hundreds of quotes in one
// session, page 2 lists what its choices offer.
TEST(QuoteSession, AfterHundredsOfQuotesPageTwoListsWhatItsChoicesOffer) {
    ProgramData data = Load(kSample);
    const StringList connectors = {"7-16 DIN Male", "7-16 DIN Female", "N Male", "N Female",
                                   "4.3-10 Male"};
    const char* const bands[][2] = {{"800", "2200"}, {"1700", "2000"}, {"3400", "4200"}};
    std::mt19937 pick(20261209);
    const auto any = [&](std::size_t count) { return pick() % count; };
    QuoteSession used(data);
    int resolved = 0;
    for (int i = 0; i < 600; ++i) {
        Selection s = Jumper(std::to_string(1 + any(25)));
        s.feeder = any(4) == 0;
        s.cableTypeIndex = static_cast<int>(any(5) % 3);
        const auto band = bands[s.cableTypeIndex == 2 ? 2 : any(2)];
        s.beginText = band[0];
        s.endText = band[1];
        // Mostly a size the band offers, with its grade.
        QuoteSession probe(data);
        if (!probe.CheckPageOne(s) && any(8) != 0) {
            const CableList& sizes = probe.BandMatchedCables();
            const TTransmissionLine* cable = sizes[any(sizes.size())];
            s.cableText = cable->partNumber;
            s.cableGradeIndex = cable->gradeCode == "P" ? 1 : cable->gradeCode == "R" ? 2 : 0;
            s.vellisk = !s.feeder && !cable->firstAttachmentFlag.empty() && any(4) != 0;
            s.platedGrade = cable->standardFlag.empty() || (s.vellisk ? true : any(3) != 0);
        }
        s.topActual = any(3) != 0;
        s.topConnector = connectors[any(2) ? 0 : any(connectors.size())];
        s.bottomConnector = connectors[any(2) ? 0 : any(connectors.size())];
        s.topIncluded = !s.feeder || any(5) != 0;
        s.feederIndex = s.feeder ? FeederItem(s.topIncluded, s.bottomIncluded) : -1;
        s.topSpecial = s.topInner = s.bottomSpecial = s.bottomInner = "";  // the page's own
        try {
            resolved += used.Resolve(s).resolved;
        } catch (const QuillError&) {  // a choice the lists do not offer
        }
        SCOPED_TRACE("quote " + std::to_string(i));
        ExpectListsFollowTheChoices(used);
        if (HasFailure()) return;
    }
    EXPECT_GT(resolved, 250);
}
