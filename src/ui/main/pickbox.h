// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFontMetricsF>
#include <QLineEdit>

// A read-only pick box that shows the whole of any number: the face is drawn at its
// full size while the number fits the box and smaller when it would not, so a wide
// number is never clipped and the box keeps its size.
class PickBox final : public QLineEdit
{
    Q_OBJECT
public:
    PickBox(const QString &text, const QFont &face, QWidget *parent);

    void ShowNumber(long long number);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void FitFace();
    qreal TextRoom() const;

    QFont m_face;
    QFontMetricsF m_metrics;
};
