// SPDX-License-Identifier: GPL-3.0-or-later
#include "coretext.h"

#include <QCoreApplication>
#include <QRegularExpression>

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

struct Shape
{
    const char *source;
    QRegularExpression pattern;
};

// Each text as a pattern of itself: the %n become captures, the rest is literal.
const std::vector<Shape> &Shapes()
{
    static const std::vector<Shape> shapes = [] {
        std::vector<Shape> list;
        static const QRegularExpression marker(QStringLiteral("%[1-9]"));
        for (const char *source : kTexts) {
            const QString text = QString::fromUtf8(source);
            QString pattern;
            qsizetype from = 0;
            for (auto it = marker.globalMatch(text); it.hasNext();) {
                const QRegularExpressionMatch match = it.next();
                pattern += QRegularExpression::escape(text.mid(from, match.capturedStart() - from));
                pattern += QStringLiteral("(.*?)");
                from = match.capturedEnd();
            }
            pattern += QRegularExpression::escape(text.mid(from));
            list.push_back({source, QRegularExpression(QRegularExpression::anchoredPattern(pattern),
                                                       QRegularExpression::DotMatchesEverythingOption)});
        }
        return list;
    }();
    return shapes;
}

QString Translate(const QString &text)
{
    for (const Shape &shape : Shapes()) {
        const QRegularExpressionMatch match = shape.pattern.match(text);
        if (!match.hasMatch())
            continue;
        const QString source = QString::fromUtf8(shape.source);
        QStringList parts;
        for (int part = 1; part <= match.lastCapturedIndex(); ++part) {
            const bool last = part == match.lastCapturedIndex() && source.endsWith(QLatin1Char('0' + part));
            parts << (last ? Translate(match.captured(part)) : match.captured(part));
        }
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
