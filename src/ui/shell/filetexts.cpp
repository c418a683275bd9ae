// SPDX-License-Identifier: GPL-3.0-or-later
#include "filetexts.h"

#include "coretext.h"
#include "numbertext.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>

#include <cstring>

QString FromCatalogueBytes(const std::string &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    if (!utf8.hasError())
        return text;
    return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
}

std::string ToCatalogueBytes(const QString &shown, const std::vector<GameRecord> &games)
{
    for (const GameRecord &game : games)
        if (FromCatalogueBytes(game.Name) == shown)
            return game.Name;
    return shown.toStdString();
}

namespace {
QString NodeText(NodeKind node)
{
    switch (node) {
    case NodeKind::Folder:
        return QCoreApplication::translate("FileTexts", "a folder");
    case NodeKind::Fifo:
        return QCoreApplication::translate("FileTexts", "a named pipe");
    case NodeKind::CharDevice:
    case NodeKind::BlockDevice:
        return QCoreApplication::translate("FileTexts", "a device");
    case NodeKind::Socket:
        return QCoreApplication::translate("FileTexts", "a socket");
    case NodeKind::Regular:
    case NodeKind::Other:
        break;
    }
    return QCoreApplication::translate("FileTexts", "not a plain file");
}
} // namespace

QString FileFailureText(const Status &status)
{
    // Names in the working folder as the user knows them; others in full.
    QString file = QString::fromStdString(status.File());
    if (file.isEmpty())
        file = QStringLiteral("games.dat");
    const QString reason = status.Error() ? QString::fromLocal8Bit(std::strerror(status.Error())) : QString();
    const QString detail = QString::fromStdString(status.Detail());
    switch (status.Problem()) {
    case FileProblem::None:
        return {};
    case FileProblem::Unreadable:
        return QCoreApplication::translate(
                   "FileTexts", "%1 could not be read: %2\nCorrect that line of the file, then try again.")
            .arg(file, CoreText(status.Detail()));
    case FileProblem::NotFound:
        return QCoreApplication::translate("FileTexts", "%1 was not found. Nothing was changed.").arg(file);
    case FileProblem::DanglingLink:
        return QCoreApplication::translate(
                   "FileTexts", "%1 is a link to %2, which does not exist. Restore that file or remove the "
                                "link, then start Drawsmith again.")
            .arg(file, detail);
    case FileProblem::NoAccess:
        return QCoreApplication::translate(
                   "FileTexts", "Drawsmith is not allowed to use %1 (%2). Check the permissions of the file "
                                "and its folder, then try again.")
            .arg(file, reason);
    case FileProblem::ReadOnly:
        return QCoreApplication::translate("FileTexts", "%1 is read-only. Make it writable, then try again.")
            .arg(file);
    case FileProblem::NotRegular:
        return QCoreApplication::translate(
                   "FileTexts", "%1 is %2, not a file of games. Drawsmith leaves it alone. Move it away or "
                                "rename it, then start Drawsmith again.")
            .arg(file, NodeText(status.Node()));
    case FileProblem::TooLarge:
        return QCoreApplication::translate(
                   "FileTexts", "%1 is too large: Drawsmith reads files of up to 16 MiB, and this file "
                                "is larger or would become so. Nothing was changed. Move it away or shorten "
                                "it, then try again.")
            .arg(file);
    case FileProblem::NoSpace:
        return QCoreApplication::translate(
                   "FileTexts", "%1 could not be saved: the disk is full (%2). Nothing was changed. Make "
                                "some room, then try again.")
            .arg(file, reason);
    case FileProblem::Locked:
        return QCoreApplication::translate(
                   "FileTexts", "%1 is being saved by another Drawsmith. Nothing was changed. Wait a moment, "
                                "then try again.")
            .arg(file);
    case FileProblem::GameGone:
        return QCoreApplication::translate(
                   "FileTexts", "%1 is no longer in %2: another Drawsmith has changed the file. Nothing was "
                                "deleted. Open the editor again to see the games as they are now.")
            .arg(FromCatalogueBytes(status.Detail()), file);
    case FileProblem::TooManyGames:
        return QCoreApplication::translate("FileTexts", "%1 holds too many games. Nothing was changed.")
            .arg(file);
    case FileProblem::ReadFailed:
        return QCoreApplication::translate("FileTexts",
                                           "%1 could not be read (%2). Nothing was changed. Try again.")
            .arg(file, reason);
    case FileProblem::WriteFailed:
        return QCoreApplication::translate("FileTexts",
                                           "%1 could not be saved (%2). Nothing was changed. Try again.")
            .arg(file, reason);
    }
    return {};
}

QString CannotBeDrawnText(const QString &name, int row, const QString &file, int numbers, double low,
                          double high)
{
    return QCoreApplication::translate(
               "FileTexts",
               "%1 cannot be drawn: line %2 of %3 asks for %4 different numbers from %5 to %6, and "
               "that range does not hold so many. Correct the line in the game editor, then try "
               "again.")
        .arg(name, QString::number(row + 1), file, QString::number(numbers),
             QString::fromStdString(FormatPlain(low)), QString::fromStdString(FormatPlain(high)));
}
