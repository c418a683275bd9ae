// SPDX-License-Identifier: GPL-3.0-or-later
#include "addgame.h"
#include "catalogueloader.h"
#include "coretext.h"
#include "filetexts.h"
#include "frmaboutlotto.h"
#include "frmhelp.h"
#include "frmmain.h"
#include "gameentry.h"
#include "odds.h"
#include "readablecolours.h"
#include "standins.h"
#include "translations.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

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
// Every text a user or an assistive tool meets in the window, in a fixed order; names are left out.
QStringList Captions(QWidget *window)
{
    QStringList texts;
    const auto add = [&](const QString &text) {
        static const QStringList names{"Seven Up", "Big Ball", "Drawsmith"};
        if (text.contains(QRegularExpression(QStringLiteral("\\p{L}"))) && !names.contains(text))
            texts << text;
    };
    add(window->windowTitle());
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        add(widget->toolTip());
        if (widget->accessibleName() != widget->objectName())
            add(widget->accessibleName());
        for (const char *property : {"text", "plainText", "currentText"})
            add(widget->property(property).toString());
        if (auto *combo = qobject_cast<QComboBox *>(widget))
            for (int row = 0; row < combo->count(); ++row)
                add(combo->itemText(row));
    }
    for (QAction *action : window->findChildren<QAction *>())
        add(action->text());
    return texts;
}
} // namespace

// The windows as users on other desktops meet them: in their language, in a dark theme.
class TestDesktop : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    GameCatalogue m_catalogue;
    StandIns m_desk;

    // Main window on a Power Ball game; the editor after Add, the name left untitled, Power Ball on; help; About.
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
        QFile file(QStringLiteral("games.dat"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("Seven Up, 7, 100, 106, 0, 0\r\nBig Ball,5,1,49,1,42\r\n"));
    }
    void cleanup() { InstallTranslations(QLocale::c()); }

    // A text left out of tr() or out of the translation stays English; the placeholder name stays refused.
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
        const auto captions = [](const std::vector<std::unique_ptr<QWidget>> &windows) {
            QStringList texts; // About's names and notice read the same in every language
            for (const auto &window : windows)
                texts << (window->objectName() == "frmAboutLotto" ? QStringList() : Captions(window.get()));
            return texts;
        };
        const QStringList english = captions(OpenWindows());
        QCOMPARE(InstallTranslations(QLocale(language)), language);
        const auto windows = OpenWindows();
        const QStringList translated = captions(windows);
        QCOMPARE(translated.size(), english.size());
        for (qsizetype i = 0; i < english.size() && language != "en"; ++i)
            QVERIFY2(translated[i] != english[i], qPrintable(english[i]));
        QCOMPARE(m_desk.events.size(), 1);
        QCOMPARE(m_desk.events.value(0).section('|', 0, 0), CoreText("Game Name Error"));
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

    // The language follows the locale; the standard buttons come from Qt's own translations.
    void onlinePromptInTheLocalesLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("shown"); // language | title | default button | icon | lines
        QTest::newRow("not spoken") << "fr_FR" << "en | Are You On-line? | &Yes | 0 | 3";
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

    // The core's messages (so that a changed wording shows here) and the windows' file messages:
    // translated in every language, their variable part kept.
    void messagesTranslated()
    {
        std::vector<GameRecord> games;
        const std::string badValue = ParseCatalogue("A,6,x y,9,0,0\r\n", games).Message();
        QList<std::pair<std::string, QString>> core{{FormatOdds(13983816), "13983816"}, {badValue, "\"x y\""},
                                                    {ParseCatalogue("A,6,1\r\n", games).Message(), "1"}};
        for (const GameEntry &entry : {GameEntry{"Untitled Game", "6", "1", "50", false, "1", "48"},
                                       GameEntry{"Mini", "6", "1", "8", false, "1", "48"},
                                       GameEntry{"Mini", "6", "1", "50", true, "1", "2"}}) {
            const std::optional<EntryProblem> problem = CheckGameEntry(entry, true, false);
            QVERIFY(problem);
            core << std::pair{problem->Prompt, QString()} << std::pair{problem->Title, QString()};
        }
        const QList<Status> files{Status::Failure(FileProblem::ReadOnly, "/tmp/g.dat"),
                                  Status::Failure(FileProblem::Unreadable, "/tmp/g.dat", 0, badValue)};
        QStringList english;
        for (const Status &file : files)
            english << FileFailureText(file);
        for (const char *language : {"de", "es"}) {
            InstallTranslations(QLocale(QString::fromLatin1(language)));
            for (const auto &[text, part] : core) {
                const QString translated = CoreText(text);
                QVERIFY2(translated != QString::fromStdString(text) && translated.contains(part), text.c_str());
            }
            for (qsizetype i = 0; i < files.size(); ++i) {
                const QString translated = FileFailureText(files[i]);
                for (const QString &line : english[i].split('\n'))
                    QVERIFY2(!translated.split('\n').contains(line) && translated.contains("/tmp/g.dat") &&
                                 !translated.contains(QString::fromStdString(badValue)),
                             qPrintable(translated));
            }
        }
    }
};

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
