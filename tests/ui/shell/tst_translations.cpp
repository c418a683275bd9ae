// SPDX-License-Identifier: GPL-3.0-or-later
#include "addgame.h"
#include "catalogueloader.h"
#include "coretext.h"
#include "filetexts.h"
#include "frmhelp.h"
#include "frmmain.h"
#include "gameentry.h"
#include "odds.h"
#include "standins.h"
#include "translations.h"

#include <QAction>
#include <QComboBox>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {
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

class TestTranslations : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void init()
    {
        QVERIFY(QDir::setCurrent(m_dir.path()));
        QFile file(QStringLiteral("games.dat"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("Seven Up, 7, 100, 106, 0, 0\r\nBig Ball,5,1,49,1,42\r\n"));
    }
    void cleanup() { InstallTranslations(QLocale::c()); }

    // A text left out of tr() or out of the translation stays English; the placeholder name stays refused.
    void everyCaptionTranslated_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("window");
        for (const char *language : {"de", "es"})
            for (const char *window : {"main window", "game editor", "help window"})
                QTest::addRow("%s %s", window, language) << language << window;
    }
    void everyCaptionTranslated()
    {
        QFETCH(QString, language);
        QFETCH(QString, window);
        StandIns fakes;
        const auto captions = [&] {
            GameCatalogue catalogue;
            FrmMain main(catalogue, fakes, fakes, fakes, fakes);
            main.Load();
            if (window == "game editor") {
                AddGame editor(catalogue, fakes, fakes);
                editor.show();
                QTest::mouseClick(editor.findChild<QPushButton *>(QStringLiteral("cmdSave")), Qt::LeftButton);
                return Captions(&editor);
            }
            return window == "help window" ? Captions(std::make_unique<frmHelp>(fakes, fakes).get()) : Captions(&main);
        };
        const QStringList english = captions();
        QCOMPARE(InstallTranslations(QLocale(language)), language);
        const QStringList translated = captions();
        QCOMPARE(translated.size(), english.size());
        for (qsizetype i = 0; i < english.size(); ++i)
            QVERIFY2(translated[i] != english[i], qPrintable(english[i]));
        QCOMPARE(fakes.events.size(), window == "game editor" ? 2 : 0);
        QCOMPARE(fakes.events.value(1).section('|', 0, 0), fakes.events.isEmpty() ? QString() : CoreText("Game Name Error"));
        QCOMPARE(QFileInfo(QStringLiteral("games.dat")).size(), 51);
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

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
