// SPDX-License-Identifier: GPL-3.0-or-later
#include "terminal.h"

#include "appinfo.h"
#include "catalogueloader.h"
#include "coretext.h"
#include "filetexts.h"
#include "gamelookup.h"
#include "numbertext.h"
#include "odds.h"
#include "output.h"
#include "pickhistory.h"
#include "setdrawer.h"
#include "translations.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <limits>
#include <memory>
#include <unistd.h>

namespace {
constexpr int kDone = 0;
constexpr int kFailed = 1;
constexpr int kUsageError = 2;

// Translations need a core application, made when the first text is due: the
// picks themselves need none.
class Speaker final
{
public:
    Speaker(int &argc, char *argv[]) : m_argc(argc), m_argv(argv) {}

    void Speak()
    {
        if (m_app)
            return;
        m_app = std::make_unique<QCoreApplication>(m_argc, m_argv);
        InstallTranslations(QLocale::system());
    }

private:
    int &m_argc;
    char **m_argv;
    std::unique_ptr<QCoreApplication> m_app;
};

// The translation context of the terminal's texts.
struct Terminal
{
    Q_DECLARE_TR_FUNCTIONS(Terminal)
};

void Say(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
    std::fflush(stream);
}

void Complain(const QString &text)
{
    Say(stderr, QStringLiteral("drawsmith: %1\n").arg(text));
}

QString Quoted(const std::string &bytes)
{
    return QStringLiteral("\"%1\"").arg(FromCatalogueBytes(bytes));
}

QString UsageText(const CommandLine &line)
{
    const QString culprit = QString::fromLocal8Bit(line.Culprit);
    switch (line.Problem) {
    case UsageProblem::UnknownOption:
        return Terminal::tr("unknown option %1").arg(culprit);
    case UsageProblem::MissingValue:
        if (line.Culprit == "--catalogue")
            return Terminal::tr("--catalogue needs the name of a catalogue file");
        if (line.Culprit == "--count")
            return Terminal::tr("--count needs a number of sets from 1 to %1").arg(kMostSets);
        return Terminal::tr("%1 needs a game: its row number as --list shows it, or its name").arg(culprit);
    case UsageProblem::BadCount:
        return Terminal::tr("--count takes a whole number of sets from 1 to %1, not \"%2\"")
            .arg(kMostSets)
            .arg(culprit);
    case UsageProblem::TwoCommands:
        return Terminal::tr("%1 and %2 cannot be used together: choose one")
            .arg(QString::fromLocal8Bit(line.Other), culprit);
    case UsageProblem::NoCommand:
        return Terminal::tr("say what to do: --list, --odds GAME or --pick GAME");
    case UsageProblem::NeedsPick:
        return Terminal::tr("%1 works only with --pick").arg(culprit);
    case UsageProblem::Repeated:
        return Terminal::tr("%1 is given twice").arg(culprit);
    case UsageProblem::StrayArgument:
        return Terminal::tr("unexpected argument \"%1\"").arg(culprit);
    case UsageProblem::None:
        break;
    }
    return {};
}

QString HelpText()
{
    return Terminal::tr(
               "Usage: drawsmith [--catalogue FILE] --list | --odds GAME | --pick GAME [--count N] [--keep]\n"
               "Without options Drawsmith opens its window; with these it answers in the terminal.\n"
               "\n"
               "  --list              one line per game, the columns separated by tabs: its row,\n"
               "                      name, how many numbers, the range, the Power Ball range\n"
               "                      (- for none) and the odds of winning the grand prize\n"
               "  --odds GAME         the odds of winning GAME's grand prize\n"
               "  --pick GAME         a set of picks for GAME, written as Copy Picks writes it\n"
               "  --count N           with --pick: N sets, one per line (1 to %1, default 1)\n"
               "  --keep              with --pick: also add the sets to the past picks\n"
               "  --catalogue FILE    read the games from FILE instead of games.dat\n"
               "  -h, --help          show this help\n"
               "  --version           show the version and the licence\n"
               "\n"
               "GAME is a game's row number as --list shows it, or its name.\n"
               "\n"
               "Files:\n"
               "  games.dat           the game catalogue, in the current directory\n"
               "  picks.csv           the past picks, beside the catalogue\n"
               "\n"
               "Exit status: 0 done; 1 the catalogue cannot be read, the game is unknown or\n"
               "cannot be drawn, or the picks could not be written; 2 a usage error.\n")
        .arg(kMostSets);
}

QString VersionText()
{
    return QStringLiteral("drawsmith %1.%2.%3\n")
               .arg(AppInfo::kVersionMajor)
               .arg(AppInfo::kVersionMinor)
               .arg(AppInfo::kVersionRevision) +
           Terminal::tr("Copyright (C) 2000 %1. Licence GPL-3.0-or-later: the GNU General Public License, "
                        "version 3 or "
                        "later. This is free software; there is no warranty.\n")
               .arg(AppInfo::kMaker);
}

QString FileName(const CommandLine &line)
{
    return QString::fromLocal8Bit(line.Catalogue);
}

QString CatalogueFailureText(const Status &failure, const CommandLine &line)
{
    if (failure.Problem() == FileProblem::NotFound)
        return Terminal::tr(
                   "%1 was not found. Run drawsmith without options to create one, or name another catalogue "
                   "with --catalogue FILE.")
            .arg(FileName(line));
    return FileFailureText(failure.WithFile(line.Catalogue));
}

QString UnknownGameText(const std::vector<GameRecord> &games, const CommandLine &line)
{
    QStringList closest;
    for (const std::size_t row : ClosestGames(games, line.Game))
        closest << Quoted(games[row].Name);
    return Terminal::tr("%1 has no game %2. The closest names: %3. --list shows every game.")
        .arg(FileName(line), Quoted(line.Game), closest.join(QStringLiteral(", ")));
}

std::string OddsText(const GameRecord &game)
{
    const std::optional<double> odds = GameOdds(game);
    return odds ? CoreText(FormatOdds(*odds)).toStdString() : std::string("-");
}

void AppendNumber(std::string &out, long long number)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    out.append(digits, end);
}

// Whether every number the game's ranges give fits the picks as kept and copied.
bool FitsPicks(const GameRecord &game)
{
    auto fits = [](double value) {
        return value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max();
    };
    return fits(game.LowNumber) && fits(game.HighNumber) &&
           (!game.HasPowerBall() || fits(game.PowerBallHigh + 1));
}

PastPick AsPick(const ShownSet &set, const std::string &time, const std::string &name)
{
    PastPick pick{time, name, {set.Numbers, set.Numbers + set.Slots}, std::nullopt};
    if (set.HasPowerBall)
        pick.PowerBall = set.PowerBall;
    return pick;
}

// The end of the output: quiet when the reader has gone, as `head` leaves it.
int Finish(Output &out, Speaker &speaker)
{
    if (out.Flush() || out.Error() == EPIPE)
        return kDone;
    speaker.Speak();
    Complain(Terminal::tr("the output could not be written (%1).")
                 .arg(QString::fromLocal8Bit(std::strerror(out.Error()))));
    return kFailed;
}

int List(const GameCatalogue &catalogue, Speaker &speaker)
{
    Output out(STDOUT_FILENO);
    std::string line;
    for (std::size_t row = 0; row < catalogue.Games.size() && !out.Error(); ++row) {
        const GameRecord &game = catalogue.Games[row];
        line.clear();
        AppendNumber(line, static_cast<long long>(row + 1));
        line += '\t' + game.Name + '\t' + FormatPlain(game.Choices) + '\t' + FormatPlain(game.LowNumber) +
                '-' + FormatPlain(game.HighNumber) + '\t';
        line += game.HasPowerBall() ? FormatPlain(game.PowerBallLow) + '-' + FormatPlain(game.PowerBallHigh)
                                    : std::string("-");
        line += '\t' + OddsText(game) + '\n';
        out.Append(line);
    }
    return Finish(out, speaker);
}

int Pick(const GameRecord &game, std::size_t row, const CommandLine &line, Speaker &speaker)
{
    const int shown = ShownSlots(game.Choices);
    if (!FillsDistinct(shown,
                       {game.LowNumber, game.HighNumber, double(game.PowerBallLow), game.PowerBallHigh})) {
        speaker.Speak();
        Complain(CannotBeDrawnText(FromCatalogueBytes(game.Name), int(row), FileName(line), shown,
                                   game.LowNumber, game.HighNumber));
        return kFailed;
    }
    if (!FitsPicks(game)) {
        speaker.Speak();
        Complain(
            Terminal::tr("%1 cannot be drawn: line %2 of %3 gives numbers beyond %4, which Drawsmith cannot "
                         "show. Correct the line in the game editor, then try again.")
                .arg(Quoted(game.Name))
                .arg(row + 1)
                .arg(FileName(line))
                .arg(std::numeric_limits<int>::max()));
        return kFailed;
    }
    SetDrawer drawer(game);
    const std::string time = LocalTimestamp(std::time(nullptr));
    Output out(STDOUT_FILENO);
    if (!line.Keep) {
        for (long set = 0; set < line.Count && !out.Error(); ++set)
            out.Append(FormatCopyLine(AsPick(drawer.Next(), time, game.Name)) + '\n');
        return Finish(out, speaker);
    }
    // Kept first and shown after: what is shown is always in the history.
    std::vector<PastPick> picks;
    picks.reserve(std::size_t(line.Count));
    for (long set = 0; set < line.Count; ++set)
        picks.push_back(AsPick(drawer.Next(), time, game.Name));
    if (const Status failure = AppendPicks(HistoryFileBeside(line.Catalogue), picks); !failure) {
        speaker.Speak();
        Complain(
            Terminal::tr("the picks were not kept, so none are shown. %1").arg(FileFailureText(failure)));
        return kFailed;
    }
    for (const PastPick &pick : picks)
        out.Append(FormatCopyLine(pick) + '\n');
    return Finish(out, speaker);
}
} // namespace

int RunCommandLine(const CommandLine &line, int &argc, char *argv[])
{
    Speaker speaker(argc, argv);
    // A reader that goes away ends the output quietly, through EPIPE.
    std::signal(SIGPIPE, SIG_IGN);
    switch (line.What) {
    case Command::Help:
        speaker.Speak();
        Say(stdout, HelpText());
        return kDone;
    case Command::Version:
        speaker.Speak();
        Say(stdout, VersionText());
        return kDone;
    case Command::Usage:
        speaker.Speak();
        Complain(UsageText(line));
        Say(stderr, Terminal::tr("Try 'drawsmith --help' for more information.\n"));
        return kUsageError;
    case Command::Window:
        return kUsageError;
    case Command::List:
    case Command::Odds:
    case Command::Pick:
        break;
    }

    GameCatalogue catalogue;
    if (const Status failure = LoadCatalogue(catalogue, line.Catalogue); !failure) {
        speaker.Speak();
        Complain(CatalogueFailureText(failure, line));
        return kFailed;
    }
    if (line.What == Command::List) {
        speaker.Speak();
        return List(catalogue, speaker);
    }
    const std::optional<std::size_t> row = FindGame(catalogue.Games, line.Game);
    if (!row) {
        speaker.Speak();
        Complain(UnknownGameText(catalogue.Games, line));
        return kFailed;
    }
    const GameRecord &game = catalogue.Games[*row];
    if (line.What == Command::Pick)
        return Pick(game, *row, line, speaker);

    speaker.Speak();
    if (!GameOdds(game)) {
        Complain(Terminal::tr(
                     "the odds of %1 cannot be computed: its lowest number is 0 or its range is too large. "
                     "Correct line %2 of %3 in the game editor.")
                     .arg(Quoted(game.Name))
                     .arg(*row + 1)
                     .arg(FileName(line)));
        return kFailed;
    }
    Output out(STDOUT_FILENO);
    out.Append(OddsText(game) + '\n');
    return Finish(out, speaker);
}

int ReportNoWindow(const std::string &failure, int &argc, char *argv[])
{
    Speaker speaker(argc, argv);
    speaker.Speak();
    Complain(Terminal::tr("the window could not be loaded. Reinstall Drawsmith, then try again.\n%1")
                 .arg(QString::fromLocal8Bit(failure).trimmed()));
    return kFailed;
}
