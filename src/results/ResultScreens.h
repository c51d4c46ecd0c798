#pragma once
// What the results screen and the three what-if screens share: moving between
// them (the program knows which form is which screen) and the menus ("Return
// to Main" runs the program's return to the console).

#include "platform/Form.h"
#include "platform/Menu.h"

#include <QString>
#include <functional>
#include <optional>

class Program;

// In the order of the function keys F1..F4.
enum class ResultScreen { SwitchToTest, SwitchToCost, SwitchToAnalysis, CurrentStrategy };

// Shows the target screen, then hides `from` (nothing when they are one).
void goToResultScreen(Program& program, platform::Form& from, ResultScreen to);

// Back to the current strategy from a what-if screen: the results screen then
// offers to resume the comparison, no longer to switch.
void showCurrentStrategy(Program& program, platform::Form& from);

// The menus of a result screen: "&File" (Print, [Back,] Return to Main, Exit),
// the result screens on F1..F4 and, on the what-if screens, "&Graph". Items
// without a button of their own do their standard thing; a form points the
// others (Print, Back, the item that leads back to the current strategy, Graph)
// at its button handlers.
struct ResultMenuDesign {
    bool withBack = false;                 // "Back" (Ctrl+B) in the File menu
    QString fileSeparator;                 // name of the File menu's separator
    QString screensMenu;                   // name and caption of the result screens menu
    QString screensCaption;
    bool screensEnabled = true;
    QString testCaption, costCaption, analysisCaption;
    QString costItem = "mnuSwToCost";      // name of the F2 item
    QString screensSeparator;
    QString currentCaption;
    ResultScreen own;                      // this screen's item is disabled
    bool withGraph = false;                // "&Graph", a menu-bar entry without items
};

class ResultScreenMenus {
public:
    ResultScreenMenus(Program& program, platform::Form& form, const ResultMenuDesign& design);

    std::optional<platform::MenuItem> mnuFile, mnuPrint, mnuBack, mnuReturn, fileSeparator, mnuExit;
    std::optional<platform::MenuItem> screens, mnuSwToTest, mnuSwToCost, mnuSwToAny, screensSeparator, mnuCSS;
    std::optional<platform::MenuItem> mnuGraph;
};
