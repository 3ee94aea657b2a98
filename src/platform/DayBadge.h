#pragma once

#include <QIcon>
#include <QWidget>
#include <functional>

// Stands in for the tray icon on a desktop without a notification area: a small frameless
// window that stays on top, shows the day picture and the tip, and passes its mouse messages
// on as the tray would.
class DayBadge : public QWidget
{
    Q_OBJECT

public:
    static constexpr int Side = 32;

    explicit DayBadge(std::function<void(int message)> deliver, QWidget *parent = nullptr);

    void setIcon(const QIcon &icon);
    // Puts the badge in the top right-hand corner of the primary screen.
    void placeInCorner();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    std::function<void(int)> m_deliver;
    QIcon m_icon;
};
