#pragma once

#include <QMainWindow>

class WindowHub;
class MessageBoxes;

// Placeholder until the help window lands.
class frmHelp final : public QMainWindow
{
    Q_OBJECT
public:
    frmHelp(WindowHub &hub, MessageBoxes &boxes, QWidget *parent = nullptr);
};
