// SPDX-License-Identifier: GPL-3.0-or-later
#include "addgame.h"
#include "catalogueloader.h"
#include "coretext.h"
#include "frmaboutlotto.h"
#include "frmhelp.h"
#include "frmmain.h"
#include "frmpastpicks.h"
#include "globals.h"
#include "readablecolours.h"
#include "safefile.h"
#include "standins.h"
#include "translations.h"

#include <QtTest>
#include <QtWidgets>

#include <memory>

// The windows as users on other desktops meet them (in their language, in a dark theme), and as the
// program opens them.
class TestApp : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    GameCatalogue m_catalogue;
    StandIns m_desk;

    // Main window on a Power Ball game; the editor after Add, the name left untitled, Power Ball on; help;
    // About; Past Picks.
    std::vector<std::unique_ptr<QWidget>> OpenWindows()
    {
        m_desk = {};
        m_desk.saved = "GameName/Game=1";
        std::vector<std::unique_ptr<QWidget>> windows;
        auto *main = new FrmMain(m_catalogue, m_desk, m_desk, m_desk, m_desk);
        main->Load();
        windows.emplace_back(main);
        auto *editor = new AddGame(m_catalogue, m_desk, m_desk);
        windows.emplace_back(editor);
        windows.emplace_back(new frmHelp(m_desk, m_desk));
        windows.emplace_back(new frmAboutLotto(m_desk, m_desk));
        windows.emplace_back(new FrmPastPicks(m_catalogue, "picks.csv", m_desk, m_desk));
        for (const auto &window : windows)
            window->show();
        editor->findChild<QCheckBox *>("IsPowerBall")->click();
        editor->findChild<QPushButton *>("cmdSave")->click();
        return windows;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(QDir::setCurrent(m_dir.path()));
        QVERIFY(ReplaceFile("games.dat", "Seven Up, 7, 100, 106, 0, 0\r\nBig Ball,5,1,49,1,42\r\n"));
    }
    void cleanup() { InstallTranslations(QLocale::c()); }

    // Every text shown against its own background, as the control's palette has them, reads in every theme.
    void windows_data()
    {
        QTest::addColumn<QString>("palette");
        QTest::addColumn<QString>("language");
        QTest::newRow("light, English") << "light" << "en";
        QTest::newRow("dark, German") << "dark" << "de";
        QTest::newRow("switched to dark, Spanish") << "dark later" << "es"; // made under light, then switched
    }
    void windows()
    {
        QFETCH(QString, palette);
        QFETCH(QString, language);
        QApplication::setPalette(palette == "dark" ? DarkPalette() : QApplication::style()->standardPalette());
        QCOMPARE(InstallTranslations(QLocale(language)), language);
        const auto windows = OpenWindows();
        // The editor's message, made by the core in English, in the user's language.
        QCOMPARE(m_desk.events, QStringList{CoreText("Game Name Error") + '|' + CoreText("Give Your New Game a New Name!")});
        QCOMPARE(m_desk.events.value(0) == "Game Name Error|Give Your New Game a New Name!", language == "en");
        QCOMPARE(QFileInfo(QStringLiteral("games.dat")).size(), 51);

        if (palette == "dark later") {
            QApplication::setPalette(DarkPalette());
            QCoreApplication::processEvents(); // the windows hear of it by events
        }
        int checked = 0;
        for (const auto &window : windows)
            for (QWidget *control : window->findChildren<QWidget *>()) {
                const bool document = qobject_cast<QTextEdit *>(control);
                if ((!control->property("text").isValid() && !document) || !control->isVisible())
                    continue;
                const QPalette colours = control->palette();
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

    // The core's English messages in German, the parts they were made of kept as they are.
    void coreTexts_data()
    {
        QTest::addColumn<QString>("core");
        QTest::addColumn<QString>("shown");
        QTest::newRow("fixed") << "Warning" << "Warnung";
        QTest::newRow("odds") << "80089128 to 1" << "80089128 zu 1";
        QTest::newRow("parts with blanks") << "Game 3, value 2 x y is not a number."
                                           << "Spiel 3, Wert 2 x y ist keine Zahl.";
        QTest::newRow("a part like a marker") << "Game %2 of 9 is incomplete: the file ran out of values."
                                              << QString::fromUtf8("Spiel %2 von 9 ist unvollständig: Die Datei "
                                                                   "endet vor seinen letzten Werten.");
        QTest::newRow("a part holding a piece") << "Game a to b, value 5 (7 to 1) is not a whole number from "
                                                   "-32768 to 32767."
                                                << "Spiel a to b, Wert 5 (7 to 1) ist keine ganze Zahl von -32768 "
                                                   "bis 32767.";
        QTest::newRow("unknown") << "Warning!" << "Warning!";
        QTest::newRow("start only") << "Game 3, value" << "Game 3, value";
    }
    void coreTexts()
    {
        QFETCH(QString, core);
        QCOMPARE(InstallTranslations(QLocale("de")), "de");
        QTEST(CoreText(core.toStdString()), "shown");
    }

    // The language follows the locale; the standard buttons come from Qt's own translations.
    void onlinePromptInTheLocalesLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("shown"); // language | title | default button | icon | lines
        QTest::newRow("Swiss German") << "de_CH" << "de | Sind Sie online? | &Ja | 0 | 3";
        QTest::newRow("Mexican Spanish") << "es_MX" << QString::fromUtf8("es | ¿Está conectado? | &Sí | 0 | 3");
    }
    void onlinePromptInTheLocalesLanguage()
    {
        QFETCH(QString, locale);
        if (!QFileInfo::exists(QDir(QLibraryInfo::path(QLibraryInfo::TranslationsPath)).filePath("qtbase_de.qm")))
            QSKIP("Qt's own translations are not installed (Debian: qt6-translations-l10n)");
        InstallTranslations(QLocale(QStringLiteral("es_ES"))); // replaced by the next
        QStringList shown{InstallTranslations(QLocale(locale))};
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            shown << box->windowTitle() << box->defaultButton()->text() << QString::number(box->icon())
                  << QString::number(box->text().split('\n').size());
            box->button(QMessageBox::No)->click();
        });
        QtMessageBoxes boxes;
        QVERIFY(!AskOnline(boxes, nullptr));
        QTEST(shown.join(" | "), "shown");
    }

    void opening_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("steps"); // "beside", "modal" (over a modal editor) or "close", apart by blanks
        QTest::addColumn<QString>("seen");  // after each step: windows shown, "modal" when it takes the input
        QTest::newRow("frmPastPicks twice, closed, again") << "frmPastPicks" << "beside beside close beside" << "1 1 0 1";
        for (const char *window : {"frmAboutLotto", "frmHelp"}) {
            QTest::addRow("%s twice, closed, again", window) << window << "beside beside close beside" << "1 1 0 1";
            // A window open beside the others was only raised for the modal editor, and stayed blocked behind it.
            QTest::addRow("%s beside, then modal", window) << window << "beside modal" << "1 1 modal, then 0";
        }
    }
    void opening()
    {
        QFETCH(QString, window);
        QFETCH(QString, steps);
        Globals globals(m_desk);
        QWidget editor;
        editor.setWindowModality(Qt::ApplicationModal);
        QStringList seen;
        const auto count = [&] { return QString::number(ShownWindows(window).size()); };
        for (const QString &step : steps.split(' ')) {
            QWidget *over = step == "modal" ? &editor : nullptr;
            if (step == "close") {
                QPointer<QWidget> closed = ShownWindows(window).value(0);
                closed->close();
                QTRY_VERIFY(closed.isNull()); // closing unloads it
                seen << count();
                continue;
            }
            if (over) {
                editor.show();
                QTimer::singleShot(0, &editor, [&] { // while the opening waits for the modal window
                    const QWidget *modal = QApplication::activeModalWidget();
                    seen << count() + (modal && modal->objectName() == window ? " modal, then" : ", then");
                    for (QWidget *shown : ShownWindows(window))
                        shown->close();
                });
            }
            if (window == "frmPastPicks")
                globals.ShowPastPicks();
            else
                window == "frmHelp" ? globals.ShowHelp(over) : globals.ShowAbout(over);
            editor.hide();
            seen << count();
        }
        QTEST(seen.join(' '), "seen");
    }

    // An install moved to another prefix still finds its browser program from the main program's folder.
    void browserFoundFromTheInstalledProgram()
    {
        QTemporaryDir prefix;
        QVERIFY(QDir(prefix.path()).mkpath(INSTALLED_PLUGIN_DIR) && QDir(prefix.path()).mkpath(INSTALLED_GAMES_DIR));
        const QString installed = prefix.filePath(INSTALLED_PLUGIN_DIR "/drawsmith-browser");
        QVERIFY(QFile(installed).open(QIODevice::WriteOnly));
        QCOMPARE(QFileInfo(BrowserProgramPath(prefix.filePath(INSTALLED_GAMES_DIR))).canonicalFilePath(),
                 QFileInfo(installed).canonicalFilePath());
    }
};

QTEST_MAIN(TestApp)
#include "tst_app.moc"
