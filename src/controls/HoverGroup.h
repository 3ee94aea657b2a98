#pragma once

#include <QList>
#include <QObject>

class MuvButtons;
class QWidget;

// The picture buttons of one window and the hover rule they share: the mouse over one button
// returns every other button to its normal picture, the mouse over the window's own surface or
// over the other watched controls returns all of them.
class HoverGroup : public QObject
{
    Q_OBJECT

public:
    explicit HoverGroup(QWidget *window);

    void add(MuvButtons *button);
    // A control whose mouse moves count as moves over the window's surface.
    void watch(QWidget *control);
    void resetExcept(const MuvButtons *hovered = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QList<MuvButtons *> m_buttons;
};
