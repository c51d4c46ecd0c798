#pragma once
// A fresh program for each test: scripted message boxes, a fixed screen, a
// printer that writes every job to a PDF file of its own, and a record of the
// program being ended instead of leaving the process.
//
// Header only: the platform's test program shares the support folder and
// does not link the forms.

#include "app/Program.h"
#include "platform/Form.h"
#include "platform/ListControls.h"
#include "platform/Printer.h"
#include "platform/Screen.h"
#include "support/PdfText.h"
#include "support/ScriptedDialogs.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QMainWindow>
#include <QPointer>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace testsupport {

// Each rich-text print is a job of its own; this printer gives every job its
// own file (job-1.pdf, job-2.pdf, ...) so a run of jobs can be read back in order.
class JobPrinter : public platform::Printer {
public:
    JobPrinter(platform::Dialogs& dialogs, QString folder)
        : platform::Printer(dialogs, platform::Destination::pdf(folder + "/lines.pdf")),
          dialogs_(dialogs), folder_(std::move(folder))
    {
    }

    bool printDocument(const QTextDocument& document) override
    {
        const QString path = folder_ + QStringLiteral("/job-%1.pdf").arg(jobs_.size() + 1);
        platform::Printer job(dialogs_, platform::Destination::pdf(path));
        const bool ok = job.printDocument(document);
        if (ok)
            jobs_ << path;
        return ok;
    }

    // The PDF files of the delivered document jobs, in order.
    const QStringList& jobs() const { return jobs_; }

private:
    platform::Dialogs& dialogs_;
    QString folder_;
    QStringList jobs_;
};

// The text of a PDF file as pdftotext lays it out.
inline QString pdfText(const QString& path) { return pdftest::text(path); }

// Timers of whenModal, stopped when a test ends so none fires into the next one.
inline std::vector<QPointer<QTimer>>& modalTimers()
{
    static std::vector<QPointer<QTimer>> timers;
    return timers;
}

// Runs action once the form's modal loop is running; if the form is still
// modal a while later, hides it so the test fails instead of hanging.
inline void whenModal(platform::Form& form, std::function<void()> action)
{
    auto* poll = new QTimer;
    modalTimers().push_back(poll);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(poll, &QTimer::timeout, poll, [&form, poll, clock, action] {
        if (!form.isModal()) {
            if (clock->elapsed() > 5000) {
                poll->stop();
                ADD_FAILURE() << form.name().toStdString() << " never came up modally";
            }
            return;
        }
        poll->stop();
        auto* stuck = new QTimer;
        modalTimers().push_back(stuck);
        stuck->setSingleShot(true);
        QObject::connect(stuck, &QTimer::timeout, stuck, [&form] {
            if (form.isModal()) {
                ADD_FAILURE() << form.name().toStdString() << " stayed modal";
                form.hide();
            }
        });
        stuck->start(5000);
        action();
    });
    poll->start(0);
}

class ProgramTest : public ::testing::Test {
protected:
    ~ProgramTest() override { restart(); }

    // The program on the screen as it stands when first asked for.
    Program& program()
    {
        if (!program_)
            program_ = std::make_unique<Program>(dialogs, screen, &printer, [this] { ++endCalls; });
        return *program_;
    }

    // A second run in the same test: the program so far goes with its windows
    // and the next program() starts from nothing, as a fresh start would.
    void restart()
    {
        for (QPointer<QTimer>& t : modalTimers())
            delete t.data();
        modalTimers().clear();
        program_.reset();
        // Windows of unloaded forms are deleted once events are processed.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        endCalls = 0;
    }

    // Starts the program with the given answer to the window-state question.
    Program& started(platform::Answer maximise = platform::Answer::No)
    {
        dialogs.answer(maximise);
        program().start();
        return program();
    }

    static void activate(platform::Form& form)
    {
        ASSERT_NE(form.window(), nullptr);
        QApplication::setActiveWindow(form.window());
    }

    // A click of the mouse on the list's item.
    static void clickItem(platform::ListBox& list, int index)
    {
        auto* w = qobject_cast<QListWidget*>(list.widget());
        ASSERT_NE(w, nullptr) << list.name().toStdString();
        ASSERT_GE(index, 0);
        QTest::mouseClick(w->viewport(), Qt::LeftButton, {}, w->visualItemRect(w->item(index)).center());
    }

    platform::FixedScreen screen{1024, 768};
    ScriptedDialogs dialogs;
    QTemporaryDir folder;
    JobPrinter printer{dialogs, folder.path()};
    int endCalls = 0;

private:
    std::unique_ptr<Program> program_;
};

} // namespace testsupport
