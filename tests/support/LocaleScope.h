#pragma once
// Switches the default locale, which every number text of the program follows,
// for one test, and puts back the en_US the test programs run under.
#include <QLocale>
#include <QString>
#include <QTest>
#include <QtGlobal>

#include <map>
#include <optional>
#include <string>

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

// How a user writes a figure given as "2500" or "0.12": with the default
// locale's decimal sign, and as asked a grouping separator every three digits,
// the locale's own digits and a blank before the figure.
struct Writing {
    QString group = {};  // empty: no grouping
    bool nativeDigits = false;
    QString lead = {};
};

inline QString written(const QString& figure, const Writing& w)
{
    const QLocale locale;
    const qsizetype point = figure.indexOf(u'.');
    const qsizetype whole = point < 0 ? figure.size() : point;
    const char32_t zero = locale.zeroDigit().toUcs4().value(0, U'0');
    QString text = w.lead;
    for (qsizetype i = 0; i < figure.size(); ++i) {
        const QChar c = figure[i];
        if (i > 0 && i < whole && (whole - i) % 3 == 0)
            text += w.group;
        if (c == u'.') {
            text += locale.decimalPoint();
        } else if (w.nativeDigits && c.isDigit()) {
            const char32_t digit = zero + char32_t(c.digitValue());
            text += QString::fromUcs4(&digit, 1);
        } else {
            text += c;
        }
    }
    return text;
}

// Sets environment variables for one test (an empty value unsets one) and
// puts back what they were.
class EnvironmentScope {
public:
    explicit EnvironmentScope(const std::map<std::string, std::string>& values)
    {
        for (const auto& [name, value] : values) {
            if (qEnvironmentVariableIsSet(name.c_str()))
                saved_[name] = qgetenv(name.c_str());
            else
                saved_[name] = std::nullopt;
            set(name, value.empty() ? std::nullopt : std::optional<QByteArray>(QByteArray::fromStdString(value)));
        }
    }
    ~EnvironmentScope()
    {
        for (const auto& [name, value] : saved_)
            set(name, value);
    }
    EnvironmentScope(const EnvironmentScope&) = delete;
    EnvironmentScope& operator=(const EnvironmentScope&) = delete;

private:
    static void set(const std::string& name, const std::optional<QByteArray>& value)
    {
        if (value)
            qputenv(name.c_str(), *value);
        else
            qunsetenv(name.c_str());
    }
    std::map<std::string, std::optional<QByteArray>> saved_;
};

// Types the text into the widget key by key. A character no key of QTest's
// stands for (another script's digit or decimal sign) comes as a keyboard
// sends it: a key press that carries its text, a whole code point at a time.
inline void typeKeys(QWidget* widget, const QString& text)
{
    for (const uint c : text.toUcs4()) {
        if (c < 0x80) {
            QTest::keyClick(widget, char(c));
        } else {
            const char32_t codePoint = c;
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString::fromUcs4(&codePoint, 1),
                                Qt::NoModifier);
        }
    }
}

// Whether every digit of the text, taken by code point, is one of 0-9.
inline bool onlyAsciiDigits(const QString& text)
{
    for (const uint c : text.toUcs4())
        if (QChar::isDigit(char32_t(c)) && (c < '0' || c > '9'))
            return false;
    return true;
}

} // namespace testsupport
