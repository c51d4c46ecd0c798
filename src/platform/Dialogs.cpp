#include "platform/Dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace platform {

QtDialogs::QtDialogs(QString applicationTitle) : applicationTitle_(std::move(applicationTitle)) {}

Answer QtDialogs::msgBox(const QString& prompt, Buttons buttons, Icon icon, const QString& title)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title.isEmpty() ? applicationTitle_ : title);
    box.setText(prompt);
    switch (icon) {
    case Icon::Critical: box.setIcon(QMessageBox::Critical); break;
    case Icon::Information: box.setIcon(QMessageBox::Information); break;
    case Icon::None: break;
    }
    if (buttons == Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return Answer::Ok;
}

QString QtDialogs::inputBox(const QString& prompt, const QString& title, const QString& defaultText)
{
    bool ok = false;
    QString text = QInputDialog::getText(QApplication::activeWindow(),
                                         title.isEmpty() ? applicationTitle_ : title, prompt,
                                         QLineEdit::Normal, defaultText, &ok);
    return ok ? text : QString();
}

} // namespace platform
