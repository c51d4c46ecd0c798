#pragma once
// Switches the default locale, which every number text of the program follows,
// for one test, and puts back the en_US the test programs run under.
#include <QLocale>
#include <QString>

namespace testsupport {

class LocaleScope {
public:
    explicit LocaleScope(const QLocale& locale) { QLocale::setDefault(locale); }
    LocaleScope(QLocale::Language language, QLocale::Country country) : LocaleScope(QLocale(language, country)) {}
    ~LocaleScope() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    LocaleScope(const LocaleScope&) = delete;
    LocaleScope& operator=(const LocaleScope&) = delete;
};

// A number written with a point, as the user of the default locale types it.
inline QString localDecimals(QString text) { return text.replace(u'.', QLocale().decimalPoint()); }

// Whether every digit of the text, taken by code point, is one of 0-9.
inline bool onlyAsciiDigits(const QString& text)
{
    for (const uint c : text.toUcs4())
        if (QChar::isDigit(char32_t(c)) && (c < '0' || c > '9'))
            return false;
    return true;
}

} // namespace testsupport
