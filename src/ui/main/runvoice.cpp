// SPDX-License-Identifier: GPL-3.0-or-later
#include "runvoice.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {
RunVoice *g_quiet = nullptr;
QAccessible::UpdateHandler g_previous = nullptr;

QAccessibleInterface *NoticeFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("RunNotice") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Notification);
    return nullptr;
}
} // namespace

RunVoice::RunVoice(QWidget *client, QList<QObject *> flashing)
    : QObject(client), m_flashing(std::move(flashing))
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(NoticeFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);

    // Drawn as nothing and never in the way of the mouse: only a screen reader finds them.
    m_notice = new RunNotice(client);
    m_notice->setObjectName(QStringLiteral("runNotice"));
    m_notice->setGeometry(0, 0, 1, 1);
    m_notice->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_notice->hide();

    m_row = new QLabel(client);
    m_row->setObjectName(QStringLiteral("picksRow"));
    m_row->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_row->setFocusPolicy(Qt::TabFocus);
    m_row->lower();
}

RunVoice::~RunVoice()
{
    if (g_quiet == this)
        Quiet(false);
}

void RunVoice::BeginRun()
{
    // A run started inside another (Start shown again by a game applied) stays quiet
    // until the outer one ends.
    if (m_depth++ == 0)
        Quiet(true);
}

void RunVoice::EndRun(const QString &picks)
{
    if (m_depth == 0 || --m_depth > 0)
        return;
    Quiet(false);
    ShowPicks(picks);
    m_notice->setAccessibleName(picks);
    m_notice->hide();
    m_notice->show();
}

void RunVoice::ShowPicks(const QString &picks)
{
    m_row->setAccessibleName(picks);
}

void RunVoice::Quiet(bool on)
{
    if (on) {
        m_lastPassed.invalidate();
        g_quiet = this;
        g_previous = QAccessible::installUpdateHandler(&RunVoice::Hold);
    } else {
        QAccessible::installUpdateHandler(g_previous);
        g_quiet = nullptr;
        g_previous = nullptr;
    }
}

void RunVoice::Hold(QAccessibleEvent *event)
{
    if (RunVoice *voice = g_quiet; voice && voice->m_flashing.contains(event->object())) {
        if (voice->m_lastPassed.isValid() && voice->m_lastPassed.elapsed() < kQuietInterval)
            return;
        voice->m_lastPassed.start();
    }
    Forward(event);
}

void RunVoice::Forward(QAccessibleEvent *event)
{
    if (g_previous) {
        g_previous(event);
        return;
    }
    // Qt offers no call to its own handler: send the event again with ours out of the way.
    // A table's model change was applied to its interface on the first sending; a second
    // would apply it twice, and the bridge has no use for it.
    if (event->type() == QAccessible::TableModelChanged)
        return;
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(&RunVoice::Hold);
}
