// SPDX-License-Identifier: GPL-3.0-or-later
#include "messageboxes.h"

#include "appinfo.h"
#include "windowframe.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QMessageBox>

namespace {
int ShowBox(QWidget *parent, const QString &prompt, const QString &title,
            QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(QMessageBox::NoIcon, title,
                    QString(prompt).replace(QLatin1String("\r\n"), QLatin1String("\n")), buttons, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(defaultButton);
    box.setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
    KeepFixedSize(&box, false);
    // The box sizes itself to its text; a short text would cut a longer title.
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout())) {
        const QMargins margins = grid->contentsMargins();
        grid->addItem(new QSpacerItem(TitleBarWidth(title) - margins.left() - margins.right(), 0),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    if (buttons.testFlag(QMessageBox::Yes)) {
        // Questions come to the foreground, even over other programs' windows.
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    }
    box.show();
    box.raise();
    box.activateWindow();
    return box.exec();
}
} // namespace

void QtMessageBoxes::Inform(QWidget *parent, const QString &prompt, const QString &title)
{
    ShowBox(parent, prompt, title, QMessageBox::Ok, QMessageBox::Ok);
}

bool QtMessageBoxes::Ask(QWidget *parent, const QString &prompt, const QString &title)
{
    return ShowBox(parent, prompt, title, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
           QMessageBox::Yes;
}

bool AskOnline(MessageBoxes &boxes, QWidget *parent)
{
    // Line by line, so that no translation can lose the line ends.
    return boxes.Ask(
        parent,
        QCoreApplication::translate("AskOnline", "You Must Already be on-line.") + QStringLiteral("\r\n") +
            QCoreApplication::translate("AskOnline", "If Not, Click \"No\", Connect to the Internet") +
            QStringLiteral("\r\n") + QCoreApplication::translate("AskOnline", "Then Select This Feature!"),
        QCoreApplication::translate("AskOnline", "Are You On-line?"));
}
