#include "shell/InstructionPages.h"

#include <QRegularExpression>
#include <QStringList>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::vector<InstructionPage> kAllPages = {
    InstructionPage::About,
    InstructionPage::Documentation,
    InstructionPage::DetailedInstructions,
    InstructionPage::GeneralInstructions,
    InstructionPage::SpecialKeys,
};

std::string pageName(InstructionPage page)
{
    switch (page) {
    case InstructionPage::About: return "About";
    case InstructionPage::Documentation: return "Documentation";
    case InstructionPage::DetailedInstructions: return "DetailedInstructions";
    case InstructionPage::GeneralInstructions: return "GeneralInstructions";
    case InstructionPage::SpecialKeys: return "SpecialKeys";
    }
    return "?";
}

QStringList pageLines(InstructionPage page)
{
    return instructionPageText(page).split(QStringLiteral("\r\n"));
}

// Index of the first line equal to `line` at or after `from`, or -1.
qsizetype findLine(const QStringList &lines, const QString &line, qsizetype from = 0)
{
    for (qsizetype i = from; i < lines.size(); ++i)
        if (lines[i] == line)
            return i;
    return -1;
}

// ---------------------------------------------------------------------------
// Line structure of every page
// ---------------------------------------------------------------------------

TEST(InstructionPagesTest, LinesAreSeparatedByCarriageReturnLineFeedOnly)
{
    for (InstructionPage page : kAllPages) {
        SCOPED_TRACE(pageName(page));
        const QString text = instructionPageText(page);
        ASSERT_FALSE(text.isEmpty());
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i] == QLatin1Char('\n')) {
                EXPECT_TRUE(i > 0 && text[i - 1] == QLatin1Char('\r')) << "lone LF at " << i;
            }
            if (text[i] == QLatin1Char('\r')) {
                EXPECT_TRUE(i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                    << "lone CR at " << i;
            }
            EXPECT_NE(text[i], QLatin1Char('\t')) << "tab at " << i << " (indent with blanks)";
        }
        // The text neither starts nor ends with an empty line.
        EXPECT_FALSE(text.startsWith(QStringLiteral("\r\n")));
        EXPECT_FALSE(text.endsWith(QStringLiteral("\n")));
        EXPECT_FALSE(text.contains(QStringLiteral("\r\n\r\n\r\n"))) << "two empty lines in a row";
    }
}

TEST(InstructionPagesTest, SectionsAppearAsLinesInTheirOrder)
{
    struct Case {
        InstructionPage page;
        QStringList lines; // each must be a whole line, in this order
    };
    const std::vector<Case> cases = {
        {InstructionPage::About,
         {QStringLiteral("Guidance: "),
          QStringLiteral("Before you start, there are several points you may wish to consider: ")}},
        {InstructionPage::Documentation,
         {QStringLiteral("Documentation"),
          QStringLiteral("Screening test performance characteristics: "),
          QStringLiteral("Confirmatory test performance characteristics: "),
          QStringLiteral("Negative gray zone test performance characteristics: "),
          QStringLiteral("Probability of infected women recieving treatment: "),
          QStringLiteral("Antibiotic effectiveness: "),
          QStringLiteral("Probability of Pelvic Inflammatory Disease (PID) without Treatment: "),
          QStringLiteral("Probability of Pelvic Inflammatory Disease (PID) with treatment: ")}},
        {InstructionPage::DetailedInstructions,
         {QStringLiteral("Detailed Instructions"),
          QStringLiteral("Screen Flow: "),
          QStringLiteral("1. Main Console"),
          QStringLiteral("2. Instructions"),
          QStringLiteral("     a. About"),
          QStringLiteral("     b. Documentation"),
          QStringLiteral("     c. Detailed Instructions"),
          QStringLiteral("     d. General Computer Instructions"),
          QStringLiteral("     e. Special Keys"),
          QStringLiteral("3. Question Preview Screen"),
          QStringLiteral("     A. Population and positivity"),
          QStringLiteral("     B. Testing"),
          QStringLiteral("     C. Sensitivity and specificity"),
          QStringLiteral("     D. Percentages"),
          QStringLiteral("     E. Drug costs"),
          QStringLiteral("4. Current Screening Strategy screen"),
          QStringLiteral("5. Switch to screen"),
          QStringLiteral("6. Switch to test cost screen"),
          QStringLiteral("7. Switch to analysis screen"),
          QStringLiteral("8. Graph screen")}},
        {InstructionPage::GeneralInstructions, {QStringLiteral("General Computer Information: ")}},
        {InstructionPage::SpecialKeys,
         {QStringLiteral("These are special keys or hot keys on a screen by screen basis. These "
                         "commands can also be reached through the menu bar: "),
          QStringLiteral("(The italisized words are screen name)"),
          QStringLiteral("Main"),
          QStringLiteral("Instructions: "),
          QStringLiteral("Results Pages"),
          QStringLiteral("-------------"),
          QStringLiteral("Current Screening Strategies"),
          QStringLiteral("Switch to Test: "),
          QStringLiteral("Switch to Test Cost: "),
          QStringLiteral("Switch to Analysis: "),
          QStringLiteral("Graph: ")}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(pageName(c.page));
        const QStringList lines = pageLines(c.page);
        qsizetype from = 0;
        for (const QString &expected : c.lines) {
            const qsizetype at = findLine(lines, expected, from);
            EXPECT_GE(at, 0) << "missing or out of order: \"" << expected.toStdString() << "\"";
            if (at >= 0)
                from = at + 1;
        }
    }
    // The Special Keys page opens with its two fixed lines.
    const QStringList keys = pageLines(InstructionPage::SpecialKeys);
    ASSERT_GE(keys.size(), 2);
    EXPECT_EQ(keys[1], QStringLiteral("(The italisized words are screen name)"));
    // Each heading is preceded by an empty line (sections are separated).
    const QStringList guidance = pageLines(InstructionPage::About);
    const qsizetype g = findLine(guidance, QStringLiteral("Guidance: "));
    ASSERT_GT(g, 0);
    EXPECT_TRUE(guidance[g - 1].isEmpty());
}

TEST(InstructionPagesTest, AboutPageKeepsItsFacts)
{
    const QString text = instructionPageText(InstructionPage::About);
    const QStringList facts = {
        QStringLiteral("decision analysis model"),
        QStringLiteral("asymptomatic women"),
        QStringLiteral("national estimates"),
        QStringLiteral("\"Current Screening Strategies\""),
        QStringLiteral("\"Switch To\""),
        QStringLiteral("\"Switch To Cost\""),
        QStringLiteral("\"Switch to Projections\""),
        QStringLiteral("progression to sequelae"),
        QStringLiteral("Documentation page"),
        QStringLiteral("optional"),
        QStringLiteral("10 minutes"),
    };
    qsizetype from = 0;
    for (const QString &fact : facts) {
        const qsizetype at = text.indexOf(fact, from);
        EXPECT_GE(at, 0) << "missing or out of order: " << fact.toStdString();
        if (at >= 0)
            from = at + fact.size();
    }
    // The four numbered points follow the guidance lines, each on a line of its own.
    const QStringList lines = pageLines(InstructionPage::About);
    qsizetype line = findLine(lines, QStringLiteral("Guidance: "));
    ASSERT_GE(line, 0);
    for (const char *point : {"(1) ", "(2) ", "(3) ", "(4) "}) {
        qsizetype found = -1;
        for (qsizetype i = line + 1; i < lines.size(); ++i)
            if (lines[i].startsWith(QLatin1String(point))) {
                found = i;
                break;
            }
        EXPECT_GT(found, line) << point;
        if (found > line)
            line = found;
    }
    // Sub-points a and b of point (2) are indented with blanks.
    EXPECT_TRUE(text.contains(QStringLiteral("\r\n     a. ")));
    EXPECT_TRUE(text.contains(QStringLiteral("\r\n     b. ")));
}

TEST(InstructionPagesTest, DocumentationReferencesFollowTheirHeadings)
{
    // Each heading's section (up to the next empty line) and the years of
    // the references it must hold; the first heading has no reference.
    struct Section {
        const char *heading;
        qsizetype lineCount; // lines under the heading
        QStringList mustContain;
    };
    const std::vector<Section> sections = {
        {"Screening test performance characteristics: ", 0, {}},
        {"Confirmatory test performance characteristics: ", 2, {QStringLiteral("culture")}},
        {"Negative gray zone test performance characteristics: ", 1, {QStringLiteral("unpublished")}},
        {"Probability of infected women recieving treatment: ", 4,
         {QStringLiteral("(1994)"), QStringLiteral("(1997)")}},
        {"Antibiotic effectiveness: ", 2,
         {QStringLiteral("(1996)"), QStringLiteral("doxycycline"), QStringLiteral("azithromycin")}},
        {"Probability of Pelvic Inflammatory Disease (PID) without Treatment: ", 4,
         {QStringLiteral("(1980)"), QStringLiteral("(1984)")}},
        {"Probability of Pelvic Inflammatory Disease (PID) with treatment: ", 2,
         {QStringLiteral("(1995)"), QStringLiteral("azithromycin")}},
    };
    const QStringList lines = pageLines(InstructionPage::Documentation);
    for (const Section &s : sections) {
        SCOPED_TRACE(s.heading);
        const qsizetype at = findLine(lines, QString::fromUtf8(s.heading));
        ASSERT_GE(at, 0);
        qsizetype end = at + 1;
        while (end < lines.size() && !lines[end].isEmpty())
            ++end;
        EXPECT_EQ(end - at - 1, s.lineCount);
        const QStringList body = lines.mid(at + 1, end - at - 1);
        for (const QString &line : body)
            EXPECT_TRUE(line.startsWith(QStringLiteral("     ")) && line.size() > 5) << line.toStdString();
        const QString joined = body.join(QLatin1Char(' '));
        for (const QString &needle : s.mustContain)
            EXPECT_TRUE(joined.contains(needle)) << needle.toStdString();
    }
}

TEST(InstructionPagesTest, DetailedInstructionsKeepTheQuestionnaireFacts)
{
    const QString text = instructionPageText(InstructionPage::DetailedInstructions);
    for (const char *fact : {"F8", "F11", "upper right-hand corner", "three age groups", "12 months",
                             "\"None\"", "Valid Combinations", "79 %", "30 days", "azithromycin",
                             "doxycycline", "pelvic inflammatory disease"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(fact))) << fact;

    // The table of valid combinations: each screening test with exactly the
    // NGZ tests it may be combined with, continuation rows left blank.
    const QStringList lines = pageLines(InstructionPage::DetailedInstructions);
    const qsizetype head = findLine(lines, QStringLiteral("          Valid Combinations"));
    ASSERT_GE(head, 0);
    std::vector<std::pair<QString, QString>> rows;
    QString current;
    for (qsizetype i = head + 2; i < lines.size(); ++i) {
        const QStringList cells =
            lines[i].trimmed().split(QRegularExpression(QStringLiteral("\\s{2,}")));
        if (!lines[i].startsWith(QStringLiteral("          ")))
            break;
        if (cells.size() == 2)
            current = cells[0];
        rows.emplace_back(current, cells.last());
    }
    const std::vector<std::pair<QString, QString>> expected = {
        {QStringLiteral("Genprobe"), QStringLiteral("None")},
        {QStringLiteral("Genprobe"), QStringLiteral("PCR on Genprobe")},
        {QStringLiteral("EIA"), QStringLiteral("None")},
        {QStringLiteral("EIA"), QStringLiteral("DFA on EIA")},
        {QStringLiteral("EIA"), QStringLiteral("PCR on EIA")},
        {QStringLiteral("PCR (cervix or urine)"), QStringLiteral("None")},
        {QStringLiteral("LCR (cervix or urine)"), QStringLiteral("None")},
    };
    EXPECT_EQ(rows, expected);
}

TEST(InstructionPagesTest, GeneralInstructionsKeepTheirFacts)
{
    const QString text = instructionPageText(InstructionPage::GeneralInstructions);
    for (const char *fact : {"scroll bar", "arrow keys", "Page Up", "(If unsure tab through)",
                             "national average", "Tab key", "Enter key", "command button",
                             "user's guide"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(fact))) << fact;
}

// ---------------------------------------------------------------------------
// Special Keys
// ---------------------------------------------------------------------------

TEST(InstructionPagesTest, SpecialKeysListsEveryKeyAlignedInOneColumn)
{
    const QString text = instructionPageText(InstructionPage::SpecialKeys);
    for (const char *key : {"<ctrl + R>", "<ctrl + P>", "F1", "F2", "F3", "F4", "F5", "F6", "F7",
                            "F8", "F9", "F11", "F12"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(key))) << key;
    // F10 belongs to the menu bar; nothing is bound to it.
    EXPECT_FALSE(text.contains(QStringLiteral("F10")));
    EXPECT_FALSE(text.contains(QStringLiteral("ctrl+"), Qt::CaseInsensitive));
    // The console has no Instructions command, so no Ctrl+I is offered.
    EXPECT_FALSE(text.contains(QStringLiteral("<ctrl + I>")));

    // Every command row ends in its key(s); all keys start in the same column.
    static const QRegularExpression keyAtEnd(
        QStringLiteral("^( +\\S.*\\S) {2,}((?:<ctrl \\+ [A-Z]>|F\\d+)(?:, F\\d+)?)$"));
    const QStringList lines = pageLines(InstructionPage::SpecialKeys);
    qsizetype column = -1;
    int rows = 0;
    for (const QString &line : lines) {
        const QRegularExpressionMatch m = keyAtEnd.match(line);
        if (!m.hasMatch())
            continue;
        ++rows;
        if (column < 0)
            column = m.capturedStart(2);
        EXPECT_EQ(m.capturedStart(2), column) << line.toStdString();
    }
    EXPECT_EQ(rows, 41);

    // The key sets of each screen, in the screen's order.
    struct Screen {
        const char *heading;
        QStringList keys;
    };
    const std::vector<Screen> screens = {
        {"Main", {QStringLiteral("F12")}},
        {"Instructions: ",
         {QStringLiteral("<ctrl + R>"), QStringLiteral("F12"), QStringLiteral("F1, F6"),
          QStringLiteral("F2, F7"), QStringLiteral("F3, F8"), QStringLiteral("F4, F9"),
          QStringLiteral("F5, F11")}},
        {"Current Screening Strategies",
         {QStringLiteral("<ctrl + P>"), QStringLiteral("<ctrl + R>"), QStringLiteral("F12"),
          QStringLiteral("F1"), QStringLiteral("F2"), QStringLiteral("F3")}},
        {"Switch to Test: ",
         {QStringLiteral("<ctrl + P>"), QStringLiteral("<ctrl + R>"), QStringLiteral("F12"),
          QStringLiteral("F1"), QStringLiteral("F2"), QStringLiteral("F3"), QStringLiteral("F4")}},
        {"Switch to Test Cost: ",
         {QStringLiteral("<ctrl + P>"), QStringLiteral("<ctrl + R>"), QStringLiteral("F12"),
          QStringLiteral("F1"), QStringLiteral("F2"), QStringLiteral("F3"), QStringLiteral("F4")}},
        {"Switch to Analysis: ",
         {QStringLiteral("<ctrl + P>"), QStringLiteral("<ctrl + R>"), QStringLiteral("F12"),
          QStringLiteral("F1"), QStringLiteral("F2"), QStringLiteral("F3"), QStringLiteral("F4")}},
        {"Graph: ",
         {QStringLiteral("<ctrl + P>"), QStringLiteral("<ctrl + R>"), QStringLiteral("F12"),
          QStringLiteral("F1"), QStringLiteral("F2"), QStringLiteral("F3")}},
    };
    for (const Screen &s : screens) {
        SCOPED_TRACE(s.heading);
        const qsizetype at = findLine(lines, QString::fromUtf8(s.heading));
        ASSERT_GE(at, 0);
        QStringList keys;
        for (qsizetype i = at + 1; i < lines.size() && !lines[i].isEmpty(); ++i) {
            EXPECT_TRUE(lines[i].startsWith(QLatin1Char(' '))) << "not indented: " << lines[i].toStdString();
            const QRegularExpressionMatch m = keyAtEnd.match(lines[i]);
            if (m.hasMatch())
                keys.append(m.captured(2));
        }
        EXPECT_EQ(keys, s.keys);
    }
    // "Results Pages" is underlined by exactly as many dashes.
    const qsizetype results = findLine(lines, QStringLiteral("Results Pages"));
    ASSERT_GE(results, 0);
    ASSERT_LT(results + 1, lines.size());
    EXPECT_EQ(lines[results + 1], QString(QStringLiteral("Results Pages").size(), QLatin1Char('-')));
}

// ---------------------------------------------------------------------------
// Emphasis
// ---------------------------------------------------------------------------

TEST(InstructionPagesTest, EmphasisListsInApplicationOrder)
{
    struct Expected {
        InstructionPage page;
        std::vector<QString> terms;
    };
    const std::vector<Expected> expected = {
        {InstructionPage::About,
         {QStringLiteral("blue"), QStringLiteral("Chlamydia trachomatis"), QStringLiteral("MUST"),
          QStringLiteral("Guidance")}},
        {InstructionPage::Documentation, {}},
        {InstructionPage::DetailedInstructions, {}},
        {InstructionPage::GeneralInstructions, {}},
        {InstructionPage::SpecialKeys,
         {QStringLiteral("Main"), QStringLiteral("Instructions: "),
          QStringLiteral("Current Screening Strategies"), QStringLiteral("Switch to Test: "),
          QStringLiteral("Switch to Test Cost: "), QStringLiteral("Switch to Analysis: "),
          QStringLiteral("Graph: ")}},
    };
    for (const Expected &e : expected) {
        SCOPED_TRACE(pageName(e.page));
        std::vector<QString> terms;
        for (const Emphasis &em : instructionPageEmphasis(e.page))
            terms.push_back(em.term);
        EXPECT_EQ(terms, e.terms);
    }

    // Styles: About is bold except the italic disease name, and only "blue"
    // is coloured (pure blue); Special Keys headings are italic only.
    for (const Emphasis &em : instructionPageEmphasis(InstructionPage::About)) {
        SCOPED_TRACE(em.term.toStdString());
        const bool isName = em.term == QStringLiteral("Chlamydia trachomatis");
        EXPECT_EQ(em.bold, !isName);
        EXPECT_EQ(em.italic, isName);
        EXPECT_EQ(em.colour.has_value(), em.term == QStringLiteral("blue"));
        if (em.colour) {
            EXPECT_EQ(*em.colour, qRgb(0, 0, 255));
        }
    }
    for (const Emphasis &em : instructionPageEmphasis(InstructionPage::SpecialKeys)) {
        SCOPED_TRACE(em.term.toStdString());
        EXPECT_TRUE(em.italic);
        EXPECT_FALSE(em.bold);
        EXPECT_FALSE(em.colour.has_value());
    }
}

TEST(InstructionPagesTest, FirstOccurrenceOfEachTermIsTheIntendedOne)
{
    // The viewer emphasises the first match of each term, searching from the
    // start; the match must be the one in `context`, at `offset` within it.
    // Matching is checked with and without case, as a text search may ignore it.
    struct Case {
        InstructionPage page;
        QString term;
        QString context;
        qsizetype offset;
    };
    const std::vector<Case> cases = {
        {InstructionPage::About, QStringLiteral("blue"), QStringLiteral("are written in blue."), 15},
        {InstructionPage::About, QStringLiteral("Chlamydia trachomatis"),
         QStringLiteral("screening strategies for Chlamydia trachomatis."), 25},
        {InstructionPage::About, QStringLiteral("MUST"), QStringLiteral("questions that you MUST answer"), 19},
        {InstructionPage::About, QStringLiteral("Guidance"), QStringLiteral("\r\n\r\nGuidance: \r\n"), 4},
        {InstructionPage::SpecialKeys, QStringLiteral("Main"), QStringLiteral("\r\n\r\nMain\r\n"), 4},
        {InstructionPage::SpecialKeys, QStringLiteral("Instructions: "),
         QStringLiteral("\r\n\r\nInstructions: \r\n"), 4},
        {InstructionPage::SpecialKeys, QStringLiteral("Current Screening Strategies"),
         QStringLiteral("\r\n\r\nCurrent Screening Strategies\r\n"), 4},
        {InstructionPage::SpecialKeys, QStringLiteral("Switch to Test: "),
         QStringLiteral("\r\n\r\nSwitch to Test: \r\n"), 4},
        {InstructionPage::SpecialKeys, QStringLiteral("Switch to Test Cost: "),
         QStringLiteral("\r\n\r\nSwitch to Test Cost: \r\n"), 4},
        {InstructionPage::SpecialKeys, QStringLiteral("Switch to Analysis: "),
         QStringLiteral("\r\n\r\nSwitch to Analysis: \r\n"), 4},
        {InstructionPage::SpecialKeys, QStringLiteral("Graph: "), QStringLiteral("\r\n\r\nGraph: \r\n"), 4},
    };
    // Every emphasised term has a case here.
    for (InstructionPage page : kAllPages)
        for (const Emphasis &em : instructionPageEmphasis(page)) {
            bool covered = false;
            for (const Case &c : cases)
                covered = covered || (c.page == page && c.term == em.term);
            EXPECT_TRUE(covered) << em.term.toStdString();
        }
    for (const Case &c : cases) {
        SCOPED_TRACE(pageName(c.page) + ": " + c.term.toStdString());
        const QString text = instructionPageText(c.page);
        const qsizetype context = text.indexOf(c.context);
        ASSERT_GE(context, 0) << "context missing";
        ASSERT_EQ(c.context.mid(c.offset, c.term.size()), c.term);
        EXPECT_EQ(text.indexOf(c.term), context + c.offset);
        EXPECT_EQ(text.indexOf(c.term, 0, Qt::CaseInsensitive), context + c.offset);
    }
    // After the About emphasis the caret stands just after "Guidance", which
    // must be directly followed by the colon.
    const QString about = instructionPageText(InstructionPage::About);
    const qsizetype guidance = about.indexOf(QStringLiteral("Guidance"));
    ASSERT_GE(guidance, 0);
    EXPECT_EQ(about.mid(guidance + 8, 1), QStringLiteral(":"));
}

} // namespace
