// SPDX-License-Identifier: GPL-3.0-or-later
#include "addgame.h"
#include "catalogueloader.h"
#include "frmaboutlotto.h"
#include "frmhelp.h"
#include "frmmain.h"
#include "gamerecord.h"
#include "messageboxes.h"
#include "platform.h"
#include "readablecolours.h"
#include "settingsstore.h"
#include "windowhub.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHash>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOption>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {
struct Quiet final : MessageBoxes, SettingsStore, EventPump, WindowHub
{
    void Inform(QWidget *, const QString &, const QString &) override {}
    bool Ask(QWidget *, const QString &, const QString &) override { return false; }
    // The Power Ball game, so that every box of the main window shows.
    QString Read(const QString &, const QString &, const QString &) override { return QStringLiteral("3"); }
    void Write(const QString &, const QString &, const QString &) override {}
    void PumpOnce() override {}
    void EndProgram() override {}
    void ShowBrowser() override {}
    void ShowAbout(QWidget *) override {}
    void ShowHelp(QWidget *) override {}
};

// A dark theme as the desktop's platform theme hands it over (shades of Adwaita-dark).
QPalette DarkPalette()
{
    QPalette dark(QColor(0x35, 0x35, 0x35), QColor(0x35, 0x35, 0x35));
    const QColor text(0xee, 0xee, 0xec);
    for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        dark.setColor(role, text);
    dark.setColor(QPalette::Base, QColor(0x2d, 0x2d, 0x2d));
    dark.setColor(QPalette::ToolTipBase, QColor(0x26, 0x26, 0x26));
    dark.setColor(QPalette::ToolTipText, Qt::white);
    dark.setColor(QPalette::Highlight, QColor(0x15, 0x53, 0x9e));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    return dark;
}

// Where the control draws its text, without frames, arrows and check marks.
QImage TextArea(QWidget *control)
{
    if (auto *combo = qobject_cast<QComboBox *>(control); combo && combo->lineEdit())
        control = combo->lineEdit();
    if (auto *scroll = qobject_cast<QAbstractScrollArea *>(control))
        control = scroll->viewport();
    QRect area = control->rect();
    if (qobject_cast<QLineEdit *>(control) && control->parentWidget() &&
        !qobject_cast<QComboBox *>(control->parentWidget()))
        area.adjust(3, 3, -3, -3);
    if (auto *button = qobject_cast<QPushButton *>(control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        area = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    }
    if (auto *check = qobject_cast<QCheckBox *>(control)) {
        QStyleOptionButton option;
        option.initFrom(check);
        area = check->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, check);
    }
    return control->grab(area).toImage();
}

// The contrast as drawn: the colour covering most of the area is the background,
// the pixel farthest from it the text's own colour.
double DrawnContrast(QWidget *control)
{
    const QImage image = TextArea(control);
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y) | 0xff000000u];
    QRgb background = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > counts.value(background))
            background = it.key();
    double best = 1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        best = std::max(best, ContrastRatio(QColor(it.key()), QColor(background)));
    return best;
}
} // namespace

class TestContrast : public QObject
{
    Q_OBJECT
    Quiet m_quiet;
    GameCatalogue m_catalogue;
    QTemporaryDir m_folder;
    QString m_windowsMadeUnder;
    std::vector<std::unique_ptr<QWidget>> m_windows;

    // Makes every window under the first palette, then switches to the second when given.
    void MakeWindows(const QPalette &made, const QString &name)
    {
        m_windows.clear();
        QApplication::setPalette(made);
        auto *main = new FrmMain(m_catalogue, m_quiet, m_quiet, m_quiet, m_quiet);
        main->Load();
        m_windows.emplace_back(main);
        auto *editor = new AddGame(m_catalogue, m_quiet, m_quiet);
        m_windows.emplace_back(editor);
        m_windows.emplace_back(new frmAboutLotto(m_quiet, m_quiet));
        m_windows.emplace_back(new frmHelp(m_quiet, m_quiet));
        for (const auto &window : m_windows)
            window->show();
        // Checked, so that its Power Ball boxes count too.
        QCheckBox *powerBall = editor->findChild<QCheckBox *>("IsPowerBall");
        QTest::mouseClick(powerBall, Qt::LeftButton, {}, QPoint(8, powerBall->height() / 2));
        m_windowsMadeUnder = name;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(QDir::setCurrent(m_folder.path()));
        QVERIFY(WriteDefaultCatalogue());
    }

    void textsReadInEveryTheme_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control"); // object name, with #n for the nth of that name
        const QStringList windows[] = {
            {"FrmMain", "Label1", "Text1", "Text5", "Label3", "Label2", "LotGame", "txtPowerball", "txtLow",
             "txtHigh", "txtLowPower", "txtHighPower", "txtOdds", "cmdBrowser", "cmdStart", "cmdExit"},
            {"AddGame", "Label1#0", "Label1#1", "Label1#2", "Label1#3", "Label1#4", "Label1#5", "MyGames",
             "ChoiceNum", "IsPowerBall", "LowNum", "HighNum", "PowerLow", "PowerHigh", "cmdSave", "cmdCancel"},
            {"frmAboutLotto", "lblTitle", "lblVersion", "lblDescription", "Label1", "lblDisclaimer", "cmdOK",
             "cmdSysInfo"},
            {"frmHelp", "txtHelp"},
        };
        // "dark later": made under the light palette, then the desktop switches to dark.
        for (const char *palette : {"light", "dark", "dark later"})
            for (const QStringList &window : windows)
                for (const QString &control : window.mid(1))
                    QTest::addRow("%s %s %s", palette, qPrintable(window.first()), qPrintable(control))
                        << window.first() << control;
    }
    void textsReadInEveryTheme()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        const QString palette = QString::fromLatin1(QTest::currentDataTag()).section(' ', 0, -3);
        if (m_windowsMadeUnder != palette) {
            const QPalette light = QApplication::style()->standardPalette();
            MakeWindows(palette == "dark" ? DarkPalette() : light, palette);
            if (palette == "dark later") {
                QApplication::setPalette(DarkPalette());
                QCoreApplication::processEvents(); // the windows hear of it by events
            }
        }
        QWidget *top = nullptr;
        for (const auto &made : m_windows)
            if (made->objectName() == window)
                top = made.get();
        QVERIFY(top);
        QList<QWidget *> named = top->findChildren<QWidget *>(control.section('#', 0, 0));
        QWidget *shown = named.value(control.section('#', 1).toInt());
        QVERIFY2(shown && shown->isVisible() && shown->isEnabled(), "the text must be shown, enabled");
        const double ratio = DrawnContrast(shown);
        QVERIFY2(ratio >= kReadableRatio, qPrintable(QStringLiteral("contrast %1:1").arg(ratio, 0, 'f', 2)));
    }
};

QTEST_MAIN(TestContrast)
#include "tst_contrast.moc"
