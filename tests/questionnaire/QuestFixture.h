#pragma once
// Driving the question forms as a person does: typing into the field that
// has the focus, Tab and Enter, clicks on buttons.

#include "platform/Control.h"
#include "platform/Form.h"
#include "support/ProgramFixture.h"
#include "support/LocaleScope.h"

#include <QLineEdit>
#include <QListWidget>
#include <QObject>
#include <QTest>

#include <functional>
#include <memory>
#include <vector>

#include <ostream>

// Readable failure messages for texts.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace questtest {

class QuestTest : public testsupport::ProgramTest {
protected:
    template <class F>
    F& shown(F& form)
    {
        form.show();
        activate(form);
        return form;
    }

    static QLineEdit* edit(platform::TextBox& t) { return static_cast<QLineEdit*>(t.widget()); }

    // Types into the field, which must have the focus, and tabs on.
    static void typeAndTab(platform::TextBox& t, const QString& text)
    {
        EXPECT_TRUE(t.hasFocus()) << t.name().toStdString() << " should have the focus";
        testsupport::typeKeys(edit(t), text);
        QTest::keyClick(edit(t), Qt::Key_Tab);
    }

    static void press(platform::CommandButton& b) { QTest::mouseClick(b.widget(), Qt::LeftButton); }

    // The next case starts a pass of its own, as after a return to the
    // console: within a pass a form loaded again shows what it took.
    void nextPass() { program().returnToConsole(); }

    // Every form that a return command may unload, loaded, as at the end of a
    // pass that went everywhere.
    std::vector<platform::Form*> loadWorkingForms();

    // Back to Main from a pass that went everywhere: `setUp` brings the form
    // up, `command` gives the order. Checks what every Back to Main does and
    // returns the names of the forms unloaded, in their order.
    QStringList backToMain(const std::function<void()>& setUp, const std::function<void()>& command);

    // The names of the forms whose windows go, in the order they go.
    class UnloadRecorder {
    public:
        explicit UnloadRecorder(const std::vector<platform::Form*>& forms)
        {
            for (platform::Form* f : forms) {
                if (!f->window())
                    continue;
                QObject::connect(f->window(), &QObject::destroyed,
                                 [order = order_, name = f->name()] { *order << name; });
            }
        }
        QStringList order()
        {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            return *order_;
        }

    private:
        std::shared_ptr<QStringList> order_ = std::make_shared<QStringList>();
    };
};

} // namespace questtest
