// However a form goes out of sight (its close box, hiding or unloading
// itself from a handler), the program never runs on with nothing on screen;
// a form that steps aside for the next one does not end it.

#include "PlatformFixture.h"

#include <functional>

using namespace platformtest;

namespace {

struct Case {
    const char* name;
    std::function<void(Form& first, Form& second)> act;
    int ends;
};

} // namespace

TEST(NothingOnScreen, TheProgramEndsOnlyWhenTheLastFormGoes)
{
    const Case cases[] = {
        {"hide the last form", [](Form& a, Form&) { a.hide(); }, 1},
        {"unload the last form", [](Form& a, Form&) { a.unload(); }, 1},
        {"Visible = False on the last form", [](Form& a, Form&) { a.setVisible(false); }, 1},
        {"hide, then show the next", [](Form& a, Form& b) { a.hide(); b.show(); }, 0},
        {"unload, then show the next", [](Form& a, Form& b) { a.unload(); b.show(); }, 0},
        {"hide, then show it again", [](Form& a, Form&) { a.hide(); a.show(); }, 0},
        {"hide a form while another stays", [](Form& a, Form& b) { b.show(); a.hide(); }, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testsupport::ScriptedDialogs dialogs;
        FixedScreen screen{1024, 768};
        int ended = 0;
        Runtime runtime{dialogs, screen, nullptr, [&] { ++ended; }};
        PlainForm first(runtime, "First"), second(runtime, "Second");
        first.show();
        c.act(first, second);
        EXPECT_EQ(ended, 0) << "ended before control was back in the main loop";
        QApplication::processEvents();
        EXPECT_EQ(ended, c.ends);
    }
}
