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
#include <vector>

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

// What a notice's handlers do while it is under way, and what every field
// shows after it.
TEST_F(ChangeNotice, HandlersThatMakeOrDestroyFieldsOrNoticeAgainAreSafe)
{
    enum class During { MakeFields, DestroyAField, NoticeAgain };
    for (During during : {During::MakeFields, During::DestroyAField, During::NoticeAgain}) {
        SCOPED_TRACE(int(during));
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
        bound[0]->wrote = [&, during] {
            bound[0]->wrote = nullptr;
            if (during == During::MakeFields)
                for (int b = 2; b < 12; ++b)
                    bind(later, b);  // the list of fields grows past its room
            else if (during == During::DestroyAField)
                bound[1].reset();
            else
                registry.changed();
        };
        registry.listen([&] {
            ++listened;
            figures[1] = 7;
        });
        registry.changed();
        EXPECT_EQ(first.boxes[0].text(), "3");
        if (bound[1]) {
            EXPECT_EQ(first.boxes[1].text(), during == During::NoticeAgain ? "7" : "");
        }
        if (during == During::MakeFields) {
            figures[5] = 5;
            registry.changed();
            EXPECT_EQ(later.boxes[5].text(), "5") << "a field made during a notice takes part in the next";
        }
        EXPECT_GE(listened, 1);
        first.unload();
        later.unload();
    }
}

} // namespace
