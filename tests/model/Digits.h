#pragma once
// The worked figures are written as the shortest decimal that reads back
// as the same float32 (0.9469035), or with eight significant digits where that
// shortest text would be longer (109.024734 is given as 109.02473). A literal
// such as 109.02473f is then the neighbouring float, not the result, so worked
// figures are compared as that text; where it is the shortest text it pins the
// float exactly. Doubles are written the same way with eight digits at most.
#include <cstdio>
#include <cstdlib>
#include <string>

inline std::string Figure(float value)
{
    char buffer[64];
    for (int digits = 1; digits <= 8; ++digits) {
        std::snprintf(buffer, sizeof buffer, "%.*g", digits, static_cast<double>(value));
        if (std::strtof(buffer, nullptr) == value)
            return buffer;
    }
    std::snprintf(buffer, sizeof buffer, "%.8g", static_cast<double>(value));
    return buffer;
}

inline std::string Figure(double value)
{
    char buffer[64];
    for (int digits = 1; digits <= 8; ++digits) {
        std::snprintf(buffer, sizeof buffer, "%.*g", digits, value);
        if (std::strtod(buffer, nullptr) == value)
            return buffer;
    }
    std::snprintf(buffer, sizeof buffer, "%.8g", value);
    return buffer;
}

#define EXPECT_DIGITS(value, text) EXPECT_EQ(Figure(value), std::string(text)) << #value

// A figure given rounded further than the shortest text (6.475139 for the
// float 6.4751387; 134.99 for the cost 134.99146): the value written with as
// many significant digits as the text has.
inline std::string Rounded(double value, const std::string& text)
{
    int digits = 0;
    bool leading = true;
    for (char c : text) {
        if (c < '0' || c > '9')
            continue;
        if (leading && c == '0')
            continue;
        leading = false;
        ++digits;
    }
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*g", digits, value);
    return buffer;
}

#define EXPECT_ROUNDED(value, text) EXPECT_EQ(Rounded(value, text), std::string(text)) << #value
