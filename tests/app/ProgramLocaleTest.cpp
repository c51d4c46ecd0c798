#include "app/ProgramLocale.h"
#include "platform/Numbers.h"
#include "support/LocaleScope.h"

#include <gtest/gtest.h>

#include <string>

namespace {

namespace numbers = platform::numbers;

// The locale for numbers comes from the environment as POSIX ranks it.
TEST(ProgramLocale, FollowsTheNumericSetting)
{
    struct Row {
        const char *lcAll, *lcNumeric, *lang, *locale;
        QLocale system = QLocale::c();
    };
    const Row rows[] = {
        {"", "", "", "en_US"},
        {"", "", "", "de_CH", QLocale(QLocale::German, QLocale::Switzerland)},
        {"", "", "fr_FR.UTF-8", "fr_FR", QLocale(QLocale::German, QLocale::Switzerland)},
        {"", "", "C.UTF-8", "en_US"},
        {"", "", "POSIX", "en_US"},
        {"", "", "de_DE.UTF-8", "de_DE"},
        {"", "de_DE.UTF-8", "C.UTF-8", "de_DE"},
        {"", "de_CH.UTF-8", "fr_FR.UTF-8", "de_CH"},
        {"fr_FR.UTF-8", "de_DE.UTF-8", "C", "fr_FR"},
        {"C", "de_DE.UTF-8", "de_DE.UTF-8", "en_US"},
        {"", "", "ar_EG.UTF-8", "ar_EG"},
        {"", "", "en_IN.UTF-8", "en_IN"},
        {"", "xx_YY", "de_DE", "en_US"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.lcAll) + "|" + row.lcNumeric + "|" + row.lang);
        EXPECT_EQ(programLocale(QString::fromLatin1(row.lcAll), QString::fromLatin1(row.lcNumeric),
                                QString::fromLatin1(row.lang), row.system)
                      .name(),
                  QString::fromLatin1(row.locale));
    }
}

// The plain C locale knows no currency and no grouping: the program writes
// and reads its figures as US English instead.
TEST(ProgramLocale, ThePlainLocaleWritesAndReadsFiguresAsUsEnglish)
{
    testsupport::LocaleScope scope(programLocale({}, {}, QStringLiteral("C.UTF-8"), QLocale::system()));
    EXPECT_EQ(numbers::formatCurrency(1234567.5), QStringLiteral("$1,234,567.50"));
    EXPECT_EQ(numbers::groupedCountText(30000000), QStringLiteral("30,000,000"));
    EXPECT_EQ(numbers::toCurrencyTicks(QStringLiteral("1,234,567.5")), 12345675000);
    EXPECT_FALSE(numbers::isNumeric(QStringLiteral("1,5")));
}

}  // namespace
