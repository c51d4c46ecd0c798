#pragma once
// The plain-text reports of the cost and projection screens: lines built of
// fixed texts, counted blanks and the screen's captions, separated by CR LF.
#include <QString>

inline QString Blanks(int count) { return QString(count, QLatin1Char(' ')); }

inline const QString CrLf = QStringLiteral("\r\n");

// A section's heading line, indented by 15 blanks.
inline QString HeadingLine(const QString& text) { return Blanks(15) + text + CrLf; }
