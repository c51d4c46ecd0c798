#include "app/Program.h"
#include "app/ProgramLocale.h"
#include "platform/Dialogs.h"
#include "platform/Printer.h"
#include "platform/Screen.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLocale::setDefault(programLocale());
    // The pictures live in the forms' static library, which nothing else
    // would pull them in from.
    Q_INIT_RESOURCE(resources);
    // The program ends through its own commands; a form may be hidden for a
    // moment while the next one comes up.
    app.setQuitOnLastWindowClosed(false);
    QApplication::setApplicationName(QStringLiteral("Kalderon"));

    platform::QtDialogs dialogs(QStringLiteral("Kalderon"));
    platform::QtScreen screen;
    platform::Printer printer(dialogs);
    Program program(dialogs, screen, &printer);
    program.start();
    return app.exec();
}
