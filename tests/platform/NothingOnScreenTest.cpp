// However a form goes out of sight (its close box, hiding or unloading
// itself from a handler), the program never runs on with nothing on screen;
// a form that steps aside for the next one does not end it, and a form opened
// beside another that steps aside brings back the one closed beneath it.

#include "PlatformFixture.h"

#include <functional>

using namespace platformtest;

namespace {

// A form opened beside the first one.
class BesideForm : public PlainForm {
public:
    BesideForm(Runtime& rt, const QString& name) : PlainForm(rt, name) { designOpensBeside(); }
};

struct Case {
    const char* name;
    std::function<void(Form& first, Form& second, Form& beside)> act;
    int ends;
    // The form on screen at the end, when the program goes on.
    const char* shown = nullptr;
};

void closeBox(Form& f) { f.window()->close(); }

} // namespace

TEST(NothingOnScreen, TheProgramEndsOnlyWhenTheLastFormGoes)
{
    const Case cases[] = {
        {"hide the last form", [](Form& a, Form&, Form&) { a.hide(); }, 1},
        {"unload the last form", [](Form& a, Form&, Form&) { a.unload(); }, 1},
        {"Visible = False on the last form", [](Form& a, Form&, Form&) { a.setVisible(false); }, 1},
        {"hide, then show the next", [](Form& a, Form& b, Form&) { a.hide(); b.show(); }, 0, "Second"},
        {"unload, then show the next", [](Form& a, Form& b, Form&) { a.unload(); b.show(); }, 0, "Second"},
        {"hide, then show it again", [](Form& a, Form&, Form&) { a.hide(); a.show(); }, 0, "First"},
        {"hide a form while another stays", [](Form& a, Form& b, Form&) { b.show(); a.hide(); }, 0, "Second"},
        {"the close box of the last form", [](Form& a, Form&, Form&) { closeBox(a); }, 1},
        {"one beside hides after the one beneath was closed",
         [](Form& a, Form&, Form& c) { c.show(); closeBox(a); c.hide(); }, 0, "First"},
        {"one beside unloads after the one beneath was hidden",
         [](Form& a, Form& b, Form& c) { b.show(); c.show(); b.hide(); a.hide(); c.unload(); }, 0, "First"},
        {"one beside hides while another stays", [](Form&, Form&, Form& c) { c.show(); c.hide(); }, 0, "First"},
        {"the close box of one beside, the last form",
         [](Form& a, Form&, Form& c) { c.show(); closeBox(a); closeBox(c); }, 1},
        {"one beside hides, the next shown",
         [](Form& a, Form& b, Form& c) { c.show(); a.hide(); c.hide(); b.show(); }, 0, "Second"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testsupport::ScriptedDialogs dialogs;
        FixedScreen screen{1024, 768};
        int ended = 0;
        Runtime runtime{dialogs, screen, nullptr, [&] { ++ended; }};
        PlainForm first(runtime, "First"), second(runtime, "Second");
        BesideForm beside(runtime, "Beside");
        first.show();
        c.act(first, second, beside);
        EXPECT_EQ(ended, 0) << "ended before control was back in the main loop";
        QApplication::processEvents();
        EXPECT_EQ(ended, c.ends);
        if (c.shown) {
            EXPECT_TRUE(runtime.findForm(QString::fromLatin1(c.shown))->isShown()) << c.shown;
            EXPECT_FALSE(beside.isShown());
        }
    }
}
