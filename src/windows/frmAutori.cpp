#include "windows/frmAutori.h"

#include "artwork/ApplicationIcon.h"
#include "controls/DesignFont.h"
#include "core/ErrorTrap.h"
#include "core/Module1.h"
#include "core/Twips.h"
#include "windows/WindowPlacement.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

namespace {

// Design geometry, in twips.
constexpr int ClientWidth = 3270;
constexpr int ClientHeight = 2415;
constexpr int CloseAfterMilliseconds = 5000;

// Arial 9.75 points.
QFont arial(bool bold)
{
    return DesignFont::sansSerif(QStringLiteral("Arial"), 13, bold);
}

// A centred label keeps its design centre. Where the font that stands in for Arial is wider, it
// grows to both sides, and where the box is too narrow even then, its font gets a little
// smaller, so that no text is cut off.
void placeCentred(QLabel *label, const QRect &design, int boxWidth)
{
    constexpr int Margin = 4; // clear of the box's raised frame
    QFont font = label->font();
    while (label->sizeHint().width() > boxWidth - 2 * Margin && font.pixelSize() > 10) {
        font.setPixelSize(font.pixelSize() - 1);
        label->setFont(font);
    }
    const int grow = qMax(0, label->sizeHint().width() - design.width());
    label->setGeometry(design.adjusted(-grow / 2, 0, grow - grow / 2, 0));
}

} // namespace

frmAutori::frmAutori(Module1 &module) : m(module)
{
    setWindowIcon(ApplicationIcon::icon());
    // A box with a dialog border but no title bar: the frame is drawn by the window itself.
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(Twips::px(ClientWidth), Twips::px(ClientHeight));
    WindowPlacement::centreOnScreen(*this);

    Label1 = new QLabel(QStringLiteral("The fallowing persons brought\ntheir contribution to this program:"), this);
    Label1->setFont(arial(false));
    Label1->setAlignment(Qt::AlignCenter);
    placeCentred(Label1, Twips::rect(240, 240, 2895, 480), width());

    Label2 = new QLabel(QStringLiteral("Irina Vasko\nTobin Marley\nLena Hollister\nAndrei Costel"), this);
    Label2->setFont(arial(true));
    Label2->setAlignment(Qt::AlignCenter);
    placeCentred(Label2, Twips::rect(840, 1080, 1515, 1200), width());

    Timer1.setInterval(CloseAfterMilliseconds);
    connect(&Timer1, &QTimer::timeout, this, &frmAutori::Timer1_Timer);
    Timer1.start();
}

void frmAutori::Timer1_Timer()
{
    ErrorTrap trap(m.platform());
    trap([&] { hide(); });
}

// The labels leave their clicks to the window, so a click anywhere on the box hides it.
void frmAutori::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint())) {
        QFrame::mouseReleaseEvent(event);
        return;
    }
    ErrorTrap trap(m.platform());
    trap([&] { hide(); });
}

void frmAutori::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Escape) {
        QFrame::keyPressEvent(event);
        return;
    }
    ErrorTrap trap(m.platform());
    trap([&] { hide(); });
}
