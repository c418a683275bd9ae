// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "windowhub.h"

#include <QtPlugin>

// Implemented by the plugin that holds Qt Print Support, so that the program
// loads it only when the user first prints and start-up never pays for it.
class PrintPlugin
{
public:
    virtual ~PrintPlugin() = default;
    // The standard print dialog over parent (printers and a PDF file); on OK,
    // `paint` draws the pages on the printer chosen.
    virtual PrintResult Print(QWidget *parent, const QString &document, const PagePainter &paint) = 0;
};

#define DrawsmithPrintPlugin_iid "org.kestrelworks.Drawsmith.PrintPlugin/1.0"
Q_DECLARE_INTERFACE(PrintPlugin, DrawsmithPrintPlugin_iid)
