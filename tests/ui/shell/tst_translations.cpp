// SPDX-License-Identifier: GPL-3.0-or-later
#include "addgame.h"
#include "catalogueloader.h"
#include "coretext.h"
#include "filetexts.h"
#include "frmhelp.h"
#include "frmmain.h"
#include "gameentry.h"
#include "messageboxes.h"
#include "odds.h"
#include "platform.h"
#include "settingsstore.h"
#include "translations.h"
#include "windowhub.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

#include <functional>
#include <memory>

namespace {
const QByteArray kGames = "Seven Up, 7, 100, 106, 0, 0\r\nBig Ball,5,1,49,1,42\r\n";

struct Fakes final : MessageBoxes, SettingsStore, EventPump, WindowHub
{
    void Inform(QWidget *, const QString &, const QString &title) override { informed << title; }
    bool Ask(QWidget *, const QString &, const QString &) override { return false; }
    QString Read(const QString &, const QString &, const QString &fallback) override { return fallback; }
    void Write(const QString &, const QString &, const QString &) override {}
    void PumpOnce() override {}
    void EndProgram() override {}
    void ShowBrowser() override {}
    void ShowAbout(QWidget *) override {}
    void ShowHelp(QWidget *) override {}
    QStringList informed;
};

bool IsWords(const QString &text)
{
    return text.contains(QRegularExpression(QStringLiteral("\\p{L}")));
}

// Every text a user or an assistive tool meets in the window, in a fixed order;
// names (game names, object names) are left out.
QStringList Captions(QWidget *window, const QStringList &names)
{
    QStringList texts;
    const auto add = [&](const QString &text) {
        if (IsWords(text) && !names.contains(text))
            texts << text;
    };
    add(window->windowTitle());
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        add(widget->toolTip());
        if (widget->accessibleName() != widget->objectName())
            add(widget->accessibleName());
        if (auto *label = qobject_cast<QLabel *>(widget))
            add(label->text());
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            add(button->text());
        if (auto *box = qobject_cast<QLineEdit *>(widget))
            add(box->text());
        if (auto *document = qobject_cast<QTextEdit *>(widget))
            add(document->toPlainText());
        if (auto *combo = qobject_cast<QComboBox *>(widget)) {
            for (int row = 0; row < combo->count(); ++row)
                add(combo->itemText(row));
            add(combo->currentText());
        }
    }
    for (QAction *action : window->findChildren<QAction *>())
        add(action->text());
    return texts;
}

// The standard buttons come from Qt's own translations, installed with the system's Qt.
bool HasQtTranslation(const QString &language)
{
    return QFileInfo::exists(QDir(QLibraryInfo::path(QLibraryInfo::TranslationsPath))
                                 .filePath(QStringLiteral("qtbase_%1.qm").arg(language)));
}
} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        QDir::setCurrent(m_dir.path());
        QFile file(QStringLiteral("games.dat"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(kGames);
    }
    void cleanup() { InstallTranslations(QLocale::c()); }

    void languageFollowsTheLocale_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("language");
        QTest::newRow("German") << QLocale(QStringLiteral("de_DE")) << "de";
        QTest::newRow("Swiss German") << QLocale(QStringLiteral("de_CH")) << "de";
        QTest::newRow("Spanish") << QLocale(QStringLiteral("es_ES")) << "es";
        QTest::newRow("Mexican Spanish") << QLocale(QStringLiteral("es_MX")) << "es";
        QTest::newRow("English") << QLocale(QStringLiteral("en_US")) << "en";
        QTest::newRow("C") << QLocale::c() << "en";
        QTest::newRow("not spoken") << QLocale(QStringLiteral("fr_FR")) << "en";
    }
    void languageFollowsTheLocale()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, language);
        InstallTranslations(QLocale(QStringLiteral("es_ES"))); // replaced by the next
        QCOMPARE(InstallTranslations(locale), language);
        QCOMPARE(CurrentLanguage(), language);
        QCOMPARE(QCoreApplication::translate("FrmMain", "&Start") == QLatin1String("&Start"),
                 language == "en");
    }

    // A text left out of tr() or out of the translation stays English.
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
        const QStringList names{QStringLiteral("Seven Up"), QStringLiteral("Big Ball"),
                                QStringLiteral("Drawsmith")};
        const auto captions = [&] {
            Fakes fakes;
            GameCatalogue catalogue;
            FrmMain main(catalogue, fakes, fakes, fakes, fakes);
            main.Load();
            if (window == QLatin1String("game editor"))
                return Captions(std::make_unique<AddGame>(catalogue, fakes, fakes).get(), names);
            if (window == QLatin1String("help window"))
                return Captions(std::make_unique<frmHelp>(fakes, fakes).get(), names);
            return Captions(&main, names);
        };
        const QStringList english = captions();
        QCOMPARE(InstallTranslations(QLocale(language)), language);
        const QStringList translated = captions();
        QCOMPARE(translated.size(), english.size());
        for (qsizetype i = 0; i < english.size(); ++i)
            QVERIFY2(translated[i] != english[i], qPrintable(english[i]));
    }

    // The placeholder shows translated, and is still refused as a new game's name.
    void placeholderNameRefused_data()
    {
        QTest::addColumn<QString>("language");
        for (const char *language : {"en", "de", "es"})
            QTest::newRow(language) << language;
    }
    void placeholderNameRefused()
    {
        QFETCH(QString, language);
        InstallTranslations(QLocale(language));
        Fakes fakes;
        GameCatalogue catalogue;
        QVERIFY(LoadCatalogue(catalogue));
        AddGame editor(catalogue, fakes, fakes);
        editor.show();
        QTest::mouseClick(editor.findChild<QPushButton *>(QStringLiteral("cmdSave")), Qt::LeftButton);
        QCOMPARE(fakes.informed, QStringList{CoreText("Game Name Error")});
        QCOMPARE(QFile(QStringLiteral("games.dat")).size(), kGames.size());
    }

    void onlinePromptWithStandardButtons_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("yes");
        QTest::newRow("English") << "en"
                                 << "&Yes";
        QTest::newRow("German") << "de"
                                << "&Ja";
        QTest::newRow("Spanish") << "es" << QString::fromUtf8("&Sí");
    }
    void onlinePromptWithStandardButtons()
    {
        QFETCH(QString, language);
        QFETCH(QString, yes);
        if (language != "en" && !HasQtTranslation(language))
            QSKIP("Qt's own translations are not installed (Debian: qt6-translations-l10n)");
        InstallTranslations(QLocale(language));
        QString title, prompt, button;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            title = box->windowTitle();
            prompt = box->text();
            button = box->button(QMessageBox::Yes)->text();
            box->button(QMessageBox::No)->click();
        });
        QtMessageBoxes boxes;
        QVERIFY(!AskOnline(boxes, nullptr));
        QCOMPARE(button, yes);
        QCOMPARE(title == QLatin1String("Are You On-line?"), language == "en");
        QCOMPARE(prompt.count(QLatin1Char('\n')), 2);
    }

    // The core's own English messages, made by the core itself, so a changed wording shows here.
    void coreMessagesTranslated_data()
    {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("part"); // what must survive translation
        const auto problem = [](GameEntry entry, bool confirmed) {
            const auto found = CheckGameEntry(entry, true, confirmed);
            return found ? QStringList{QString::fromStdString(found->Prompt),
                                       QString::fromStdString(found->Title)}
                         : QStringList();
        };
        const auto text = [](const std::string &message) {
            return QStringList{QString::fromStdString(message)};
        };
        GameEntry entry{"Untitled Game", "6", "1", "50", false, "1", "48"};
        QTest::newRow("placeholder name") << problem(entry, false) << "";
        entry.Name = "A, B";
        QTest::newRow("comma in name") << problem(entry, false) << "";
        entry.Name = "Mini";
        entry.ChoicesText = "2";
        QTest::newRow("few choices") << problem(entry, false) << "";
        entry.ChoicesText = "6";
        entry.HighText = "8";
        QTest::newRow("number range") << problem(entry, false) << "";
        entry.HighText = "50";
        entry.PowerBall = true;
        entry.PowerHighText = "2";
        QTest::newRow("power ball range") << problem(entry, false) << "";
        QTest::newRow("odds") << text(FormatOdds(13983816)) << "13983816";

        std::vector<GameRecord> games;
        QTest::newRow("bad value") << text(ParseCatalogue("A,6,x y,9,0,0\r\n", games).Message()) << "\"x y\"";
        QTest::newRow("short file") << text(ParseCatalogue("A,6,1\r\n", games).Message()) << "1";
    }
    void coreMessagesTranslated()
    {
        QFETCH(QStringList, texts);
        QFETCH(QString, part);
        QVERIFY(!texts.isEmpty());
        for (const QString &text : texts) {
            InstallTranslations(QLocale::c());
            QCOMPARE(CoreText(text.toStdString()), text); // English: byte for byte
            for (const char *language : {"de", "es"}) {
                InstallTranslations(QLocale(QString::fromLatin1(language)));
                const QString translated = CoreText(text.toStdString());
                const QStringList lines = translated.split(QLatin1Char('\n'));
                for (const QString &line : text.split(QLatin1Char('\n')))
                    QVERIFY2(!lines.contains(line), qPrintable(translated));
                QVERIFY2(translated.contains(part), qPrintable(translated));
                QCOMPARE(translated.count(QLatin1Char('\n')), text.count(QLatin1Char('\n')));
            }
        }
    }

    // File failures are worded by the windows from the core's kind of failure; the file's name survives.
    void fileMessagesTranslated_data()
    {
        QTest::addColumn<int>("problem");
        QTest::addColumn<QString>("detail");
        QTest::addColumn<QString>("part");
        std::vector<GameRecord> games;
        const auto detail = QString::fromStdString(ParseCatalogue("A,6,x y,9,0,0\r\n", games).Message());
        QTest::newRow("read-only") << int(FileProblem::ReadOnly) << QString() << "/tmp/g.dat";
        QTest::newRow("pipe") << int(FileProblem::NotRegular) << QString() << "/tmp/g.dat";
        QTest::newRow("locked") << int(FileProblem::Locked) << QString() << "/tmp/g.dat";
        QTest::newRow("bad value") << int(FileProblem::Unreadable) << detail << "\"x y\"";
    }
    void fileMessagesTranslated()
    {
        QFETCH(int, problem);
        QFETCH(QString, detail);
        QFETCH(QString, part);
        const Status status = Status::Failure(FileProblem(problem), "/tmp/g.dat", 0, detail.toStdString(),
                                              NodeKind::Fifo);
        InstallTranslations(QLocale::c());
        const QString english = FileFailureText(status);
        QVERIFY(english.contains(part));
        for (const char *language : {"de", "es"}) {
            InstallTranslations(QLocale(QString::fromLatin1(language)));
            const QString translated = FileFailureText(status);
            QVERIFY2(translated != english && translated.contains(part), qPrintable(translated));
            if (!detail.isEmpty())
                QVERIFY2(!translated.contains(detail), qPrintable(translated));
        }
        InstallTranslations(QLocale::c());
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
