// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>

#include <memory>

class WindowHub;
class MessageBoxes;
class SysInfoServices;
class QLabel;
class QPushButton;

// "Version 1.0.0": each number in plain decimal, so minor 10 reads 1.10.
QString VersionLine(int major, int minor, int revision);

// The About box: title, version, credits, the home-page link, a gambling
// warning and a launcher for the system-information tool.
class frmAboutLotto final : public QDialog
{
    Q_OBJECT
public:
    // services: nullptr for the running system's.
    explicit frmAboutLotto(WindowHub &hub, MessageBoxes &boxes, SysInfoServices *services = nullptr,
                           QWidget *parent = nullptr);
    ~frmAboutLotto() override;

    // Starts the system-information tool, or says that it is unavailable.
    void StartSysInfo();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void CreateControls();
    void FillTexts();
    void ConnectControls();
    void OpenHomePage();
    // Fills path with the tool's program file; false when there is none.
    bool FindSysInfo(QString &path);

    WindowHub &m_hub;
    MessageBoxes &m_boxes;
    std::unique_ptr<SysInfoServices> m_platformServices;
    SysInfoServices *m_services = nullptr;

    QLabel *m_lblTitle = nullptr;
    QLabel *m_lblVersion = nullptr;
    QLabel *m_lblDescription = nullptr;
    QLabel *m_label1 = nullptr;
    QLabel *m_lblDisclaimer = nullptr;
    QPushButton *m_cmdOK = nullptr;
    QPushButton *m_cmdSysInfo = nullptr;
};
