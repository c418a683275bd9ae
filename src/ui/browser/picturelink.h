// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSvgRenderer>
#include <QWidget>

// A picture that acts as a link: it draws a badge and reports a left click, or
// Space or Enter when it has the keyboard. Assistive tools see a graphic they
// can press.
class PictureLink final : public QWidget
{
    Q_OBJECT
public:
    PictureLink(const QString &pictureFile, QWidget *parent = nullptr);

    void Click() { emit clicked(); }

signals:
    // Fires when the left button is released over the picture.
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QSvgRenderer m_picture;
    bool m_pressed = false;
};
