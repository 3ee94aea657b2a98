#include "windows/frmAboutReg.h"

#include "artwork/ApplicationIcon.h"
#include "artwork/Emblem.h"
#include "controls/DesignFont.h"
#include "core/ErrorTrap.h"
#include "core/Module1.h"
#include "core/Twips.h"
#include "windows/WindowPlacement.h"
#include "windows/frmAutori.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace {

// Design geometry, in twips.
constexpr int ClientWidth = 5475;
constexpr int ClientHeight = 4950;
constexpr int TickMilliseconds = 300;

// A centred label keeps its design centre; where the font that stands in for the designed one
// is wider, it grows to both sides instead of cutting its text off.
void placeCentred(QLabel *label, const QRect &design)
{
    const int grow = qMax(0, label->sizeHint().width() - design.width());
    label->setGeometry(design.adjusted(-grow / 2, 0, grow - grow / 2, 0));
}

} // namespace

frmAboutReg::frmAboutReg(Module1 &module) : m(module)
{
    setWindowTitle(QStringLiteral(" About Korvelle Feastbook"));
    setWindowIcon(ApplicationIcon::icon());
    // A fixed single border: a title and a close box, neither minimize nor maximize.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(Twips::px(ClientWidth), Twips::px(ClientHeight));
    WindowPlacement::centreOnScreen(*this);

    ErrorTrap trap(m.platform());
    trap([&] {
        for (int number = 1; number <= Emblem::FrameCount; ++number)
            SiglaAbout[size_t(number - 1)] = Emblem::frame(number);
    });

    Image1 = new QLabel(this);
    Image1->setGeometry(Twips::rect(480, 240, 720, 720));
    Image1->setPixmap(SiglaAbout[0]);
    Image1->setCursor(Qt::PointingHandCursor);
    Image1->setToolTip(QStringLiteral("Who made this program"));
    Image1->installEventFilter(this);
    m_shownFrame = 1;

    Label1 = new QLabel(QStringLiteral("Korvelle Feastbook 2.00"), this);
    Label1->setFont(DesignFont::sansSerif(QStringLiteral("Tahoma"), 16, true)); // 12 points
    Label1->setAlignment(Qt::AlignCenter);
    placeCentred(Label1, Twips::rect(1155, 90, 3930, 285));

    Label2 = new QLabel(QStringLiteral("The Roman Rite calendar\nUniversal and USA"), this);
    Label2->setFont(DesignFont::sansSerif(QStringLiteral("MS Sans Serif"), 11, false)); // 8 points
    Label2->setAlignment(Qt::AlignCenter);
    placeCentred(Label2, Twips::rect(1815, 390, 2370, 390));

    Command3 = new QPushButton(QStringLiteral("&C l o s e"), this);
    Command3->setGeometry(Twips::rect(3200, 4410, 2000, 374));
    Command3->installEventFilter(this);
    connect(Command3, &QPushButton::clicked, this, &frmAboutReg::Command3_Click);

    Timer1.setInterval(TickMilliseconds);
    connect(&Timer1, &QTimer::timeout, this, &frmAboutReg::Timer1_Timer);
    Timer1.start();

    m.windows().onActivation(this, &frmAboutReg::Form_Activate);
}

void frmAboutReg::Form_Activate()
{
    ErrorTrap trap(m.platform());
    trap([&] { m_frame = 1; });
    trap([&] { Command3->setFocus(); });
}

// Until the first activation there is no frame to show and the emblem stands still.
void frmAboutReg::Timer1_Timer()
{
    ErrorTrap trap(m.platform());
    trap([&] {
        if (m_frame < 1 || m_frame > Emblem::FrameCount)
            return;
        Image1->setPixmap(SiglaAbout[size_t(m_frame - 1)]);
        m_shownFrame = m_frame;
        m_frame = m_frame == Emblem::FrameCount ? 1 : m_frame + 1;
    });
}

void frmAboutReg::Image1_Click()
{
    ErrorTrap trap(m.platform());
    trap([&] { Command3->setFocus(); });
    trap([&] {
        const bool firstShow = !m.windows().isLoaded<frmAutori>();
        frmAutori &credits = m.windows().window<frmAutori>();
        // The credits open centred on this window the first time; later they stay where they were.
        if (firstShow)
            WindowPlacement::centreOn(credits, *this);
        m.windows().show<frmAutori>();
    });
}

void frmAboutReg::Command3_Click()
{
    ErrorTrap trap(m.platform());
    trap([&] { hide(); });
}

bool frmAboutReg::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Image1 && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && Image1->rect().contains(mouse->position().toPoint())) {
            Image1_Click();
            return true;
        }
    } else if (watched == Command3 && event->type() == QEvent::KeyPress
               && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        Command3_Click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
