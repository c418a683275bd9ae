// SPDX-License-Identifier: GPL-3.0-or-later
#include "printplugin.h"

#include <QObject>
#include <QPrintDialog>
#include <QPrinter>

class DrawsmithPrintPlugin final : public QObject, public PrintPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID DrawsmithPrintPlugin_iid)
    Q_INTERFACES(PrintPlugin)
public:
    PrintResult Print(QWidget *parent, const QString &document, const PagePainter &paint) override
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setDocName(document);
        QPrintDialog dialog(&printer, parent);
        dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
        if (dialog.exec() != QDialog::Accepted)
            return PrintResult::Cancelled;
        return paint(printer) ? PrintResult::Printed : PrintResult::Failed;
    }
};

#include "printpluginmain.moc"
