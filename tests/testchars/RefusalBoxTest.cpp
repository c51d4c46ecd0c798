// A refusal box that comes up while the user clicks into another field runs
// its own event loop, as a real one does: the click that caused the move must
// not reach the other field once the box is gone.

#include "testchars/FrmDraftCostTest.h"
#include "testchars/FrmSenSpec.h"
#include "TestCharsFixture.h"

#include <functional>

using testchars_test::edit;

namespace {

class RefusalBoxTest : public testsupport::ProgramTest {};

TEST_F(RefusalBoxTest, AClickIntoAnotherFieldDuringARefusalLeavesTheFocusWhereItWas)
{
    struct Case {
        const char* name;
        // Shows the form and returns the refused field and the field clicked.
        std::function<std::pair<platform::TextBox*, platform::TextBox*>(Program&)> open;
        QString typed;
        QString keptText;
    };
    const Case cases[] = {
        {"rate field",
         [](Program& p) {
             FrmSenSpec& f = p.FrmSenSpec();
             f.showRow(SenSpecRow::GP);
             f.show();
             return std::pair{&f.TxtGPSens, &f.TxtGPSpec};
         },
         "40", "0.4"},
        {"test-cost field",
         [](Program& p) {
             FrmSenSpec& f = p.FrmSenSpec();
             f.showRow(SenSpecRow::EIA);
             f.show();
             return std::pair{&f.txtTestCostEia, &f.TxtEIASens};
         },
         "0", "2.3"},
        {"calculator field",
         [](Program& p) {
             FrmDraftCostTest& d = p.FrmDraftCostTest();
             d.show();
             d.mnuTTGP.trigger();
             return std::pair{&d.txtTstPerBat, &d.txtLabHour};
         },
         "many", "many"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testsupport::ScriptedDialogs script;
        script.setEveryBoxRunsALoop(true);
        Program p(script, screen, &printer, [] {});
        auto [refused, clicked] = c.open(p);
        activate(refused->form());
        refused->setFocus();
        QTest::keyClicks(edit(*refused), c.typed);
        QTest::mouseClick(edit(*clicked), Qt::LeftButton);
        QCoreApplication::processEvents();

        EXPECT_EQ(script.prompts().size(), 1u);
        EXPECT_TRUE(refused->hasFocus());
        EXPECT_FALSE(clicked->hasFocus());
        EXPECT_EQ(refused->text(), c.keptText);
    }
}

} // namespace
