// What the platform's form tests share: a runtime on a fixed screen with
// scripted boxes, and the small forms the tests drive.
#pragma once

#include "platform/Chart.h"
#include "platform/ControlArray.h"
#include "platform/Form.h"
#include "platform/Menu.h"
#include "platform/Runtime.h"
#include "platform/Screen.h"
#include "support/ScriptedDialogs.h"

#include <QApplication>
#include <QMainWindow>
#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace platformtest {

using namespace platform;
using Log = std::vector<std::string>;

struct OnScreen : ::testing::Test {
    testsupport::ScriptedDialogs dialogs;
    FixedScreen screen{1024, 768};
    int ended = 0;
    Runtime runtime{dialogs, screen, nullptr, [this] { ++ended; }};

    static void showActive(Form& f)
    {
        f.show();
        QApplication::setActiveWindow(f.window());
        QApplication::processEvents();
    }

    static QPoint middle(Control& c) { return c.widget()->rect().center(); }

    static Control& control(Form& f, const QString& name)
    {
        for (Control* c : f.controls())
            if (c->name() == name)
                return *c;
        throw std::invalid_argument("no control " + name.toStdString());
    }
};

// A field that can refuse to be left (with a message box), a multi-line field
// that is no tab stop, buttons with access keys, an option group in a frame,
// and a menu with shortcut keys, one of them in a submenu.
class GateForm : public Form {
public:
    explicit GateForm(Runtime& rt) : Form(rt, "GateForm")
    {
        designClientSize(8000, 6000);
        txtA.designGeometry(120, 120, 2000, 300);
        txtA.designTabIndex(0);
        txtNoStop.designGeometry(120, 500, 2000, 300);
        txtNoStop.designTabIndex(1, false);
        txtNoStop.designMultiLine();
        txtB.designGeometry(120, 900, 2000, 300);
        txtB.designTabIndex(2);
        cmdGo.designGeometry(120, 1400, 1500, 400);
        cmdGo.designCaption("&Go");
        cmdGo.designTabIndex(3);
        chkOn.designGeometry(120, 2000, 4000, 300);
        chkOn.designCaption("&Check");
        chkOn.designTabIndex(4);
        fraOpt.designGeometry(120, 2500, 5000, 1800);
        fraOpt.designCaption("&Options");
        fraOpt.designTabIndex(5);
        for (int i = 0; i < opt.size(); ++i) {
            opt[i].designContainer(fraOpt);
            opt[i].designGeometry(120, 300 + 450 * i, 4500, 300);
            opt[i].designCaption(QStringLiteral("Option %1").arg(i));
            opt[i].designTabIndex(6 + i);
        }

        for (auto [c, n] : {std::pair<Control*, std::string>{&txtA, "A"}, {&txtB, "B"}, {&txtNoStop, "NoStop"},
                            {&cmdGo, "Go"}, {&chkOn, "Check"}}) {
            c->GotFocus = [this, n] { log.push_back(n + ".GotFocus"); };
            c->LostFocus = [this, n] { log.push_back(n + ".LostFocus"); };
        }
        txtA.Validate = [this](bool& cancel) {
            log.push_back("A.Validate");
            if (refuse)
                runtime().dialogs().msgBox("Not a number");
            cancel = refuse;
        };
        cmdGo.Click = [this] { log.push_back("Go.Click"); };
        chkOn.Click = [this] { log.push_back("Check.Click " + std::to_string(chkOn.value())); };
        opt.Click = [this](int i) { log.push_back("opt.Click " + std::to_string(i)); };
        opt.GotFocus = [this](int i) { log.push_back("opt.GotFocus " + std::to_string(i)); };
        opt.Validate = [this](int i, bool& cancel) {
            log.push_back("opt.Validate " + std::to_string(i));
            if (refuseOption)
                runtime().dialogs().msgBox("Choose again");
            cancel = refuseOption;
        };
        mnuOne.Click = [this] { log.push_back("One"); };
        mnuTwo.Click = [this] { log.push_back("Two"); };
    }

    TextBox txtA{*this, "txtA"};
    TextBox txtNoStop{*this, "txtNoStop"};
    TextBox txtB{*this, "txtB"};
    CommandButton cmdGo{*this, "cmdGo"};
    CheckBox chkOn{*this, "chkOn"};
    Frame fraOpt{*this, "fraOpt"};
    ControlArray<OptionButton, 3> opt{*this, "opt"};
    MenuItem mnuScreens{*this, "mnuScreens", "&Screens"};
    MenuItem mnuOne{*this, "mnuOne", "One", &mnuScreens, QKeySequence(Qt::Key_F1)};
    MenuItem mnuMore{*this, "mnuMore", "More", &mnuScreens};
    MenuItem mnuTwo{*this, "mnuTwo", "Two", &mnuMore, QKeySequence(Qt::CTRL | Qt::Key_K)};

    Log log;
    bool refuse = false;
    bool refuseOption = false;
};

// Two lists first in the tab order, the second one longer than it shows.
class ListsForm : public Form {
public:
    explicit ListsForm(Runtime& rt) : Form(rt, "ListsForm")
    {
        designClientSize(6000, 4000);
        lstA.designGeometry(120, 120, 2000, 1200);
        lstA.designItems({"a0", "a1"});
        lstA.designTabIndex(0);
        QStringList items;
        for (int i = 0; i < 30; ++i)
            items << QStringLiteral("item %1").arg(i);
        lstB.designGeometry(2400, 120, 3000, 1500);
        lstB.designItems(items);
        lstB.designTabIndex(1);
        lstA.Click = [this] { log.push_back("A.Click " + std::to_string(lstA.listIndex())); };
        lstB.Click = [this] { log.push_back("B.Click " + std::to_string(lstB.listIndex())); };
    }
    ListBox lstA{*this, "lstA"};
    ListBox lstB{*this, "lstB"};
    Log log;
};

class ChartForm : public Form {
public:
    explicit ChartForm(Runtime& rt, bool withMenu = false, const QString& name = "ChartForm") : Form(rt, name)
    {
        designClientSize(9000, 6000);
        chrValues.designGeometry(120, 120, 8700, 5700);
        chrValues.designFont("Arial", 9);
        if (withMenu)
            mnuFile.emplace(*this, "mnuFile", "&File");
    }
    Chart chrValues{*this, "chrValues"};
    std::optional<MenuItem> mnuFile;
};

class PlainForm : public Form {
public:
    PlainForm(Runtime& rt, const QString& name) : Form(rt, name)
    {
        cmdGo.designGeometry(120, 120, 1500, 400);
        cmdGo.designTabIndex(0);
    }
    CommandButton cmdGo{*this, "cmdGo"};
};

} // namespace platformtest
