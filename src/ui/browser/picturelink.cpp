// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturelink.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

class PictureLinkAccessible final : public QAccessibleWidget
{
public:
    explicit PictureLinkAccessible(PictureLink *link) : QAccessibleWidget(link, QAccessible::Graphic) {}

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &actionName) override
    {
        if (actionName == pressAction())
            static_cast<PictureLink *>(widget())->Click();
    }
};

QAccessibleInterface *PictureLinkFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("PictureLink") && object && object->isWidgetType())
        return new PictureLinkAccessible(static_cast<PictureLink *>(object));
    return nullptr;
}

} // namespace

PictureLink::PictureLink(const QString &pictureFile, QWidget *parent)
    : QWidget(parent), m_picture(pictureFile)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(PictureLinkFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    m_picture.setAspectRatioMode(Qt::KeepAspectRatio);
    // In the tab order, for the keyboard; a click does not take the focus from the address box.
    setFocusPolicy(Qt::TabFocus);
}

void PictureLink::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    m_picture.render(&painter, QRectF(rect()));
    // The focus comes only from the keyboard: a ring plain enough to find at a glance.
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}

void PictureLink::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void PictureLink::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click =
        m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        emit clicked();
}

void PictureLink::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit clicked();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}
