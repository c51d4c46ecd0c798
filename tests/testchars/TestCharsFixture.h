#pragma once
// What the tests of the test-characteristics forms share: a program on a fixed
// screen with scripted dialogs, typing into a field and leaving it with Tab.

#include "support/ProgramFixture.h"

#include "platform/Control.h"
#include "platform/Form.h"
#include "support/LocaleScope.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>

#include <ostream>

// Readable failure messages for texts.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace testchars_test {

inline QLineEdit* edit(platform::TextBox& box) { return static_cast<QLineEdit*>(box.widget()); }

// Puts the focus into the field, replaces its text by typing and presses Tab,
// as a person leaving the field does.
inline void typeAndTab(platform::TextBox& box, const QString& typed)
{
    box.setFocus();
    QLineEdit* e = edit(box);
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Delete);
    testsupport::typeKeys(e, typed);
    QTest::keyClick(e, Qt::Key_Tab);
}

// A mouse move over a widget, delivered as the window system delivers it.
inline void moveOver(QWidget* w)
{
    const QPointF at(w->width() / 2, w->height() - 8);
    QMouseEvent move(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, {}, {});
    QCoreApplication::sendEvent(w, &move);
}

} // namespace testchars_test
