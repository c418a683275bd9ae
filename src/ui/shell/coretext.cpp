// SPDX-License-Identifier: GPL-3.0-or-later
#include "coretext.h"

#include <QCoreApplication>
#include <QStringList>

#include <vector>

namespace {
// The core's messages; %1, %2... stand for the parts filled in (file names,
// numbers, system reasons). A part at the end may itself be a core message.
constexpr const char *kContext = "CoreText";
const char *const kTexts[] = {
    QT_TRANSLATE_NOOP("CoreText", "Give Your New Game a New Name!"),
    QT_TRANSLATE_NOOP("CoreText", "Game Name Error"),
    QT_TRANSLATE_NOOP("CoreText", "A Game Name Cannot Contain a Comma or a Double Quote!"),
    QT_TRANSLATE_NOOP("CoreText", "Are You Sure About the Number of Choices"),
    QT_TRANSLATE_NOOP("CoreText", "Warning"),
    QT_TRANSLATE_NOOP("CoreText",
                      "(Lowest Number + Number of Choices + 1) Must be Less Than Highest Number!"),
    QT_TRANSLATE_NOOP("CoreText", "Number Range Error"),
    QT_TRANSLATE_NOOP("CoreText",
                      "(Lowest Power Ball Number + 1) Must be Less Than Highest Power Ball Number!"),
    QT_TRANSLATE_NOOP("CoreText", "Power Ball Number Range Error"),
    QT_TRANSLATE_NOOP("CoreText", "The file holds no games."),
    QT_TRANSLATE_NOOP("CoreText", "The file holds too many games."),
    QT_TRANSLATE_NOOP("CoreText", "Game %1, value %2 %3 is not a number."),
    QT_TRANSLATE_NOOP("CoreText", "Game %1, value 5 (%2) is not a whole number from -32768 to 32767."),
    QT_TRANSLATE_NOOP("CoreText", "Game %1 of %2 is incomplete: the file ran out of values."),
    QT_TRANSLATE_NOOP("CoreText", "%1 to 1"), // the odds
};

// A text's shape: the literal pieces between its %1, %2... markers.
struct Shape
{
    const char *source;
    QStringList pieces; // one more than the markers
};

// Cut by hand rather than by regular expressions: compiling those cost every
// start-up a millisecond, for the one odds line it shows.
const std::vector<Shape> &Shapes()
{
    static const std::vector<Shape> shapes = [] {
        std::vector<Shape> list;
        for (const char *source : kTexts) {
            const QString text = QString::fromUtf8(source);
            QStringList pieces{QString()};
            for (qsizetype at = 0; at < text.size(); ++at) {
                const bool marker = text[at] == QLatin1Char('%') && at + 1 < text.size() &&
                                    text[at + 1] >= QLatin1Char('1') && text[at + 1] <= QLatin1Char('9');
                if (marker) {
                    pieces << QString();
                    ++at;
                } else {
                    pieces.last() += text[at];
                }
            }
            list.push_back({source, pieces});
        }
        return list;
    }();
    return shapes;
}

// Fills parts with the text between pieces from the given one on, each part as
// short as the rest of the text allows.
bool Fill(QStringView rest, const QStringList &pieces, qsizetype piece, QStringList &parts)
{
    const QString &next = pieces[piece];
    if (piece == pieces.size() - 1) {
        if (!rest.endsWith(next))
            return false;
        parts << rest.chopped(next.size()).toString();
        return true;
    }
    for (qsizetype at = rest.indexOf(next); at >= 0; at = rest.indexOf(next, at + 1)) {
        parts << rest.left(at).toString();
        if (Fill(rest.mid(at + next.size()), pieces, piece + 1, parts))
            return true;
        parts.removeLast();
    }
    return false;
}

bool Match(const QString &text, const Shape &shape, QStringList &parts)
{
    const QString &first = shape.pieces.first();
    if (shape.pieces.size() == 1)
        return text == first;
    return text.startsWith(first) && Fill(QStringView(text).mid(first.size()), shape.pieces, 1, parts);
}

QString Translate(const QString &text)
{
    for (const Shape &shape : Shapes()) {
        QStringList parts;
        if (!Match(text, shape, parts))
            continue;
        const QString source = QString::fromUtf8(shape.source);
        if (!parts.isEmpty() && source.endsWith(QLatin1Char('%') + QString::number(parts.size())))
            parts.last() = Translate(parts.last());
        // In one pass, so that a file name holding "%1" stays as it is.
        const QString result = QCoreApplication::translate(kContext, shape.source);
        switch (parts.size()) {
        case 0:
            return result;
        case 1:
            return result.arg(parts[0]);
        case 2:
            return result.arg(parts[0], parts[1]);
        default:
            return result.arg(parts[0], parts[1], parts[2]);
        }
    }
    return text;
}
} // namespace

QString CoreText(const std::string &text)
{
    return Translate(QString::fromStdString(text));
}
