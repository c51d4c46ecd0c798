#pragma once
// The cost and projection screens as the switch step leaves them: the
// results screen shown for a programme, then the comparison, cost and
// projection screens loaded in that order. Reports go to a printer that
// records what they ask of it before it writes the PDF.
#include "results/ResultsFixture.h"
#include "support/FormLookup.h"

#include <QStringList>
#include <functional>

namespace whatif_test {

class RecordingPrinter : public platform::Printer {
public:
    RecordingPrinter(platform::Dialogs& dialogs, const QString& pdf)
        : platform::Printer(dialogs, platform::Destination::pdf(pdf))
    {
    }
    void setFontSize(double points) override
    {
        calls << QStringLiteral("size %1").arg(points);
        platform::Printer::setFontSize(points);
    }
    void setFontBold(bool bold) override
    {
        calls << (bold ? "bold" : "regular");
        platform::Printer::setFontBold(bold);
    }
    void print(const QString& text) override
    {
        calls << "print";
        texts << text;
        platform::Printer::print(text);
    }
    void newPage() override
    {
        calls << "new page";
        platform::Printer::newPage();
    }
    bool endDoc() override
    {
        calls << "end";
        return platform::Printer::endDoc();
    }

    QStringList calls;
    QStringList texts;
};

// An acceptance programme, its own NGZ choice replaced by `retest` when given.
testsupport::Programme Acceptance(const std::string& name, const QString& retest = {});
// The default programme of three age groups with these tests, changed by
// `change` before the tests are chosen.
testsupport::Programme Default(ScrTestKind test, NgzTestKind retest,
                               const std::function<void(VarCon&)>& change = {});

class WhatIfTest : public results_test::ResultsTest {
protected:
    WhatIfTest() { program().runtime().setPrinter(&recorder); }
    ~WhatIfTest() override { program().runtime().setPrinter(&printer); }

    // A new pass: the result screens of the last one are unloaded, as the
    // results screen's Back does, then the results screen's switch step
    // loads the comparison, cost and projection screens.
    Program& switched(const testsupport::Programme& programme)
    {
        program().unloadForms({"FrmScrResult", "FrmSwitchTo", "FrmSwitchToCost", "FrmSwitchToAnaly"});
        recorder.calls.clear();
        recorder.texts.clear();
        FrmScrResult& results = resultsOf(programme);
        acceptReviewIfAsked();
        results.cmdSwitchTo_Click();
        return program();
    }

    QString pdf() const { return folder.path() + "/report.pdf"; }

    RecordingPrinter recorder{dialogs, folder.path() + "/report.pdf"};
};

inline QString CaptionOf(platform::Form& form, const QString& name) { return testsupport::captionOf(form, name); }
inline platform::Control* Find(platform::Form& form, const QString& name)
{
    platform::Control* c = testsupport::controlNamed(form, name);
    EXPECT_NE(c, nullptr) << name.toStdString();
    return c;
}

} // namespace whatif_test
