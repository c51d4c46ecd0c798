#include "shell/InstructionPages.h"

#include <QStringList>

#include <initializer_list>

namespace {

const QString kLineBreak = QStringLiteral("\r\n");

QString joinLines(std::initializer_list<const char *> lines)
{
    QStringList list;
    list.reserve(static_cast<qsizetype>(lines.size()));
    for (const char *line : lines)
        list.append(QString::fromUtf8(line));
    return list.join(kLineBreak);
}

// ---------------------------------------------------------------------------
// About
// ---------------------------------------------------------------------------
// Emphasis is applied to the first occurrence of each term, so the welcome
// paragraph must not mention the colour of the required questions, the word
// for "required" in capitals or the guidance heading before their places.
QString aboutPage()
{
    return joinLines({
        "Welcome to Kalderon, the Kalderon Screening Decision Software.",
        "",
        "Kalderon is a decision analysis model built to maximise the effectiveness of screening "
        "strategies for Chlamydia trachomatis. It is meant for public-health professionals who "
        "work in STD prevention and in women's reproductive health services. The model finds the "
        "most cost-effective screening strategy for preventing infections in asymptomatic women. "
        "From the prevalence of the disease, the screening practice of your clinic and your cost "
        "data it gives two outcomes: a disease-prevention outcome and a cost-effectiveness outcome.",
        "",
        "Guidance: ",
        "Before you start, there are several points you may wish to consider: ",
        "",
        "(1) The model gives the best results when you enter your own local data. Where you have "
        "no local figures, national estimates of cost and prevalence are used instead. The "
        "questions that you MUST answer are written in blue.",
        "",
        "(2) A series of forms asks for the inputs of the model, and the arrow button on each form "
        "leads you through the questions. On some screens, moving the mouse over a field or a "
        "button shows a pop-up box with more detail. When the questions are answered, the results "
        "are shown on these screens:",
        "     a. the results page, \"Current Screening Strategies\", for the strategy you use now;",
        "     b. the what-if screens, \"Switch To\", \"Switch To Cost\" and \"Switch to Projections\", "
        "which show what other tests would find, what they would cost and how many cases of pelvic "
        "inflammatory disease they would leave.",
        "",
        "(3) The parameters of the model, such as the rate of progression to sequelae, are taken "
        "from the research available when the model was built. Their values and sources are listed "
        "on the Documentation page.",
        "",
        "(4) At the start you may enter the name of your programme, facility or location. This "
        "question is optional; the name personalises the screen instructions and the printed "
        "reports.",
        "",
        "Kalderon serves programme managers, policy makers and budget holders. It can model a "
        "single clinic or a larger area such as a region. Entering the data and viewing the results "
        "takes no more than 10 minutes.",
    });
}

// ---------------------------------------------------------------------------
// Documentation
// ---------------------------------------------------------------------------
// Each reference is two lines: the kind of source and its year, then what
// the source studied.
QString documentationPage()
{
    return joinLines({
        "Documentation",
        "",
        "The sources of the model's parameters are listed below, under the parameters they support.",
        "",
        "Screening test performance characteristics: ",
        "",
        "Confirmatory test performance characteristics: ",
        "     A multi-test laboratory evaluation",
        "     A head-to-head evaluation of five chlamydia tests against a quality-assured culture "
        "standard.",
        "",
        "Negative gray zone test performance characteristics: ",
        "     Derived from unpublished data.",
        "",
        "Probability of infected women recieving treatment: ",
        "     A journal study (1994)",
        "     Screening for chlamydial infection with cell culture and with a rapid assay.",
        "     A journal study (1997)",
        "     Positive chlamydia screening tests that do not lead to treatment.",
        "",
        "Antibiotic effectiveness: ",
        "     A journal study (1996)",
        "     An incremental cost-effectiveness comparison of doxycycline and azithromycin for "
        "chlamydial infection.",
        "",
        "Probability of Pelvic Inflammatory Disease (PID) without Treatment: ",
        "     A published study (1980)",
        "     Source of the probability of PID in women whose infection is not treated.",
        "     A published study (1984)",
        "     Source of the probability of PID in women whose infection is not treated.",
        "",
        "Probability of Pelvic Inflammatory Disease (PID) with treatment: ",
        "     A journal study (1995)",
        "     The cost-effectiveness of azithromycin for chlamydial infections in women.",
    });
}

// ---------------------------------------------------------------------------
// Detailed Instructions
// ---------------------------------------------------------------------------
QString detailedInstructionsPage()
{
    return joinLines({
        "Detailed Instructions",
        "",
        "The model consists of a series of forms and screens. The name of each form or screen "
        "stands in the upper right-hand corner of its screen.",
        "",
        "Screen Flow: ",
        "You may wish to print this page with F8, and the Special Keys page with F11, to keep "
        "beside you while you work through the model.",
        "",
        "1. Main Console",
        "The Main Console is the entry and exit point of the model. Type the name of your facility "
        "or location (optional) and click the button \"ENTER THE APPLICATION\" to begin the "
        "questions; Exit Application (F12) in its File menu ends the program. The on-line help "
        "(these instructions) is shown before the Main Console when the program starts, and again "
        "from the testing questions when you ask to see the valid test combinations.",
        "",
        "2. Instructions",
        "The instructions are grouped in five categories:",
        "     a. About",
        "     b. Documentation",
        "     c. Detailed Instructions",
        "     d. General Computer Instructions",
        "     e. Special Keys",
        "Choose a category from the Instructions menu (F1 to F5) to view it, or from the Print menu "
        "(F6 to F9 and F11) to print it. The arrow button at the lower right leads on to the model.",
        "",
        "3. Question Preview Screen",
        "This screen lists the questions you will be asked. Click the arrow button at the bottom of "
        "the screen to start the questions, which follow in the five parts below.",
        "     A. Population and positivity",
        "     Enter the number of asymptomatic women you screen per year in each of the three age "
        "groups: under 18, 18 to 25 and over 25. A field may not be left blank; zero is allowed in "
        "two of the three groups. Then enter the percentage of women who tested positive in the "
        "last 12 months in each age group. These fields may be tabbed through, and the national "
        "average is then used.",
        "     B. Testing",
        "     Choose the screening test you use; this answer is required. The Negative Gray Zone "
        "(NGZ) test is optional: choose \"None\" if you do not know, or if you do not retest in the "
        "Negative Gray Zone. Whether you confirm positive test results is set to No; if you answer "
        "Yes, the test cost page follows so that you can check the cost of the confirmation test. "
        "Only the combinations in this table can be modelled:",
        "          Valid Combinations",
        "          Screening Test            NGZ Test",
        "          Genprobe                  None",
        "                                    PCR on Genprobe",
        "          EIA                       None",
        "                                    DFA on EIA",
        "                                    PCR on EIA",
        "          PCR (cervix or urine)     None",
        "          LCR (cervix or urine)     None",
        "     C. Sensitivity and specificity",
        "     The sensitivity and specificity of the test you chose are shown, and you can change "
        "them. Hold the mouse over a box to see the range of values it accepts. The cost of the "
        "test is shown as well.",
        "     D. Percentages",
        "     Enter the percentage of women with a positive test who return for treatment within 30 "
        "days (79 % is used when you tab through), and the percentages of women who receive "
        "azithromycin and doxycycline.",
        "     E. Drug costs",
        "     Enter what you pay for a full dose of azithromycin and for a full dose of doxycycline, "
        "and the cost of a case of pelvic inflammatory disease.",
        "",
        "4. Current Screening Strategy screen",
        "This screen shows the results of the screening strategy you use now: the women screened, "
        "the infections found and missed, the cost of testing and treatment and the projected "
        "cases of pelvic inflammatory disease (PID). The arrow pointing right leads on to the "
        "what-if screens.",
        "",
        "5. Switch to screen",
        "This screen shows how many infections each of the other screening tests, and the Negative "
        "Gray Zone options, would find and miss in your population.",
        "",
        "6. Switch to test cost screen",
        "This screen shows what each test would cost in your programme, and its cost per true "
        "positive identified.",
        "",
        "7. Switch to analysis screen",
        "This screen projects, for each test, how many women would develop PID and what those cases "
        "would cost.",
        "",
        "8. Graph screen",
        "This screen draws the graphs of the number of women with PID, the cost of PID and the test "
        "cost per positive identified. It is also reached from the graph buttons and the Graph menu "
        "of the switch to screens.",
    });
}

// ---------------------------------------------------------------------------
// General Instructions
// ---------------------------------------------------------------------------
QString generalInstructionsPage()
{
    return joinLines({
        "General Computer Information: ",
        "",
        "Scrolling: when a text box holds more text than it can show, a scroll bar appears at its "
        "side. Drag the scroll box, or click the arrows at the ends of the scroll bar, to move "
        "through the text. You can also click in the text and use the arrow keys to move a line at "
        "a time, or the Page Up and Page Down keys to move a page at a time.",
        "",
        "Fields that may be tabbed through: some fields are marked \"(If unsure tab through)\". If "
        "you do not know the value for such a field, press the Tab key to move past it; the "
        "national average or the default value of the model is then used.",
        "",
        "The Tab key is at the left-hand side of the keyboard, above the Caps Lock key, and is "
        "marked with arrows. The Enter key is at the right-hand side of the letter keys, above the "
        "right Shift key; on some keyboards it is marked Return or with a bent arrow.",
        "",
        "Command buttons: a command button is activated by clicking it with the mouse, or by "
        "pressing Enter while the button has the focus.",
        "",
        "For more about the mouse, windows, menus and the keyboard, see the user's guide of your "
        "computer's operating system.",
    });
}

// ---------------------------------------------------------------------------
// Special Keys
// ---------------------------------------------------------------------------
// The table is aligned with blanks: commands are indented under the screen
// heading and the keys start in one column.
constexpr qsizetype kKeyColumn = 56;

QString keyRow(int indent, const char *command, const char *key)
{
    const QString left = QString(indent, QLatin1Char(' ')) + QString::fromUtf8(command);
    if (*key == '\0')
        return left;
    return left.leftJustified(kKeyColumn, QLatin1Char(' ')) + QString::fromUtf8(key);
}

QString specialKeysPage()
{
    const QString blank;
    // The console heading carries no command of its own beyond Exit: the
    // instructions are reached at start-up and from the testing questions.
    const QStringList lines = {
        QStringLiteral("These are special keys or hot keys on a screen by screen basis. These commands "
                       "can also be reached through the menu bar: "),
        QStringLiteral("(The italisized words are screen name)"),
        blank,
        QStringLiteral("Main"),
        keyRow(5, "Exit Application", "F12"),
        blank,
        QStringLiteral("Instructions: "),
        keyRow(5, "Return to Main", "<ctrl + R>"),
        keyRow(5, "Exit Application", "F12"),
        keyRow(5, "About: to view, to print", "F1, F6"),
        keyRow(5, "Documentation", "F2, F7"),
        keyRow(5, "Detailed Instructions", "F3, F8"),
        keyRow(5, "General Instructions", "F4, F9"),
        keyRow(5, "Special Keys", "F5, F11"),
        blank,
        QStringLiteral("Results Pages"),
        QStringLiteral("-------------"),
        blank,
        QStringLiteral("Current Screening Strategies"),
        keyRow(5, "Print", "<ctrl + P>"),
        keyRow(5, "Return to Main", "<ctrl + R>"),
        keyRow(5, "Exit", "F12"),
        keyRow(5, "Switch to (menu command, disabled on the first pass):", ""),
        keyRow(10, "Switch to Test", "F1"),
        keyRow(10, "Switch to Test Cost", "F2"),
        keyRow(10, "Switch to Test Analysis", "F3"),
        blank,
        QStringLiteral("Switch to Test: "),
        keyRow(5, "Print", "<ctrl + P>"),
        keyRow(5, "Return to Main", "<ctrl + R>"),
        keyRow(5, "Exit", "F12"),
        keyRow(5, "Results Screen (menu command):", ""),
        keyRow(10, "Switch to Test (disabled)", "F1"),
        keyRow(10, "Switch to Test Cost", "F2"),
        keyRow(10, "Switch to Test Analysis", "F3"),
        keyRow(10, "Current Screening Strategies", "F4"),
        blank,
        QStringLiteral("Switch to Test Cost: "),
        keyRow(5, "Print", "<ctrl + P>"),
        keyRow(5, "Return to Main", "<ctrl + R>"),
        keyRow(5, "Exit", "F12"),
        keyRow(5, "Results Screen (menu command):", ""),
        keyRow(10, "Switch to Test", "F1"),
        keyRow(10, "Switch to Test Cost (disabled)", "F2"),
        keyRow(10, "Switch to Test Analysis", "F3"),
        keyRow(10, "Current Screening Strategies", "F4"),
        blank,
        QStringLiteral("Switch to Analysis: "),
        keyRow(5, "Print", "<ctrl + P>"),
        keyRow(5, "Return to Main", "<ctrl + R>"),
        keyRow(5, "Exit", "F12"),
        keyRow(5, "Results Screen (menu command):", ""),
        keyRow(10, "Switch to Test", "F1"),
        keyRow(10, "Switch to Test Cost", "F2"),
        keyRow(10, "Switch to Test Analysis (disabled)", "F3"),
        keyRow(10, "Current Screening Strategies", "F4"),
        blank,
        QStringLiteral("Graph: "),
        keyRow(5, "Print", "<ctrl + P>"),
        keyRow(5, "Return to Previous", "<ctrl + R>"),
        keyRow(5, "Exit", "F12"),
        keyRow(5, "Graph (menu command):", ""),
        keyRow(10, "No Women PID", "F1"),
        keyRow(10, "Cost of PID", "F2"),
        keyRow(10, "Cost per Positive", "F3"),
    };
    return lines.join(kLineBreak);
}

Emphasis italic(const char *term)
{
    return Emphasis{QString::fromUtf8(term), false, true, std::nullopt};
}

} // namespace

QString instructionPageText(InstructionPage page)
{
    switch (page) {
    case InstructionPage::About:
        return aboutPage();
    case InstructionPage::Documentation:
        return documentationPage();
    case InstructionPage::DetailedInstructions:
        return detailedInstructionsPage();
    case InstructionPage::GeneralInstructions:
        return generalInstructionsPage();
    case InstructionPage::SpecialKeys:
        return specialKeysPage();
    }
    return {};
}

std::vector<Emphasis> instructionPageEmphasis(InstructionPage page)
{
    switch (page) {
    case InstructionPage::About:
        return {
            Emphasis{QStringLiteral("blue"), true, false, qRgb(0, 0, 255)},
            Emphasis{QStringLiteral("Chlamydia trachomatis"), false, true, std::nullopt},
            Emphasis{QStringLiteral("MUST"), true, false, std::nullopt},
            Emphasis{QStringLiteral("Guidance"), true, false, std::nullopt},
        };
    case InstructionPage::SpecialKeys:
        return {
            italic("Main"),
            italic("Instructions: "),
            italic("Current Screening Strategies"),
            italic("Switch to Test: "),
            italic("Switch to Test Cost: "),
            italic("Switch to Analysis: "),
            italic("Graph: "),
        };
    case InstructionPage::Documentation:
    case InstructionPage::DetailedInstructions:
    case InstructionPage::GeneralInstructions:
        break;
    }
    return {};
}
