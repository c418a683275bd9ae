// SPDX-License-Identifier: GPL-3.0-or-later
#include "addgame.h"
#include "catalogueloader.h"
#include "frmaboutlotto.h"
#include "frmhelp.h"
#include "frmmain.h"
#include "readablecolours.h"
#include "standins.h"

#include <QApplication>
#include <QCheckBox>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#include <memory>

namespace {
// A dark theme as the desktop's platform theme hands it over (shades of Adwaita-dark).
QPalette DarkPalette()
{
    QPalette dark(QColor(0x35, 0x35, 0x35), QColor(0x35, 0x35, 0x35));
    for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        dark.setColor(role, QColor(0xee, 0xee, 0xec));
    dark.setColor(QPalette::Base, QColor(0x2d, 0x2d, 0x2d));
    dark.setColor(QPalette::ToolTipBase, QColor(0x26, 0x26, 0x26));
    dark.setColor(QPalette::ToolTipText, Qt::white);
    return dark;
}
} // namespace

class TestContrast : public QObject
{
    Q_OBJECT
    StandIns m_quiet;
    GameCatalogue m_catalogue;
    QTemporaryDir m_folder;

private slots:
    void initTestCase()
    {
        QVERIFY(QDir::setCurrent(m_folder.path()));
        QVERIFY(WriteDefaultCatalogue());
        m_quiet.saved = "GameName/Game=3"; // the Power Ball game, so that every box of the main window shows
    }

    // Every text shown in every window against its own background, as the control's palette has them.
    void textsReadInEveryTheme_data()
    {
        QTest::addColumn<QString>("palette");
        QTest::newRow("light") << "light";
        QTest::newRow("dark") << "dark";
        QTest::newRow("dark later") << "dark later"; // made under light, then the desktop switches
    }
    void textsReadInEveryTheme()
    {
        QFETCH(QString, palette);
        QApplication::setPalette(palette == "dark" ? DarkPalette() : QApplication::style()->standardPalette());
        std::vector<std::unique_ptr<QWidget>> windows;
        auto *main = new FrmMain(m_catalogue, m_quiet, m_quiet, m_quiet, m_quiet);
        main->Load();
        windows.emplace_back(main);
        auto *editor = new AddGame(m_catalogue, m_quiet, m_quiet);
        windows.emplace_back(editor);
        windows.emplace_back(new frmAboutLotto(m_quiet, m_quiet));
        windows.emplace_back(new frmHelp(m_quiet, m_quiet));
        for (const auto &window : windows)
            window->show();
        editor->findChild<QCheckBox *>("IsPowerBall")->click(); // so that its Power Ball boxes count too
        if (palette == "dark later") {
            QApplication::setPalette(DarkPalette());
            QCoreApplication::processEvents(); // the windows hear of it by events
        }
        int checked = 0;
        for (const auto &window : windows)
            for (QWidget *control : window->findChildren<QWidget *>()) {
                const bool text = control->property("text").isValid() || qobject_cast<QTextEdit *>(control);
                if (!text || !control->isVisible())
                    continue;
                const QPalette colours = control->palette();
                const bool document = qobject_cast<QTextEdit *>(control);
                const double ratio =
                    ContrastRatio(colours.color(document ? QPalette::Text : control->foregroundRole()),
                                  colours.color(document ? QPalette::Base : control->backgroundRole()));
                QVERIFY2(ratio >= kReadableRatio, qPrintable(QStringLiteral("%1 %2: contrast %3:1")
                                                                 .arg(window->objectName(), control->objectName())
                                                                 .arg(ratio, 0, 'f', 2)));
                ++checked;
            }
        QVERIFY(checked > 40);
    }
};

QTEST_MAIN(TestContrast)
#include "tst_contrast.moc"
