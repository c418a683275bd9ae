// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmaboutlotto.h"

#include "appicon.h"
#include "appinfo.h"
#include "formfont.h"
#include "messageboxes.h"
#include "readablecolours.h"
#include "sysinfoservices.h"
#include "twips.h"
#include "windowframe.h"
#include "windowhub.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

namespace {
constexpr int kInnerWidth = 5730;
constexpr int kInnerHeight = 3555;
constexpr int kScreenLeft = 2340;
constexpr int kScreenTop = 1935;
constexpr qreal kFormPointSize = 8.25;
constexpr qreal kLargePointSize = 9.75;

const QString kAuthor = QStringLiteral("Dana Whitlock");

// The etched separator: a grey line with a white one a pixel below and right.
class EtchedLine final : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        // Both lines end at the same twip; the white one starts 15 twips in.
        QPainter painter(this);
        const int grey = 0;
        const int white = TwipsToPixels(2460) - TwipsToPixels(2445);
        const int whiteLeft = TwipsToPixels(105) - TwipsToPixels(90);
        painter.fillRect(QRect(0, grey, width(), 1), QColor(128, 128, 128));
        painter.fillRect(QRect(whiteLeft, white, width() - whiteLeft, 1), Qt::white);
    }
};

const char *const kLinesProperty = "drawsmithLines";

// A label of several lines is, to a screen reader, a group of one label per line
// (its children), so that each line is read, however short.
// The box itself is an alert: a screen reader reads all of an alert's labels when it
// opens, a dialog's only those of three words or more (not the version, the maker, the
// address or "Warning:").
QAccessibleInterface *LinesFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("QLabel") && object && object->property(kLinesProperty).toBool())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Grouping);
    if (className == QLatin1String("frmAboutLotto"))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::AlertMessage);
    return nullptr;
}

QLabel *AddLabel(QWidget *parent, const char *name, QRect twipsRect, qreal pointSize, bool bold = false,
                 bool lines = false)
{
    auto *label = new QLabel(parent);
    label->setProperty(kLinesProperty, lines);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(twipsRect);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    QFont font = label->font();
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    label->setFont(font);
    return label;
}

QPushButton *AddButton(QWidget *parent, const char *name, const QString &caption, QRect twipsRect)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(twipsRect);
    button->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    return button;
}

void SetLabelText(QLabel *label, const QStringList &lines)
{
    const QString text = lines.join(QLatin1Char('\n'));
    label->setText(text);
    if (!label->property(kLinesProperty).toBool()) {
        label->setAccessibleName(text);
        return;
    }
    // The box's label draws the lines; each child, drawing nothing, names one of them.
    qDeleteAll(label->findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly));
    const QFontMetrics metrics(label->font());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        auto *line = new QLabel(label);
        line->setObjectName(QStringLiteral("%1Line%2").arg(label->objectName()).arg(i + 1));
        line->setAttribute(Qt::WA_TransparentForMouseEvents);
        line->setGeometry(0, int(i) * metrics.lineSpacing(), label->width(), metrics.height());
        line->setAccessibleName(lines[i]);
        line->show();
    }
}
} // namespace

QString VersionLine(int major, int minor, int revision)
{
    return frmAboutLotto::tr("Version %1.%2.%3").arg(major).arg(minor).arg(revision);
}

frmAboutLotto::frmAboutLotto(WindowHub &hub, MessageBoxes &boxes, SysInfoServices *services, QWidget *parent)
    : QDialog(parent), m_hub(hub), m_boxes(boxes), m_services(services)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(LinesFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    if (!m_services) {
        m_platformServices = CreatePlatformSysInfo();
        m_services = m_platformServices.get();
    }

    setObjectName(QStringLiteral("frmAboutLotto"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    KeepFixedSize(this, false);
    setWindowIcon(AppIcon());

    setFont(FormFont(kFormPointSize));

    const QSize inner(TwipsToPixels(kInnerWidth), TwipsToPixels(kInnerHeight));
    setFixedSize(inner);
    QPoint origin;
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        origin = screen->geometry().topLeft();
    setGeometry(QRect(origin + QPoint(TwipsToPixels(kScreenLeft), TwipsToPixels(kScreenTop)), inner));

    CreateControls();
    FillTexts();
    ConnectControls();
}

frmAboutLotto::~frmAboutLotto() = default;

void frmAboutLotto::CreateControls()
{
    m_lblTitle = AddLabel(this, "lblTitle", TwipsRect(210, 120, 3885, 360), kLargePointSize, true);
    m_lblVersion = AddLabel(this, "lblVersion", TwipsRect(240, 480, 3885, 225), kLargePointSize);
    m_lblDescription =
        AddLabel(this, "lblDescription", TwipsRect(240, 720, 3885, 690), kFormPointSize, false, true);

    m_label1 = AddLabel(this, "Label1", TwipsRect(240, 1440, 5295, 975), kLargePointSize, false, true);
    FollowPalette(m_label1, [](QWidget *label, const QPalette &palette) {
        SetColour(label, QPalette::WindowText, ReadableOn(QColor(255, 0, 0), palette.color(QPalette::Window)));
    });
    const QString tip = tr("Click Here to Visit My Website (You must already be on-line)");
    m_label1->setToolTip(tip);
    m_label1->setAccessibleDescription(tip);
    m_label1->setCursor(Qt::PointingHandCursor);
    m_label1->installEventFilter(this);

    // From the grey line's start to the white line's end, one pixel below it.
    auto *line1 = new EtchedLine(this);
    line1->setObjectName(QStringLiteral("Line1"));
    const int lineLeft = TwipsToPixels(90);
    const int lineTop = TwipsToPixels(2445);
    line1->setGeometry(lineLeft, lineTop, TwipsToPixels(5654) - lineLeft + 1,
                       TwipsToPixels(2460) - lineTop + 1);

    m_lblDisclaimer =
        AddLabel(this, "lblDisclaimer", TwipsRect(255, 2625, 3870, 825), kFormPointSize, false, true);
    // Black text where black reads; on a dark theme the theme's own text colour.
    for (QLabel *black : {m_lblDescription, m_lblDisclaimer})
        FollowPalette(black, [](QWidget *label, const QPalette &palette) {
            const QColor window = palette.color(QPalette::Window);
            SetColour(label, QPalette::WindowText,
                      ContrastRatio(Qt::black, window) >= kReadableRatio
                          ? QColor(Qt::black)
                          : ReadableOn(palette.color(QPalette::WindowText), window));
        });

    m_cmdOK = AddButton(this, "cmdOK", tr("OK"), TwipsRect(4245, 2625, 1260, 345));
    m_cmdOK->setDefault(true);
    m_cmdSysInfo = AddButton(this, "cmdSysInfo", tr("&System Info..."), TwipsRect(4260, 3075, 1245, 345));
    setTabOrder(m_cmdOK, m_cmdSysInfo);
    m_cmdOK->setFocus();
}

void frmAboutLotto::FillTexts()
{
    setWindowTitle(tr("About %1").arg(AppInfo::kTitle));
    SetLabelText(m_lblVersion,
                 {VersionLine(AppInfo::kVersionMajor, AppInfo::kVersionMinor, AppInfo::kVersionRevision)});
    SetLabelText(m_lblTitle, {AppInfo::kTitle});
    // The notice names the licence, which reads the same in every language.
    SetLabelText(m_lblDescription, {QStringLiteral("Copyright (C) 2000, GPL-3.0-or-later"),
                                    AppInfo::kMaker, tr("Written By:  %1").arg(kAuthor)});
    SetLabelText(m_label1, {tr("Please Click Here to Visit Our Website:"), AppInfo::kHomePage,
                            tr("You Must Have an Existing Internet Connection")});
    SetLabelText(m_lblDisclaimer,
                 {tr("Warning:"), tr("Gambling is addictive!"), tr("Please be responsible")});
}

void frmAboutLotto::ConnectControls()
{
    // Esc goes through reject(), which closes the box just as OK does.
    connect(m_cmdOK, &QPushButton::clicked, this, &QDialog::close);
    connect(m_cmdSysInfo, &QPushButton::clicked, this, &frmAboutLotto::StartSysInfo);
}

bool frmAboutLotto::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_label1 && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && m_label1->rect().contains(mouse->position().toPoint())) {
            OpenHomePage();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmAboutLotto::OpenHomePage()
{
    // The browser opens without the on-line prompt; when it is open already it
    // only comes to the front. Closing first is safe: deletion waits for the loop.
    close();
    m_hub.ShowBrowser();
}

bool frmAboutLotto::FindSysInfo(QString &path)
{
    if (m_services->ReadToolPath(path))
        return true; // a recorded full path is started untested
    if (!m_services->ReadToolFolder(path))
        return false;
    const QString file = path + m_services->ToolFile();
    if (!m_services->FileExists(file))
        return false;
    path = file;
    return true;
}

void frmAboutLotto::StartSysInfo()
{
    try {
        QString path;
        if (FindSysInfo(path) && m_services->Start(path))
            return;
    } catch (...) {
        // Whatever went wrong, the user hears the one message below.
    }
    m_boxes.Inform(this, tr("System Information Is Unavailable At This Time"), AppInfo::kTitle);
}
