#pragma once

#include <QDialog>

class WindowHub;
class MessageBoxes;
class SysInfoServices;

// Placeholder until the About box lands.
class frmAboutLotto final : public QDialog
{
    Q_OBJECT
public:
    frmAboutLotto(WindowHub &hub, MessageBoxes &boxes, SysInfoServices *services = nullptr,
                  QWidget *parent = nullptr);
};
