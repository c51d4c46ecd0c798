#pragma once
// A program whose what-if screens start from a prepared model state, with a
// printer that records what a report asks of it before writing the PDF.
#include "WhatIfSetUp.h"
#include "support/ProgramFixture.h"

#include <QStringList>
#include <memory>

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

class WhatIfTest : public testsupport::ProgramTest {
protected:
    // A fresh program on the programme's model state.
    Program& with(const Programme& programme)
    {
        pass = std::make_unique<Program>(dialogs, screen, &recorder, [this] { ++endCalls; });
        pass->vc = programme.vc;
        pass->sel = programme.sel;
        return *pass;
    }

    ~WhatIfTest() override { pass.reset(); }

    QString pdf() const { return folder.path() + "/report.pdf"; }

    RecordingPrinter recorder{dialogs, folder.path() + "/report.pdf"};
    std::unique_ptr<Program> pass;
};

// The label or other control of that name on the form.
platform::Control* Find(platform::Form& form, const QString& name);
QString CaptionOf(platform::Form& form, const QString& name);

} // namespace whatif_test
