// SPDX-License-Identifier: GPL-3.0-or-later
#include "readablecolours.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <cmath>

namespace {
double Linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * Linear(rgb.red()) + 0.7152 * Linear(rgb.green()) + 0.0722 * Linear(rgb.blue());
}

QColor Mix(const QColor &from, const QColor &to, double share)
{
    const auto channel = [share](int a, int b) { return int(std::lround(a + (b - a) * share)); };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                  channel(from.blue(), to.blue()));
}

class PaletteFollower final : public QObject
{
public:
    PaletteFollower(QWidget *control, std::function<void(QWidget *, const QPalette &)> apply)
        : QObject(control), m_control(control), m_apply(std::move(apply))
    {
        control->installEventFilter(this);
        Apply();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // The application's change reaches a control as a change of its own palette,
        // as does the change made here, which must not start another.
        const QEvent::Type type = event->type();
        if (watched == m_control && !m_applying &&
            (type == QEvent::ApplicationPaletteChange || type == QEvent::PaletteChange))
            Apply();
        return false;
    }

private:
    void Apply()
    {
        m_applying = true;
        m_apply(m_control, QApplication::palette(m_control));
        m_applying = false;
    }

    QWidget *m_control;
    bool m_applying = false;
    std::function<void(QWidget *, const QPalette &)> m_apply;
};
} // namespace

double ContrastRatio(const QColor &first, const QColor &second)
{
    const double a = Luminance(first), b = Luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor ReadableOn(const QColor &wanted, const QColor &background, double ratio)
{
    const QColor start = wanted.toRgb();
    if (ContrastRatio(start, background) >= ratio)
        return start;
    // Towards white on a dark background, towards black on a light one.
    const QColor end = ContrastRatio(Qt::white, background) >= ContrastRatio(Qt::black, background)
                           ? QColor(Qt::white)
                           : QColor(Qt::black);
    double low = 0, high = 1;
    for (int step = 0; step < 12; ++step) {
        const double middle = (low + high) / 2;
        (ContrastRatio(Mix(start, end, middle), background) >= ratio ? high : low) = middle;
    }
    return Mix(start, end, high);
}

void FollowPalette(QWidget *control, std::function<void(QWidget *, const QPalette &)> apply)
{
    new PaletteFollower(control, std::move(apply));
}

void SetColour(QWidget *control, QPalette::ColorRole role, const QColor &colour)
{
    QPalette palette = control->palette();
    palette.setColor(role, colour);
    control->setPalette(palette);
}
