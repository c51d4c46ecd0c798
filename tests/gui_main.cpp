// Entry point of every test program that needs Qt: a QApplication on the
// offscreen platform, so no test needs a display. gtest_discover_tests runs
// this binary at build time without the test environment, hence the setenv.
#include <QApplication>
#include <QLocale>
#include <cstdlib>
#include <gtest/gtest.h>

#ifdef TESTS_LINK_FIELDS
#include "fields/BoundField.h"

namespace testsupport {
// The program's own setting, read before main() turns the checks on.
bool runawayFailsInProgram = false;
}
#endif

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
#ifdef TESTS_LINK_FIELDS
    // Faults the program only warns of and goes on from fail the tests.
    testsupport::runawayFailsInProgram = fields::Registry::runawayFails();
    fields::Registry::setRunawayFails(true);
#endif
    // Every number text follows the default locale; a test may switch it for
    // its own run with testsupport::LocaleScope, which puts en_US back.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
