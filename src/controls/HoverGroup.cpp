#include "controls/HoverGroup.h"

#include "controls/MuvButtons.h"
#include "core/Twips.h"

#include <QEvent>
#include <QWidget>

HoverGroup::HoverGroup(QWidget *window) : QObject(window), m_window(window)
{
    watch(window);
}

MuvButtons *HoverGroup::addButton(Platform &platform, const ButtonDesign &design)
{
    MuvButtons *button =
        MuvButtons::create(platform, m_window, Twips::rect(design.left, design.top, design.width, design.height),
                           QString::fromLatin1(design.label), design.normal, design.hover);
    add(button);
    return button;
}

void HoverGroup::add(MuvButtons *button)
{
    m_buttons << button;
    connect(button, &MuvButtons::MouseMove, this, [this, button] { resetExcept(button); });
}

void HoverGroup::watch(QWidget *control)
{
    control->setMouseTracking(true);
    control->installEventFilter(this);
}

void HoverGroup::resetExcept(const MuvButtons *hovered)
{
    for (MuvButtons *button : m_buttons) {
        if (button != hovered)
            button->MakeInvizibil();
    }
}

bool HoverGroup::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove)
        resetExcept(nullptr);
    return QObject::eventFilter(watched, event);
}
