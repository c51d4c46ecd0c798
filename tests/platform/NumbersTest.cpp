#include "platform/Numbers.h"
#include "support/LocaleScope.h"

#include <QLocale>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <ostream>
#include <vector>

// Readable failure messages; gtest finds this next to QString.
static void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace numbers = platform::numbers;

namespace {

using testsupport::LocaleScope;
using testsupport::onlyAsciiDigits;

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr std::int64_t kMaxTicks = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMinTicks = std::numeric_limits<std::int64_t>::min();

struct TextReading {
    const char* text;
    std::optional<double> value;  // nullopt: not numeric
    double leading;
};

// Fields test the full conversion for "numeric" and the leading value for
// their range: the two readings differ where a text goes on past its number.
TEST(Numbers, NumericTestConversionAndLeadingValue)
{
    const std::vector<TextReading> table = {
        {"", std::nullopt, 0},
        {"-", std::nullopt, 0},
        {"+", std::nullopt, 0},
        {"$", std::nullopt, 0},
        {".", std::nullopt, 0},
        {"abc", std::nullopt, 0},
        {"1e5", 100000, 100000},
        {"1e3", 1000, 1000},
        {"2.5E-3", 0.0025, 0.0025},
        {" 12 ", 12, 12},
        {"\t42\n", 42, 42},
        {"1,234.5", 1234.5, 1},
        {"1,500", 1500, 1},
        {"$1,234.50", 1234.5, 0},
        {"$5", 5, 0},
        {"5$", 5, 5},
        {"$ 5", 5, 0},
        {"-$5", -5, 0},
        {"$-5", -5, 0},
        {"(5)", -5, 0},
        {"($1,167.00)", -1167, 0},
        {"$(5)", -5, 0},
        {"( 5 )", -5, 0},
        {"-12.5", -12.5, -12.5},
        {"+ 7", 7, 7},
        {"- 7", -7, -7},
        {".5", 0.5, 0.5},
        {"5.", 5, 5},
        {"12.5abc", std::nullopt, 12.5},
        {"1e", std::nullopt, 1},
        {"1e+", std::nullopt, 1},
        {"1e3.5", std::nullopt, 1000},
        {"1 500", std::nullopt, 1500},
        {"\u00a01500", 1500, 1500},
        {"1500\u202f", 1500, 1500},
        {"1\u00a0500", std::nullopt, 1500},
        {"1.2.3", std::nullopt, 1.2},
        {"5-", std::nullopt, 5},
        {"--5", std::nullopt, 0},
        {"(-5)", std::nullopt, 0},
        {"(5", std::nullopt, 0},
        {"5)", std::nullopt, 5},
        {"$5$", std::nullopt, 0},
        {",5", std::nullopt, 0},
        {"1,234.5,6", std::nullopt, 1},
        {"12%", std::nullopt, 12},
        {"0x10", std::nullopt, 0},
        {"1e400", std::nullopt, kInf},
        {"-1e400", std::nullopt, -kInf},
        {"1e-400", 0, 0},
    };
    for (const TextReading& row : table) {
        SCOPED_TRACE(row.text);
        const QString text = QString::fromUtf8(row.text);
        EXPECT_EQ(numbers::isNumeric(text), row.value.has_value());
        EXPECT_EQ(numbers::toDouble(text), row.value);
        EXPECT_EQ(numbers::leadingValue(text), row.leading);
    }
}

// Beyond the double range a number still reads as one, signed infinity, and
// what is no number stays none.
TEST(Numbers, TheUnboundedConversionTellsATooLargeNumberFromNoNumber)
{
    const std::pair<QString, std::optional<double>> table[] = {
        {"1e400", kInf},        {"-1e400", -kInf},     {QString(400, u'9'), kInf},
        {"(1e400)", -kInf},     {"1e5", 100000},       {"1e-400", 0},
        {"9" + QString(400, u'9') + "x", std::nullopt}, {"1e400.5", std::nullopt}, {"", std::nullopt},
    };
    for (const auto& [text, value] : table) {
        SCOPED_TRACE(text.left(20).toStdString());
        EXPECT_EQ(numbers::toDoubleUnbounded(text), value);
    }
}

TEST(Numbers, FloatConversionRoundsToNearestFloatAndRefusesOverflow)
{
    EXPECT_EQ(numbers::toFloat(QStringLiteral("0.15574962")), 0.15574962f);
    EXPECT_EQ(numbers::toFloat(QStringLiteral("$1,234.50")), 1234.5f);
    EXPECT_EQ(numbers::toFloat(QStringLiteral("(0.1)")), -0.1f);
    EXPECT_EQ(numbers::toFloat(QStringLiteral("1e39")), std::nullopt);
    EXPECT_EQ(numbers::toFloat(QStringLiteral("abc")), std::nullopt);
}

TEST(Numbers, RoundHalfEven)
{
    const std::vector<std::pair<double, std::int64_t>> table = {
        {12.5, 12}, {13.5, 14}, {-2.5, -2}, {-3.5, -4}, {0.5, 0}, {1.5, 2},
        {2.4999999, 2}, {2.5000001, 3}, {-0.4, 0}, {-0.6, -1}, {40000.5, 40000},
        {40001.5, 40002}, {4503599627370495.5, 4503599627370496}, {1e300, kMaxTicks},
        {-1e300, kMinTicks}, {std::nan(""), 0},
    };
    for (const auto& [value, expected] : table) {
        SCOPED_TRACE(value);
        EXPECT_EQ(numbers::roundHalfEven(value), expected);
    }
}

TEST(Numbers, SixteenAndThirtyTwoBitConversionsReportOverflow)
{
    struct Row { double value; std::optional<std::int16_t> i16; std::optional<std::int32_t> i32; };
    const std::vector<Row> table = {
        {32767.4, 32767, 32767}, {32767.5, std::nullopt, 32768}, {-32768.5, -32768, -32768},
        {-32769, std::nullopt, -32769}, {2.5, 2, 2}, {3.5, 4, 4},
        {2147483647.4, std::nullopt, 2147483647}, {2147483647.5, std::nullopt, std::nullopt},
        {-2147483648.5, std::nullopt, -2147483648}, {1e300, std::nullopt, std::nullopt},
        {std::nan(""), std::nullopt, std::nullopt},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(row.value);
        EXPECT_EQ(numbers::toInt16(row.value), row.i16);
        EXPECT_EQ(numbers::toInt32(row.value), row.i32);
    }
}

TEST(Numbers, CurrencyTicksReadDecimalsExactlyWithHalfToEven)
{
    const std::vector<std::pair<const char*, std::optional<std::int64_t>>> table = {
        {"9.5", 95000},
        {"1167", 11670000},
        {"$1,167.00", 11670000},
        {"($1,167.00)", -11670000},
        {"$5", 50000},
        {"3.35", 33500},
        {"1.23456", 12346},
        {"0.00005", 0},
        {"0.00015", 2},
        {"0.00025", 2},
        {"0.000251", 3},
        {"-0.00015", -2},
        {"0.000049999", 0},
        {"1e3", 10000000},
        {"1.5e-3", 15},
        {"922337203685477.5807", kMaxTicks},
        {"922337203685477.5808", std::nullopt},
        {"-922337203685477.5808", kMinTicks},
        {"1e30", std::nullopt},
        {"abc", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& [text, expected] : table) {
        SCOPED_TRACE(text);
        EXPECT_EQ(numbers::toCurrencyTicks(QString::fromUtf8(text)), expected);
    }
}

TEST(Numbers, GeneralFormatOfDouble)
{
    const std::vector<std::pair<double, const char*>> table = {
        {100 - 99.3, "0.700000000000003"},
        {9.5, "9.5"},
        {1167.0, "1167"},
        {3.35, "3.35"},
        {0.0, "0"},
        {-0.0, "0"},
        {-3.25, "-3.25"},
        {1.0 / 3.0, "0.333333333333333"},
        {2.0 / 3.0, "0.666666666666667"},
        {0.1 + 0.2, "0.3"},
        {0.0001, "0.0001"},
        {0.00001, "1E-05"},
        {1.5e-7, "1.5E-07"},
        {123456789012345.0, "123456789012345"},
        {1e15, "1E+15"},
        {1e20, "1E+20"},
        {-2.5e100, "-2.5E+100"},
    };
    for (const auto& [value, expected] : table) {
        SCOPED_TRACE(expected);
        EXPECT_EQ(numbers::generalFormat(value), QString::fromUtf8(expected));
    }
}

TEST(Numbers, GeneralFormatOfFloat)
{
    const std::vector<std::pair<float, const char*>> table = {
        {0.15574962f, "0.1557496"},
        {0.7f, "0.7"},
        {0.987f, "0.987"},
        {0.1f, "0.1"},
        {12.0f, "12"},
        {12.5f, "12.5"},
        {-0.5f, "-0.5"},
        {1.0f / 3.0f, "0.3333333"},
        {9999999.0f, "9999999"},
        {1e7f, "1E+07"},
        {1e-5f, "1E-05"},
        {0.0f, "0"},
    };
    for (const auto& [value, expected] : table) {
        SCOPED_TRACE(expected);
        EXPECT_EQ(numbers::generalFormat(value), QString::fromUtf8(expected));
    }
}

struct PatternCase {
    const char* pattern;
    double value;
    const char* expected;
};

TEST(Numbers, DigitPatternsRoundHalfAwayFromZero)
{
    const std::vector<PatternCase> table = {
        {"###,###,##0", 0, "0"},
        {"###,###,##0", 123, "123"},
        {"###,###,##0", 12345, "12,345"},
        {"###,###,##0", -32768, "-32,768"},
        {"###,###,##0", 1234567890, "1,234,567,890"},
        {"###,###,##0", 1e12, "1,000,000,000,000"},
        {"###,###,##0", 2.5, "3"},
        {"###,###,##0", -2.5, "-3"},
        {"###,###,##0", 999.5, "1,000"},
        {"###,###,##0", 0.4, "0"},
        {"###,###,##0", -0.4, "0"},
        {"##,###,##0", 0, "0"},
        {"##,###,##0", 40000, "40,000"},
        {"##,###,##0", -1500, "-1,500"},
        {"##,###,##0", 123456789, "123,456,789"},
        {"##0.#", 0, "0."},
        {"##0.#", 12, "12."},
        {"##0.#", -7, "-7."},
        {"##0.#", 12.34, "12.3"},
        {"##0.#", 0.05, "0.1"},
        {"##0.#", 0.25, "0.3"},
        {"##0.#", -0.25, "-0.3"},
        {"##0.#", -0.04, "0."},
        {"##0.#", 9.96, "10."},
        {"##0.#", 123456.78, "123456.8"},
        {"#,##0 women", 1500, "1,500 women"},
    };
    for (const PatternCase& row : table) {
        SCOPED_TRACE(std::string(row.pattern) + " " + std::to_string(row.value));
        EXPECT_EQ(numbers::formatPattern(row.value, QString::fromUtf8(row.pattern)),
                  QString::fromUtf8(row.expected));
    }
}

// A float is shown from its seven significant digits, so 0.35f (stored just
// below 0.35) still rounds up as the user expects.
TEST(Numbers, DigitPatternsOfFloatAndWholeNumbers)
{
    EXPECT_EQ(numbers::formatPattern(0.35f, QStringLiteral("##0.#")), QStringLiteral("0.4"));
    EXPECT_EQ(numbers::formatPattern(2.45f, QStringLiteral("##0.#")), QStringLiteral("2.5"));
    EXPECT_EQ(numbers::formatPattern(12.0f, QStringLiteral("##0.#")), QStringLiteral("12."));
    EXPECT_EQ(numbers::formatPattern(0, QStringLiteral("##,###,##0")), QStringLiteral("0"));
    EXPECT_EQ(numbers::formatPattern(std::int64_t{9007199254740993}, QStringLiteral("###,###,##0")),
              QStringLiteral("9,007,199,254,740,993"));
}

TEST(Numbers, CurrencyFormatOfUsLocale)
{
    const std::vector<std::pair<double, const char*>> table = {
        {1167, "$1,167.00"},
        {9.5, "$9.50"},
        {0, "$0.00"},
        {-1167, "($1,167.00)"},
        {2.345, "$2.35"},
        {2.675, "$2.68"},
        {-2.345, "($2.35)"},
        {0.005, "$0.01"},
        {-0.001, "$0.00"},
        {1234567.891, "$1,234,567.89"},
        {9.2e14, "$920,000,000,000,000.00"},
        // the end of the Money range, where amounts saturate
        {9223372036854775807 / 10000.0, "out of range"},
        {-9223372036854775807 / 10000.0, "out of range"},
    };
    for (const auto& [value, expected] : table) {
        SCOPED_TRACE(expected);
        EXPECT_EQ(numbers::formatCurrency(value), QString::fromUtf8(expected));
    }
}

// Money fields show the currency text and read it back; nothing may be lost
// on the way in any locale.
TEST(Numbers, CurrencyTextRoundTripsThroughTicks)
{
    const std::vector<std::pair<double, std::int64_t>> amounts = {
        {0, 0}, {9.5, 95000}, {1167, 11670000}, {3.35, 33500}, {0.01, 100},
        {-1167, -11670000}, {1234567.89, 12345678900}, {-0.5, -5000},
    };
    const std::vector<std::pair<QLocale::Language, QLocale::Country>> locales = {
        {QLocale::English, QLocale::UnitedStates}, {QLocale::German, QLocale::Germany},
        {QLocale::French, QLocale::France}, {QLocale::German, QLocale::Switzerland},
    };
    for (const auto& [language, country] : locales) {
        LocaleScope scope(language, country);
        for (const auto& [amount, ticks] : amounts) {
            const QString text = numbers::formatCurrency(amount);
            SCOPED_TRACE(text.toStdString());
            EXPECT_EQ(numbers::toCurrencyTicks(text), ticks);
            EXPECT_TRUE(numbers::isNumeric(text));
        }
    }
}

// Every locale writes amounts in dollars with the digits 0-9 and its own
// separators, reads back what it writes, reads a number in its own notation
// (its own digits too, and the separators a keyboard types for its own), and
// refuses a text that could mean another number.
TEST(Numbers, EveryLocaleReadsWhatItWritesAndRefusesAmbiguousGrouping)
{
    struct Row {
        QLocale locale;
        const char* amount;       // formatCurrency(1234567.5)
        QStringList typed;        // 1234567.5 as the user types or pastes it
        QStringList ambiguous;    // grouping where no thousands group fits
    };
    const Row rows[] = {
        {QLocale(QLocale::English, QLocale::UnitedStates), "$1,234,567.50", {"1,234,567.5"}, {"1,5", "0,7", "12,34", "1,2345"}},
        {QLocale(QLocale::German, QLocale::Germany), "1.234.567,50\u00a0$", {"1.234.567,5"}, {"0.7", "1.5", "0.700", "12.34,5"}},
        {QLocale(QLocale::French, QLocale::France), "1\u202f234\u202f567,50\u00a0$",
         {"1 234 567,5", "1\u00a0234\u00a0567,5", "1\u202f234 567,5", "\u00a01 234 567,5\u00a0"},
         {"1 5", "0 7", "1\u00a05", "12\u202f34,5"}},
        {QLocale(QLocale::German, QLocale::Switzerland), "1\u2019234\u2019567.50\u00a0$",
         {"1\u2019234\u2019567.5", "1'234'567.5", " 1'234\u2019567.5"}, {"1\u20195", "1'5", "12'34.5", "0'700"}},
        {QLocale(QLocale::English, QLocale::India), "$12,34,567.50", {"12,34,567.5", "1,234,567.5"}, {"1,5", "12,3"}},
        {QLocale(QLocale::Japanese, QLocale::Japan), "$1,234,567.50", {"1,234,567.5"}, {"1,5"}},
        {QLocale(QStringLiteral("ar_EG")), "1\u066c234\u066c567\u066b50\u00a0$",
         {"1\u066c234\u066c567\u066b5", "\u0661\u066c\u0662\u0663\u0664\u066c\u0665\u0666\u0667\u066b\u0665"},
         {"1\u066c5", "\u0661\u066c\u0665"}},
        {QLocale(QStringLiteral("ccp_BD")), "12,34,567.50$",
         {"12,34,567.5", "\U00011137\U00011138,\U00011139\U0001113a,\U0001113b\U0001113c\U0001113d.\U0001113b"},
         {"1,5", "\U00011137,\U0001113b"}},
        {QLocale(QStringLiteral("ff_Adlm_GN")), "$\u00a01\u2e41234\u2e41567.50",
         {"1\u2e41234\u2e41567.5", "\U0001e951\u2e41\U0001e952\U0001e953\U0001e954\u2e41\U0001e955\U0001e956\U0001e957.\U0001e955"},
         {"1\u2e415"}},
        {QLocale(QStringLiteral("mr_IN")), "$12,34,567.50", {"12,34,567.5", "\u0967\u0968,\u0969\u096a,\u096b\u096c\u096d.\u096b"}, {"1,5"}},
    };
    for (const Row& row : rows) {
        LocaleScope scope(row.locale);
        SCOPED_TRACE(row.locale.name().toStdString());
        const QString amount = numbers::formatCurrency(1234567.5);
        EXPECT_EQ(amount, QString::fromUtf8(row.amount));
        EXPECT_EQ(numbers::toCurrencyTicks(amount), 12345675000);
        // What the locale itself writes, in its own digits, reads too.
        EXPECT_EQ(numbers::toCurrencyTicks(row.locale.toCurrencyString(-1234567.5, QStringLiteral("$"), 2)),
                  -12345675000);
        for (const QString& typed : row.typed) {
            EXPECT_EQ(numbers::toDouble(typed), 1234567.5) << typed.toStdString();
            EXPECT_EQ(numbers::toCurrencyTicks(typed), 12345675000) << typed.toStdString();
        }
        for (double value : {0.7, 9.5, 1.5e-05, 0.985, -1234.5}) {
            const QString written[] = {numbers::generalFormat(value), numbers::formatCurrency(value),
                                       numbers::formatPattern(value, QStringLiteral("###,###,##0.##"))};
            for (const QString& text : written) {
                EXPECT_TRUE(onlyAsciiDigits(text)) << text.toStdString();
                EXPECT_TRUE(numbers::isNumeric(text)) << text.toStdString();
            }
            EXPECT_EQ(numbers::toDouble(written[0]), value) << value;
        }
        EXPECT_EQ(numbers::leadingValue(numbers::generalFormat(0.7)), 0.7);
        EXPECT_EQ(numbers::toCurrencyTicks(numbers::formatCurrency(-1167)), -11670000);
        for (const QString& text : row.ambiguous) {
            EXPECT_FALSE(numbers::isNumeric(text)) << text.toStdString();
            EXPECT_FALSE(numbers::toCurrencyTicks(text).has_value()) << text.toStdString();
        }
    }
    {
        LocaleScope scope(QLocale::German, QLocale::Germany);
        EXPECT_EQ(numbers::leadingValue(QStringLiteral("1.234,5")), 1);
        EXPECT_EQ(numbers::leadingValue(QStringLiteral("0,7")), 0.7);
        EXPECT_EQ(numbers::formatPattern(12345.0, QStringLiteral("###,###,##0")), QStringLiteral("12.345"));
        EXPECT_EQ(numbers::formatPattern(12.34, QStringLiteral("##0.#")), QStringLiteral("12,3"));
        EXPECT_EQ(numbers::toCurrencyTicks(QStringLiteral("5 €")), std::nullopt) << "amounts are dollars";
    }
    {
        LocaleScope scope(QLocale::French, QLocale::France);
        EXPECT_EQ(numbers::toDouble(QStringLiteral("1 234,5 ")), 1234.5);
        EXPECT_EQ(numbers::toDouble(QStringLiteral("1 234 ,5")), std::nullopt);
        EXPECT_EQ(numbers::leadingValue(QStringLiteral("1\u202f234,5")), 1234.5);
    }
}

// A grouped figure is grouped as the locale groups its own numbers, so counts
// and amounts on one screen agree; a figure grouped by three reads as well.
TEST(Numbers, GroupedFiguresFollowTheLocalesGrouping)
{
    struct Row {
        const char* locale;
        const char* pattern;
        double value;
        const char* expected;
        const char* byThree;  // the same figure grouped by three, as typed
    };
    const Row rows[] = {
        {"en_US", "##,###,##0", 30000000, "30,000,000", "30,000,000"},
        {"en_US", "###,###,##0", 1e20, "100,000,000,000,000,000,000", "100,000,000,000,000,000,000"},
        {"en_IN", "##,###,##0", 30000000, "3,00,00,000", "30,000,000"},
        {"en_IN", "##,###,##0", 400000, "4,00,000", "400,000"},
        {"en_IN", "##,###,##0", 1234, "1,234", "1,234"},
        {"en_IN", "##,###,##0", -1340000, "-13,40,000", "-1,340,000"},
        {"en_IN", "###,###,##0.##", 1234567.25, "12,34,567.25", "1,234,567.25"},
        {"en_IN", "###,###,##0", 1e20, "10,00,00,00,00,00,00,00,00,000", "100,000,000,000,000,000,000"},
        {"en_IN", "#,##0 women", 10000000, "1,00,00,000 women", nullptr},
        {"de_DE", "##,###,##0", 30000000, "30.000.000", "30.000.000"},
        {"fr_FR", "##,###,##0", 30000000, "30\u202f000\u202f000", "30 000 000"},
        {"ar_EG", "##,###,##0", 30000000, "30\u066c000\u066c000", "30\u066c000\u066c000"},
    };
    for (const Row& row : rows) {
        LocaleScope scope(QLocale(QString::fromLatin1(row.locale)));
        SCOPED_TRACE(std::string(row.locale) + " " + row.expected);
        const QString written = numbers::formatPattern(row.value, QString::fromUtf8(row.pattern));
        EXPECT_EQ(written, QString::fromUtf8(row.expected));
        if (!row.byThree)
            continue;
        EXPECT_EQ(numbers::toDouble(written), row.value);
        EXPECT_EQ(numbers::toDouble(QString::fromUtf8(row.byThree)), row.value);
    }
    const std::vector<std::pair<const char*, const char*>> counts = {
        {"en_US", "400,000"}, {"en_IN", "4,00,000"}, {"de_DE", "400.000"}, {"ar_EG", "400\u066c000"},
    };
    for (const auto& [locale, expected] : counts) {
        LocaleScope scope(QLocale(QString::fromLatin1(locale)));
        EXPECT_EQ(numbers::groupedCountText(400000.4), QString::fromUtf8(expected)) << locale;
    }
}

TEST(Numbers, CountCaptionsRoundHalfToEvenWithoutOverflow)
{
    const std::vector<std::tuple<double, const char*, const char*>> table = {
        {0, "0", "0"},
        {0.4, "0", "0"},
        {2.5, "2", "2"},
        {3.5, "4", "4"},
        {-3.2, "-3", "-3"},
        {12345, "12345", "12,345"},
        {40000.5, "40000", "40,000"},
        {-32768.5, "-32768", "-32,768"},
        {1e6, "1000000", "1,000,000"},
        {3e13, "30000000000000", "30,000,000,000,000"},
        // saturated: never shown as if it were a count
        {9.3e18, "out of range", "out of range"},
        {-1e30, "out of range", "out of range"},
    };
    for (const auto& [value, plain, grouped] : table) {
        SCOPED_TRACE(value);
        EXPECT_EQ(numbers::countText(value), QString::fromUtf8(plain));
        EXPECT_EQ(numbers::groupedCountText(value), QString::fromUtf8(grouped));
    }
}

}  // namespace

// A field's numeric test passes exactly the texts its kind converts: a float
// field refuses what no float holds, a money field what no amount holds.
TEST(Numbers, AFieldsNumericTestFollowsItsKindsRange)
{
    using numbers::NumberKind;
    struct Row {
        const char* text;
        std::optional<double> asDouble;
        std::optional<float> asFloat;
        std::optional<std::int64_t> ticks;
    };
    const Row rows[] = {
        {"4e38", 4e38, std::nullopt, std::nullopt},
        {"-4e38", -4e38, std::nullopt, std::nullopt},
        {"3.4e38", 3.4e38, 3.4e38f, std::nullopt},
        {"1e20", 1e20, 1e20f, std::nullopt},
        {"1e-50", 1e-50, 0.0f, 0},
        {"922337203685477.5807", 922337203685477.5807, 922337203685477.5807f, kMaxTicks},
        {"922337203685477.5808", 922337203685477.5808, 922337203685477.5808f, std::nullopt},
        {"$1,234.50", 1234.5, 1234.5f, 12345000},
        {"(5)", -5, -5.0f, -50000},
        {"12%", std::nullopt, std::nullopt, std::nullopt},
        {"", std::nullopt, std::nullopt, std::nullopt},
        {"1e400", std::nullopt, std::nullopt, std::nullopt},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        const QString text = QString::fromUtf8(row.text);
        EXPECT_EQ(numbers::isNumeric(text, NumberKind::Double), row.asDouble.has_value());
        EXPECT_EQ(numbers::isNumeric(text, NumberKind::Float), row.asFloat.has_value());
        EXPECT_EQ(numbers::isNumeric(text, NumberKind::Currency), row.ticks.has_value());
        EXPECT_EQ(numbers::toDouble(text), row.asDouble);
        EXPECT_EQ(numbers::toFloat(text), row.asFloat);
        EXPECT_EQ(numbers::toCurrencyTicks(text), row.ticks);
    }
}

TEST(Numbers, PatternsTheFormatDoesNotKnowAreRefused)
{
    for (const char* pattern : {"#,##0;(#,##0)", "0.0%", "0.00E+00", "0.0e-0", "\"n\"#0", "\\##0", "#-#"}) {
        SCOPED_TRACE(pattern);
        EXPECT_THROW(numbers::formatPattern(12.5, QString::fromUtf8(pattern)), std::invalid_argument);
    }
    EXPECT_EQ(numbers::formatPattern(12.5, QStringLiteral("Each $#0.0")), QStringLiteral("Each $12.5"));
}
