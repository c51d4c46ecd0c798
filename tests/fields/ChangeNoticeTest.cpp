// The change notice: every bound field shows its figure, every listener runs,
// and fields made or destroyed while it is under way are safe.

#include "fields/BoundField.h"
#include "fields/Figures.h"
#include "platform/Form.h"
#include "platform/Runtime.h"
#include "platform/Screen.h"
#include "platform/TextControls.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <vector>

// Whether runaway notices fail, as the program set it before the test
// program's main() turned the checks on.
namespace testsupport {
extern bool runawayFailsInProgram;
}

namespace {

class BoxesForm : public platform::Form {
public:
    explicit BoxesForm(platform::Runtime& rt, const QString& name) : Form(rt, name)
    {
        for (int i = 0; i < int(boxes.size()); ++i)
            boxes[std::size_t(i)].designGeometry(120, 120 + 400 * i, 2000, 300);
    }
    std::array<platform::TextBox, 12> boxes{{{*this, "b0"}, {*this, "b1"}, {*this, "b2"}, {*this, "b3"},
                                             {*this, "b4"}, {*this, "b5"}, {*this, "b6"}, {*this, "b7"},
                                             {*this, "b8"}, {*this, "b9"}, {*this, "b10"}, {*this, "b11"}}};
};

struct ChangeNotice : ::testing::Test {
    testsupport::ScriptedDialogs dialogs;
    platform::FixedScreen screen{1024, 768};
    platform::Runtime runtime{dialogs, screen, nullptr, [] {}};
    fields::Registry registry;
    BoxesForm first{runtime, "First"};
    BoxesForm later{runtime, "Later"};
    std::array<float, 12> figures{};
    std::vector<std::unique_ptr<fields::Bound<float>>> bound;

    void bind(BoxesForm& form, int box)
    {
        bound.push_back(std::make_unique<fields::Bound<float>>(registry, form.boxes[std::size_t(box)],
                                                               figures[std::size_t(box)],
                                                               fields::positiveCountFormat()));
    }
};

// The checks for a while: as the program has them, or as the test program
// has them. The variable the program once read them from says on all the
// while: it heeds no environment for them.
enum class Checks { Program, Tests };
class ChecksScope {
public:
    explicit ChecksScope(Checks checks)
    {
        if (checks == Checks::Program)
            fields::Registry::setRunawayFails(testsupport::runawayFailsInProgram);
        qputenv("KALDERON_CHECKS", "1");
    }
    ~ChecksScope() { fields::Registry::setRunawayFails(was_); qunsetenv("KALDERON_CHECKS"); }
    ChecksScope(const ChecksScope&) = delete;
    ChecksScope& operator=(const ChecksScope&) = delete;

private:
    bool was_ = fields::Registry::runawayFails();
};

// What a notice's handlers do while it is under way, and what every field
// shows after it. The listener runs once per round of the notice.
TEST_F(ChangeNotice, HandlersThatMakeOrDestroyFieldsOrNoticeAgainAreSafe)
{
    enum class During { MakeFields, DestroyAField, NoticeAgain };
    struct Case {
        During during;
        int listenedOnce;  // runs of the listener for the one notice
    };
    for (const Case c : {Case{During::MakeFields, 1}, Case{During::DestroyAField, 1}, Case{During::NoticeAgain, 2}}) {
        SCOPED_TRACE(int(c.during));
        bound.clear();
        first.load();
        later.load();
        bind(first, 0);
        bind(first, 1);
        int listened = 0;
        figures.fill(0);
        figures[0] = 3;
        // The first field's showing sets the handler off, in the middle of
        // the walk over the fields.
        bound[0]->wrote = [&, during = c.during] {
            bound[0]->wrote = nullptr;
            if (during == During::MakeFields)
                for (int b = 2; b < 12; ++b)
                    bind(later, b);  // the list of fields grows past its room
            else if (during == During::DestroyAField)
                bound[1].reset();
            else
                registry.changed();
        };
        const fields::Registry::Listening listening = registry.listen([&] {
            ++listened;
            figures[1] = 7;
        });
        registry.changed();
        EXPECT_EQ(listened, c.listenedOnce);
        EXPECT_EQ(first.boxes[0].text(), "3");
        if (bound[1]) {
            EXPECT_EQ(first.boxes[1].text(), c.during == During::NoticeAgain ? "7" : "");
        }
        if (c.during == During::MakeFields) {
            figures[5] = 5;
            registry.changed();
            EXPECT_EQ(later.boxes[5].text(), "5") << "a field made during a notice takes part in the next";
            EXPECT_EQ(listened, 2);
        }
        first.unload();
        later.unload();
    }
}

// Listeners that add listeners, stop listening, throw or keep giving notice:
// each notice ends, runs every listener the number of times it should, and
// leaves the registry ready for the next. A notice still coming back after
// its last round is a fault of its handlers: the tests' checks fail on it,
// and without them it stops there with one warning.
TEST_F(ChangeNotice, ListenersThatAddListenersThrowOrNoticeForeverAreSafe)
{
    enum class Does { AddMany, StopListening, Throw, NoticeForever };
    struct Case {
        Does does;
        int firstNotice;      // runs of the steady listener in the first notice
        int secondNotice;     // and in the next
        Checks checks = Checks::Tests;  // runaway notices fail in every test program, not in the program
    };
    constexpr int most = fields::Registry::MostRounds;
    for (const Case c : {Case{Does::AddMany, 1, 1}, Case{Does::StopListening, 1, 1}, Case{Does::Throw, 0, 1},
                         Case{Does::NoticeForever, most, most},
                         Case{Does::NoticeForever, most, most, Checks::Program}}) {
        const bool tests = c.checks == Checks::Tests;
        SCOPED_TRACE(std::to_string(int(c.does)) + (tests ? " in the test program" : " in the program"));
        const ChecksScope checks(c.checks);
        const bool runaway = c.does == Does::NoticeForever && tests;
        static int warnings;
        warnings = 0;
        const QtMessageHandler was =
            qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) { ++warnings; });
        std::vector<fields::Registry::Listening> added;
        int addedRuns = 0;
        int steady = 0;
        bool thrown = false;
        fields::Registry::Listening doer = registry.listen([&] {
            switch (c.does) {
            case Does::AddMany:
                // The list of listeners grows past its room while one runs.
                if (addedRuns == 0 && added.empty())
                    for (int i = 0; i < 40; ++i)
                        added.push_back(registry.listen([&] { ++addedRuns; }));
                break;
            case Does::StopListening:
                doer = {};
                break;
            case Does::Throw:
                if (!thrown) {
                    thrown = true;
                    throw std::runtime_error("a handler failed");
                }
                break;
            case Does::NoticeForever:
                registry.changed();
                break;
            }
        });
        const fields::Registry::Listening listening = registry.listen([&] { ++steady; });
        if (c.does == Does::Throw)
            EXPECT_THROW(registry.changed(), std::runtime_error);
        else if (runaway)
            EXPECT_THROW(registry.changed(), std::logic_error);
        else
            registry.changed();
        EXPECT_EQ(steady, c.firstNotice);
        if (c.does == Does::AddMany) {
            EXPECT_EQ(addedRuns, 40) << "a listener added during a notice takes part in it";
        }
        if (runaway)
            EXPECT_THROW(registry.changed(), std::logic_error);
        else
            registry.changed();
        EXPECT_EQ(steady, c.firstNotice + c.secondNotice);
        qInstallMessageHandler(was);
        // In the program each runaway notice is warned of once.
        EXPECT_EQ(warnings, c.does == Does::NoticeForever && !tests ? 2 : 0);
        if (c.does == Does::AddMany) {
            added.clear();
            registry.changed();
            EXPECT_EQ(addedRuns, 80) << "a listener whose listening ended runs no more";
        }
    }
}

// A listener whose listening ended, with the variable it reads gone, is not
// run by a later notice.
TEST_F(ChangeNotice, AnEndedListeningRunsNoMore)
{
    for (int round = 0; round < 3; ++round) {
        auto count = std::make_unique<int>(0);
        {
            const fields::Registry::Listening listening = registry.listen([c = count.get()] { ++*c; });
            registry.changed();
        }
        registry.changed();
        EXPECT_EQ(*count, 1);
    }
}

} // namespace
