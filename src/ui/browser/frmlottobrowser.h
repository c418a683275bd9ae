#pragma once

#include <QMainWindow>

// Placeholder until the browser window lands.
class frmLottoBrowser final : public QMainWindow
{
    Q_OBJECT
public:
    explicit frmLottoBrowser(QWidget *parent = nullptr);
};
