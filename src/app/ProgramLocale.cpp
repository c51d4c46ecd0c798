#include "app/ProgramLocale.h"

#include <QtGlobal>

QLocale programLocale(const QString& lcAll, const QString& lcNumeric, const QString& lang, const QLocale& system)
{
    QString name;
    for (const QString& setting : {lcAll, lcNumeric, lang}) {
        if (!setting.isEmpty()) {
            name = setting;
            break;
        }
    }
    const QLocale locale = name.isEmpty() ? system : QLocale(name);
    if (locale.language() == QLocale::C)
        return QLocale(QLocale::English, QLocale::UnitedStates);
    return locale;
}

QLocale programLocale()
{
    return programLocale(qEnvironmentVariable("LC_ALL"), qEnvironmentVariable("LC_NUMERIC"),
                         qEnvironmentVariable("LANG"), QLocale::system());
}
