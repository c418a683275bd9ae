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

    // The core's English messages (made by the core, so a changed wording shows here) and the
    // windows' file messages: English byte for byte, translated elsewhere, their variable part kept.
    void messagesTranslated_data()
    {
        QTest::addColumn<int>("problem"); // -1: a core message; else a FileProblem with `text` as detail
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("part");
        const auto problem = [](GameEntry entry) {
            const auto found = CheckGameEntry(entry, true, false);
            return found ? QString::fromStdString(found->Prompt + "\n" + found->Title) : QString();
        };
        GameEntry entry{"Untitled Game", "6", "1", "50", false, "1", "48"};
        QTest::newRow("placeholder name") << -1 << problem(entry) << "";
        entry = {"Mini", "6", "1", "8", false, "1", "48"};
        QTest::newRow("number range") << -1 << problem(entry) << "";
        entry = {"Mini", "6", "1", "50", true, "1", "2"};
        QTest::newRow("power ball range") << -1 << problem(entry) << "";
        QTest::newRow("odds") << -1 << QString::fromStdString(FormatOdds(13983816)) << "13983816";
        std::vector<GameRecord> games;
        const QString bad = QString::fromStdString(ParseCatalogue("A,6,x y,9,0,0\r\n", games).Message());
        QTest::newRow("bad value") << -1 << bad << "\"x y\"";
        QTest::newRow("short file") << -1 << QString::fromStdString(ParseCatalogue("A,6,1\r\n", games).Message()) << "1";
        QTest::newRow("file read-only") << int(FileProblem::ReadOnly) << QString() << "/tmp/g.dat";
        QTest::newRow("file with a bad value") << int(FileProblem::Unreadable) << bad << "\"x y\"";
    }
    void messagesTranslated()
    {
        QFETCH(int, problem);
        QFETCH(QString, text);
        QFETCH(QString, part);
        const Status status = Status::Failure(FileProblem(std::max(problem, 0)), "/tmp/g.dat", 0,
                                              text.toStdString(), NodeKind::Fifo);
        const auto shown = [&] {
            QStringList lines;
            for (const QString &line : text.split('\n'))
                lines << (problem < 0 ? CoreText(line.toStdString()) : FileFailureText(status));
            return lines.join('\n');
        };
        QVERIFY(!text.isEmpty() || problem >= 0);
        const QString english = shown();
        QVERIFY(english.contains(part));
        if (problem < 0)
            QCOMPARE(english, text);
        for (const char *language : {"de", "es"}) {
            InstallTranslations(QLocale(QString::fromLatin1(language)));
            const QString translated = shown();
            const QStringList lines = translated.split('\n');
            for (const QString &line : english.split('\n'))
                QVERIFY2(!lines.contains(line) && translated.contains(part), qPrintable(translated));
            QCOMPARE(translated.count('\n'), english.count('\n'));
            if (problem > 0 && !text.isEmpty())
                QVERIFY2(!translated.contains(text), qPrintable(translated));
        }
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
