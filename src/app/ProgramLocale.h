#pragma once
// The locale the program writes and reads numbers in: the one the
// environment names for numbers, looked up as POSIX orders it (LC_ALL, else
// LC_NUMERIC, else LANG; an empty variable counts as unset), such as
// "de_DE.UTF-8"; where none is set, the system's locale. The plain C/POSIX
// locale, which knows no currency and no grouping, and a name no locale
// answers to are written as US English.

#include <QLocale>
#include <QString>

QLocale programLocale(const QString& lcAll, const QString& lcNumeric, const QString& lang, const QLocale& system);
// The same from the process's environment and the system's settings.
QLocale programLocale();
