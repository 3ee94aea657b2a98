#include "platform/DayBadge.h"

#include "artwork/ApplicationIcon.h"
#include "core/Platform.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

DayBadge::DayBadge(std::function<void(int)> deliver, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_deliver(std::move(deliver))
{
    setFixedSize(Side, Side);
    setAttribute(Qt::WA_TranslucentBackground);
    setAccessibleName(QStringLiteral("Feastbook: today's day"));
    setWindowIcon(ApplicationIcon::icon());
}

void DayBadge::setIcon(const QIcon &icon)
{
    m_icon = icon;
    update();
}

void DayBadge::placeInCorner()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.right() - Side - 8, area.top() + 8);
    }
}

void DayBadge::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_icon.paint(&painter, rect());
}

void DayBadge::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_deliver(TrayMessage::LeftDown);
    else if (event->button() == Qt::RightButton)
        m_deliver(TrayMessage::RightDown);
}

void DayBadge::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_deliver(TrayMessage::LeftUp);
    else if (event->button() == Qt::RightButton)
        m_deliver(TrayMessage::RightUp);
}

void DayBadge::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_deliver(TrayMessage::LeftDouble);
}
