#include <gtest/gtest.h>

#include "orders/Decimal.h"
#include "orders/Order.h"
#include "text/Error.h"

using namespace quill;

namespace {

ItemLine Line(const std::string& text) { return ItemLine::Parse(text); }

Order OrderOf(std::initializer_list<std::string> lines, const std::string& currency = "USD") {
    Order order;
    ItemLines items;
    for (const std::string& line : lines) items.push_back(Line(line));
    order.Merge(items, currency);
    return order;
}

std::vector<std::string> Texts(const Order& order) {
    std::vector<std::string> texts;
    for (const ItemLine& item : order.Items()) texts.push_back(item.Format());
    return texts;
}

// ------------------------------------------------------------------ numbers

struct MoneyCase {
    const char* quantity;
    const char* price;
    const char* extended;
};

class ExtendedPrice : public ::testing::TestWithParam<MoneyCase> {};

TEST_P(ExtendedPrice, IsTheExactProductRoundedHalfAwayFromZero) {
    const MoneyCase& c = GetParam();
    const Order order = OrderOf({std::string(c.quantity) + "|Feet|P|D|" + c.price + "|3|"});
    EXPECT_EQ(order.ExtendedText(0), c.extended);
    EXPECT_EQ(order.TotalText(), c.extended);
}

INSTANTIATE_TEST_SUITE_P(
    Orders, ExtendedPrice,
    ::testing::Values(MoneyCase{"2", "12.50", "25.00"}, MoneyCase{"7.5", "2.00", "15.00"},
                      // 15.375 exactly: binary floating point makes it 15.37
                      MoneyCase{"7.5", "2.05", "15.38"}, MoneyCase{"0", "99.99", "0.00"},
                      MoneyCase{"3", " 0.35", "1.05"}, MoneyCase{"1", "-5.00", "-5.00"},
                      MoneyCase{"0.125", "1", "0.13"}, MoneyCase{"1e3", "1.5", "1500.00"},
                      MoneyCase{"123456789012", "98765.43", "12193262853189455.16"},
                      // Found by fuzzing: near the largest decimal, cents do not fit a
                      // hundred times over and must be written, not multiplied in.
                      MoneyCase{"12678901e30", "1", "12678901000000000000000000000000000000.00"},
                      MoneyCase{"1", "-99999999999999999999999999999999999999",
                                "-99999999999999999999999999999999999999.00"}));

// A customer checks the total by adding what the lines show.
TEST(OrderTotal, IsTheSumOfTheShownExtendedPrices) {
    // 0.005 three times shows as 0.01 each and totals 0.03 (not 0.015, shown 0.02).
    Order order = OrderOf({"1|Each|A|a|0.005|4|", "1|Each|B|b|0.005|4|", "1|Each|C|c|0.005|4|"});
    EXPECT_EQ(order.ExtendedText(0), "0.01");
    EXPECT_EQ(order.TotalText(), "0.03");
    // 7.5 ft at 2.05 twice: 15.38 each, 30.76; the same after a deletion and an edit.
    order = OrderOf({"7.5|Feet|A|a|2.05|3|", "7.5|Feet|B|b|2.05|3|", "1|Each|C|c|1.00|4|"});
    EXPECT_EQ(order.TotalText(), "31.76");
    order.DeleteRows({2});
    EXPECT_EQ(order.TotalText(), "30.76");
    order.CopyBackQuantity(1, "2.5");  // 5.125, shown 5.13
    EXPECT_EQ(order.TotalText(), "20.51");
    EXPECT_EQ(Order().TotalText(), "0.00");
}

// Money is exact or refused: a line whose quantity, price, extended price or
// share of the total does not fit 38 digits is refused whole, naming the line.
TEST(OrderMoney, AnAmountThatCannotBeHeldExactlyIsRefusedAndChangesNothing) {
    const std::string nines38 = "99999999999999999999999999999999999999";
    const std::string minInt128 = "-170141183460469231731687303715884105728";
    const struct {
        const char* why;
        std::vector<std::string> added;
    } cases[] = {
        {"extended price", {"1e30|Each|A|a|1e20|4|"}},
        {"price", {"1|Each|A|a|" + minInt128 + "|4|"}},
        {"price", {"1|Each|A|a|1e300|4|"}},
        {"quantity", {"1e39|Each|A|a|1|4|"}},
        {"extended price", {"2|Each|A|a|" + nines38 + "|4|"}},
        {"order total", {"1|Each|A|a|" + nines38 + "|4|", "1|Each|B|b|1|4|"}},
        {"order total", {"1|Each|A|a|-" + nines38 + "|4|", "1|Each|B|b|-2|4|"}},
        {"extended price", {"1e19|Each|A|a|-1e19|4|"}},  // -10^38: one digit too many
        // Raising the line already ordered: its quantity, then its extended price.
        {"quantity", {nines38 + "|Each|Z|z|1.00|4|"}},
        {"order total", {"1|Each|A|a|" + nines38 + "|4|", "1|Each|Z|z|1.00|4|"}},
    };
    for (const auto& c : cases) {
        Order order = OrderOf({"1|Each|Z|z|1.00|4|"});
        ItemLines lines;
        for (const std::string& text : c.added) lines.push_back(Line(text));
        try {
            order.Merge(lines, "USD");
            ADD_FAILURE() << c.added[0] << " was taken";
        } catch (const QuillError& error) {
            EXPECT_NE(std::string(error.what()).find(c.why), std::string::npos) << error.what();
            EXPECT_NE(std::string(error.what()).find("\""), std::string::npos) << error.what();
        }
        EXPECT_EQ(Texts(order), (std::vector<std::string>{"1|Each|Z|z|1.00|4|"}));
        EXPECT_EQ(order.TotalText(), "1.00");
    }

    // The same through the other ways a line's figures change.
    Order order = OrderOf({"1|Feet|A|a|" + nines38 + "|3|", "1|Each|B|b|-" + nines38 + "|4|"});
    EXPECT_THROW(order.CopyBackQuantity(0, "2"), QuillError);
    EXPECT_NE(order.RefusedQuantity(0, "2").find("\"A\""), std::string::npos);
    EXPECT_NE(order.RefusedQuantity(0, "0.5").find("extended price"), std::string::npos);
    EXPECT_EQ(order.RefusedQuantity(0, "0"), "");
    order.Append(Line("1|Each|C|c|" + nines38 + "|4|"));
    EXPECT_THROW(order.Append(Line("1|Each|D|d|0.01|4|")), QuillError);
    EXPECT_THROW(order.DeleteRows({1}), QuillError);  // A and C no longer sum
    EXPECT_EQ(order.Count(), 3u);
    EXPECT_EQ(order.TotalText(), nines38 + ".00");
}

// An item counted "Each" is bought whole; a length may be any figure.
TEST(Order, EachItemsTakeWholeQuantitiesOnly) {
    const struct {
        const char* unit;
        const char* quantity;
        bool taken;
    } cases[] = {{"Each", "2", true},     {"Each", "2.00", true}, {"Each", "1.5", false},
                 {"EACH", "0.01", false}, {"Feet", "1.5", true},  {"Meters", "0.25", true},
                 {"Each", "0", true}};
    for (const auto& c : cases) {
        Order order = OrderOf({std::string("1|") + c.unit + "|P|p|156.28|1|"});
        const std::string refused = order.RefusedQuantity(0, c.quantity);
        EXPECT_EQ(refused.empty(), c.taken) << c.unit << " " << c.quantity << ": " << refused;
        if (!c.taken) {
            EXPECT_EQ(refused, "'" + std::string(c.quantity) +
                                   "' is not a whole number: items sold Each are ordered whole.");
            EXPECT_THROW(order.CopyBackQuantity(0, c.quantity), QuillError);
            EXPECT_EQ(order.TotalText(), "156.28");
        }
    }
}

TEST(Decimals, ReadAndWriteEveryDigit) {
    const struct {
        const char* text;
        const char* written;
    } cases[] = {
        {"3", "3"},
        {"19.840", "19.84"},
        {" +0.30 ", "0.3"},
        {"-2.5", "-2.5"},
        {"1.5e2", "150"},
        {"25e-3", "0.025"},
        {"0.000", "0"},
        {"5.", "5"},
        // Zeros that only place the point, however many: 41 digits brought to 38.
        {"1000000000000000000000000000000000000000000e-40", "100"},
        {"12345678901234567890123456789012345678000e-3", "12345678901234567890123456789012345678"},
        {"0.00000000000000000000000000000000000000000012e45", "120"}};
    for (const auto& c : cases) {
        Decimal value;
        ASSERT_TRUE(ParseDecimal(c.text, value)) << c.text;
        EXPECT_EQ(DecimalText(value), c.written) << c.text;
    }
    for (const char* text : {"", "abc", "1,5", "1.2.3", "e5", "1e", "--1", "1 000", "0x10"}) {
        Decimal value;
        EXPECT_FALSE(ParseDecimal(text, value)) << text;
    }
}

// The edge values of the representation, both signs: 38 digits hold, 39 do
// not, and nothing in between is passed on as if exact.
TEST(Decimals, HoldThirtyEightDigitsEitherSideOfZeroAndRefuseMore) {
    const std::string max = "99999999999999999999999999999999999999";
    const auto parsed = [](const std::string& text) {
        Decimal value;
        EXPECT_TRUE(ParseDecimal(text, value)) << text;
        return value;
    };
    for (const std::string& text : std::vector<std::string>{
             max, "-" + max, "0." + max, "-9999999999999999999.9999999999999999999"}) {
        EXPECT_EQ(DecimalText(parsed(text)), text);
    }
    for (const std::string& text :
         std::vector<std::string>{"1" + std::string(38, '0'), "-1" + std::string(38, '0'), "1e38",
                                  "-1e38", "-170141183460469231731687303715884105728",
                                  "170141183460469231731687303715884105727", "0." + max + "9"}) {
        Decimal value;
        EXPECT_FALSE(ParseDecimal(text, value)) << text;
    }

    const struct {
        const char* a;
        const char* b;
        const char* product;  // nullptr: refused
        const char* sum;
    } cases[] = {
        {"1e19", "1e19", nullptr, "20000000000000000000"},
        {"-1e19", "1e19", nullptr, "0"},
        {"99999999999999999999999999999999999999", "1", "99999999999999999999999999999999999999",
         nullptr},
        {"-99999999999999999999999999999999999999", "-1", "99999999999999999999999999999999999999",
         nullptr},
        {"-99999999999999999999999999999999999999", "1", "-99999999999999999999999999999999999999",
         "-99999999999999999999999999999999999998"},
        {"18446744073709551616", "-9223372036854775808", nullptr, "9223372036854775808"},  // -2^127
        {"0.1", "0.01", "0.001", "0.11"},
        // Found by fuzzing: 75 x 955...0 passes 128 bits before the zero goes.
        {"7.5", "9550000000000000018362547846157793450", "71625000000000000137719108846183450875",
         "9550000000000000018362547846157793457.5"},
        {"1e-20", "1e-19", nullptr, "0.00000000000000000011"},
        // 1.8e37 on the scale of tenths passes 128 bits; the sum fits.
        {"18000000000000000000000000000000000000", "-9999999999999999999999999999999999999.9",
         nullptr, "8000000000000000000000000000000000000.1"},
        {"-18000000000000000000000000000000000000", "9999999999999999999999999999999999999.9",
         nullptr, "-8000000000000000000000000000000000000.1"},
        {"18000000000000000000000000000000000000", "9999999999999999999999999999999999999.9",
         nullptr, nullptr},
    };
    for (const auto& c : cases) {
        Decimal result;
        EXPECT_EQ(MultiplyDecimals(parsed(c.a), parsed(c.b), result), c.product != nullptr) << c.a;
        if (c.product) {
            EXPECT_EQ(DecimalText(result), c.product) << c.a;
        }
        EXPECT_EQ(AddDecimals(parsed(c.a), parsed(c.b), result), c.sum != nullptr) << c.a;
        if (c.sum) {
            EXPECT_EQ(DecimalText(result), c.sum) << c.a;
        }
    }

    const struct {
        const char* a;
        const char* b;
        const char* cents;  // nullptr: refused
    } divisions[] = {{"10", "3.2808", "3.05"},
                     {"-10", "3.2808", "-3.05"},
                     {"0.005", "1", "0.01"},
                     {"1", "0", nullptr},
                     {"1", "-8", "-0.13"},
                     {"1e37", "1e-10", nullptr},
                     {"99999999999999999999999999999999999999", "3", nullptr}};
    for (const auto& c : divisions) {
        Decimal result;
        EXPECT_EQ(DivideToCents(parsed(c.a), parsed(c.b), result), c.cents != nullptr) << c.a;
        if (c.cents) {
            EXPECT_EQ(DecimalMoneyText(result), c.cents) << c.a;
        }
    }
}

// --------------------------------------------------------------- merging

TEST(OrderMerge, TheSamePartNumberRaisesTheQuantityAndKeepsTheFirstLinesFields) {
    Order order = OrderOf({"1|Each|J4V-DMDM-10|first description|156.73|1|"});
    order.Merge({Line("1|Each|J4V-DMDM-10|second description|99.00|1|")}, "USD");
    EXPECT_EQ(Texts(order),
              (std::vector<std::string>{"2|Each|J4V-DMDM-10|first description|156.73|1|"}));
}

TEST(OrderMerge, PartNumbersThatDifferInCaseAreDifferentItems) {
    const Order order = OrderOf({"1|Each|abc|x|1.00|4|", "1|Each|ABC|y|1.00|4|"});
    EXPECT_EQ(order.Count(), 2u);
}

TEST(OrderMerge, TwoEqualLinesOfOneResultBecomeOneRow) {
    const Order order = OrderOf({"1|Each|F4DM|top|48.50|4|", "1|Each|F4DM|bottom|48.50|4|"});
    EXPECT_EQ(Texts(order), (std::vector<std::string>{"2|Each|F4DM|top|48.50|4|"}));
}

TEST(OrderMerge, KeepsKindCodesAndTrimsFields) {
    const Order order = OrderOf({"10|Feet|RVX4|cable| 2.62|3|", "2|Each|ATC|charge| 15.00|7|"});
    EXPECT_EQ(Texts(order), (std::vector<std::string>{"10|Feet|RVX4|cable|2.62|3|",
                                                      "2|Each|ATC|charge|15.00|7|"}));
}

struct UnitCase {
    const char* first;
    const char* second;
    const char* quantity;
};

class FeetAndMeters : public ::testing::TestWithParam<UnitCase> {};

TEST_P(FeetAndMeters, JoinInTheUnitOfTheOrderLine) {
    const UnitCase& c = GetParam();
    const Order order = OrderOf({std::string(c.first) + "|RVX4|cable|2.62|3|",
                                 std::string(c.second) + "|RVX4|cable|8.60|3|"});
    ASSERT_EQ(order.Count(), 1u);
    EXPECT_EQ(order.Items()[0].quantity, c.quantity);
    EXPECT_EQ(order.Items()[0].unit,
              std::string(c.first).substr(std::string(c.first).find('|') + 1));
    EXPECT_EQ(order.Items()[0].price, "2.62");
}

INSTANTIATE_TEST_SUITE_P(Orders, FeetAndMeters,
                         ::testing::Values(UnitCase{"10|Feet", "3|Meters", "19.84"},
                                           UnitCase{"3|Meters", "10|Feet", "6.05"},
                                           UnitCase{"7.5|Feet", "7.5|Feet", "15"},
                                           UnitCase{"0.1|Meters", "0.2|Meters", "0.3"},
                                           UnitCase{"2|Each", "3|Each", "5"}));

TEST(OrderMerge, ABadQuantityOrPriceChangesNothing) {
    Order order = OrderOf({"1|Each|A|a|1.00|4|"});
    EXPECT_THROW(order.Merge({Line("1|Each|A|a|1.00|4|"), Line("abc|Each|B|b|1.00|4|")}, "USD"),
                 QuillError);
    EXPECT_THROW(order.Merge({Line("1|Each|A|a|1.00|4|"), Line("1|Each|B|b|n/a|4|")}, "USD"),
                 QuillError);
    EXPECT_THROW(order.Merge({Line("-1|Each|A|a|1.00|4|")}, "USD"), QuillError);
    EXPECT_EQ(Texts(order), (std::vector<std::string>{"1|Each|A|a|1.00|4|"}));
}

TEST(OrderMerge, LineBreaksAndControlCharactersBecomeBlanks) {
    const Order order = OrderOf({"1|Each|P|one\rtwo\r\nthree\x1a\tfour|1.00|1|"});
    EXPECT_EQ(order.Items()[0].description, "one two  three  four");
}

TEST(OrderCurrency, IsThatOfTheFirstAdditionWhileTheOrderHasLines) {
    Order order = OrderOf({"1|Each|A|a|1.00|4|"}, "EUR");
    EXPECT_EQ(order.Currency(), "EUR");
    EXPECT_TRUE(order.AcceptsCurrency("EUR"));
    EXPECT_FALSE(order.AcceptsCurrency("USD"));
    order.DeleteRows({0});
    EXPECT_TRUE(order.AcceptsCurrency("USD"));
    order.Merge({Line("1|Each|A|a|1.00|4|")}, "USD");
    EXPECT_EQ(order.Currency(), "USD");
}

// ------------------------------------------------------- deleting, editing

TEST(OrderDelete, RemovesExactlyTheSelectedRows) {
    Order order = OrderOf({"1|Each|A|a|1.00|4|", "1|Each|B|b|1.00|4|", "1|Each|C|c|1.00|4|"});
    order.DeleteRows({2, 1});
    EXPECT_EQ(Texts(order), (std::vector<std::string>{"1|Each|A|a|1.00|4|"}));
    order.DeleteRows({0, 0, 7});
    EXPECT_TRUE(order.Empty());
}

TEST(OrderQuantity, CopyBackTakesANewValueAndKeepsAnEqualOne) {
    Order order = OrderOf({"2|Feet|A|a|1.50|3|"});
    EXPECT_FALSE(order.CopyBackQuantity(0, "2.0"));
    EXPECT_EQ(order.Items()[0].quantity, "2");
    EXPECT_TRUE(order.CopyBackQuantity(0, " 7.5 "));
    EXPECT_EQ(order.Items()[0].quantity, "7.5");
    EXPECT_EQ(order.ExtendedText(0), "11.25");
    EXPECT_TRUE(order.CopyBackQuantity(0, "0"));
    EXPECT_EQ(order.TotalText(), "0.00");
}

TEST(OrderQuantity, ATextThatIsNotAQuantityIsRefusedByName) {
    Order order = OrderOf({"2|Each|A|a|1.50|4|"});
    for (const char* text : {"abc", "", "-1", "1e999", "2 pcs"}) {
        try {
            order.CopyBackQuantity(0, text);
            ADD_FAILURE() << text << " was taken";
        } catch (const QuillError& error) {
            EXPECT_EQ(std::string(error.what()).find(std::string("'") + text + "'"), 0u)
                << error.what();
        }
    }
    EXPECT_EQ(order.Items()[0].quantity, "2");
}

}  // namespace
