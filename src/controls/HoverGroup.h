#pragma once

#include <QList>
#include <QObject>
#include <array>
#include <cstddef>

class MuvButtons;
class Platform;
class QWidget;

// The picture buttons of one window and the hover rule they share: the mouse over one button
// returns every other button to its normal picture, the mouse over the window's own surface or
// over the other watched controls returns all of them.
class HoverGroup : public QObject
{
    Q_OBJECT

public:
    // A button of the window's design: caption, place and size in twips, and the library's
    // normal and hover pictures.
    struct ButtonDesign
    {
        const char *label;
        int left, top, width, height;
        int normal, hover;
    };

    explicit HoverGroup(QWidget *window);

    // Makes the window's picture buttons from their designs, in order, each under the rule.
    template <std::size_t N>
    std::array<MuvButtons *, N> addButtons(Platform &platform, const ButtonDesign (&designs)[N])
    {
        std::array<MuvButtons *, N> buttons{};
        for (std::size_t i = 0; i < N; ++i)
            buttons[i] = addButton(platform, designs[i]);
        return buttons;
    }
    MuvButtons *addButton(Platform &platform, const ButtonDesign &design);

    void add(MuvButtons *button);
    // A control whose mouse moves count as moves over the window's surface.
    void watch(QWidget *control);
    void resetExcept(const MuvButtons *hovered = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    QList<MuvButtons *> m_buttons;
};
