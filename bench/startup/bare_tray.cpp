// The yardstick for the program's start-up: a Qt tray program that does nothing but show a
// drawn icon with a tooltip. With --digit the icon also carries a day number in the default
// font, which shows what drawing any text at all costs.
#include <QApplication>
#include <QDate>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QSystemTrayIcon>

namespace {

QIcon drawnIcon(bool withDigit)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(Qt::white);
    painter.drawRect(2, 5, 27, 24);
    if (withDigit) {
        painter.setPen(Qt::blue);
        painter.drawText(QRect(2, 5, 27, 24), Qt::AlignCenter, QString::number(QDate::currentDate().day()));
    }
    painter.end();
    return QIcon(pixmap);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    QSystemTrayIcon tray(drawnIcon(app.arguments().contains(QStringLiteral("--digit"))));
    tray.setToolTip(QStringLiteral("A bare tray icon"));
    tray.show();
    return app.exec();
}
