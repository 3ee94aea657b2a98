#include "windows/Form2.h"

#include "artwork/ApplicationIcon.h"
#include "controls/DesignFont.h"
#include "controls/HoverGroup.h"
#include "controls/MuvButtons.h"
#include "controls/VisualControl.h"
#include "core/ErrorTrap.h"
#include "core/Module1.h"
#include "core/Platform.h"
#include "core/Twips.h"
#include "data/CalendarVariant.h"
#include "windows/Form3.h"
#include "windows/WindowPlacement.h"
#include "windows/frmSearch.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

// Design geometry, in twips. The original desktop's frame around the client area is kept so
// that every outer size below gives the original client layout.
constexpr int ClientWidth = 7050;
constexpr int ClientHeight = 8025;
constexpr int FrameWidth = 120;
constexpr int FrameHeight = 360;
constexpr int OuterWidth = ClientWidth + FrameWidth;    // 7170
constexpr int OuterHeight = ClientHeight + FrameHeight; // 8385

// The controls, 90 twips in from the left and the right edge: the buttons on top, the variant
// box and the year line under them, the grid below.
constexpr int Margin = 90;
constexpr HoverGroup::ButtonDesign Buttons[] = {{"Comment", Margin, 75, 1650, 360, 1, 2},
                                                {"Search", 1830, 75, 1650, 360, 3, 4},
                                                {"Help", 3570, 75, 1650, 360, 5, 6},
                                                {"Close", 5310, 75, 1650, 360, 7, 8}};
constexpr QRect VariantBoxDesign(Margin, 510, 5100, 315);
constexpr QRect YearLineDesign(5310, 510, 1650, 315);
constexpr QRect GridDesign(Margin, 900, 6870, 7035);

// Sized while redrawn: a smaller Close button follows the right edge of the original frame,
// with room for itself and the margins, and each button it would cover hides.
constexpr int SizingCloseRoom = 1651;
constexpr QRect SizingClose(0, 72, 1561, 348); // its left edge follows the width
// The Close button's left edges below which it covers Comment, Search and Help.
constexpr int CommentCoveredBelow = 1741, SearchCoveredBelow = 3482, HelpCoveredBelow = 5224;
// Sized at the end: the Close button and the year line share a right-hand column this wide.
constexpr int RightColumnWidth = 1625;

const QString UniversalCaption = QStringLiteral("The Universal Feastbook");
const QString UsaCaption = QStringLiteral("The USA Feastbook");
const QString YearCaptionPrefix = QStringLiteral("Current year is ");

} // namespace

Form2::Form2(Module1 &module) : m(module)
{
    setWindowTitle(QStringLiteral("The Feastbook"));
    createGrid();
    connectGrid();
    resize(Twips::px(ClientWidth), Twips::px(ClientHeight));
    WindowPlacement::centreOnScreen(*this);
    Form_Load();
}

void Form2::createGrid()
{
    Visual = new VisualControl(m, this);
    Visual->setGeometry(Twips::rect(GridDesign));
    m_hover = new HoverGroup(this);
}

void Form2::connectGrid()
{
    connect(Visual, &VisualControl::MouseMove, m_hover, [this] { m_hover->resetExcept(); });
    connect(Visual, &VisualControl::Change, this, [this] { showYear(Visual->AnulCurent()); });
    connect(Visual, &VisualControl::closeRequested, this, &Form2::unloadSelf);
    connect(Visual, &VisualControl::commentaryRequested, this, [this] { showCommentary(); });
    connect(Visual, &VisualControl::searchRequested, this, &Form2::showSearch);
    m.windows().onActivation(this, &Form2::Form_Activate);
}

// The controls come up as the window loaded them: the variant box on the stored calendar and
// the year line on the grid's year.
void Form2::ensureControls()
{
    if (Combo1)
        return;
    createControls();
    connectControls();
    ErrorTrap trap(m.platform());
    trap([&] { showVariant(); });
    trap([&] { applyYear(); });
}

void Form2::setVisible(bool visible)
{
    if (visible)
        ensureControls();
    QWidget::setVisible(visible);
}

QComboBox &Form2::variantBox()
{
    ensureControls();
    return *Combo1;
}

QLineEdit &Form2::yearLine()
{
    ensureControls();
    return *Text1;
}

MuvButtons &Form2::button(int index)
{
    ensureControls();
    return *m_buttons.at(index);
}

void Form2::createControls()
{
    m_buttons = m_hover->addButtons(m.platform(), Buttons);
    cmdComment = m_buttons[0];
    cmdSearch = m_buttons[1];
    cmdHelp = m_buttons[2];
    cmdClose = m_buttons[3];

    Combo1 = new QComboBox(this);
    Combo1->setEditable(true);
    // The list holds the two calendars and nothing else: typed text never becomes an entry,
    // and only a pick from the list switches the calendar, not Enter in the text.
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->installEventFilter(this);
    Combo1->lineEdit()->installEventFilter(this);
    Combo1->addItems({UsaCaption, UniversalCaption});
    Combo1->setGeometry(Twips::rect(VariantBoxDesign));
    Combo1->setAccessibleName(QStringLiteral("Calendar"));

    // The desktop's dialog font of the original is about 11 pixels high; the year line is
    // sized for it. Liberation Sans has Arial's widths; DejaVu would not fit.
    const QFont dialogFont = DesignFont::make({QStringLiteral("Liberation Sans")}, QFont::SansSerif, 11, false);
    Combo1->setFont(dialogFont);

    Text1 = new QLineEdit(this);
    Text1->setFont(dialogFont);
    Text1->setGeometry(Twips::rect(YearLineDesign));
    Text1->setAccessibleName(QStringLiteral("Year of the selected day"));
    m_hover->watch(Text1);

    // Tab order: the grid, the four buttons, the variant box, the year line.
    setTabOrder(Visual, cmdComment);
    setTabOrder(cmdComment, cmdSearch);
    setTabOrder(cmdSearch, cmdHelp);
    setTabOrder(cmdHelp, cmdClose);
    setTabOrder(cmdClose, Combo1);
    setTabOrder(Combo1, Text1);
}

void Form2::connectControls()
{
    connect(cmdComment, &MuvButtons::Click, this, [this] { showCommentary(); });
    connect(cmdSearch, &MuvButtons::Click, this, &Form2::showSearch);
    connect(Combo1, &QComboBox::activated, this, &Form2::Combo1_Click);
    connect(cmdHelp, &MuvButtons::Click, this, [this] {
        ErrorTrap trap(m.platform());
        trap([&] { m.platform().launchHelp(HelpWindowStyle::Minimized); });
    });
    connect(cmdClose, &MuvButtons::Click, this, &Form2::unloadSelf);
}

void Form2::Form_Load()
{
    ErrorTrap trap(m.platform());
    trap([&] { setWindowIcon(ApplicationIcon::icon()); });
    trap([&] { showVariant(); });
    // The grid has loaded before this window could hear its year: the line starts from the
    // grid's year, which is today's when today is in the calendar.
    trap([&] {
        const QString year = Visual->AnulCurent();
        showYear(year.isEmpty() ? QString::number(m.platform().now().date().year()) : year);
    });
}

// The entry itself is made current, so that the text and the list agree.
void Form2::showVariant()
{
    if (!Combo1)
        return; // made later, from the variant then
    if (m.CalendarVariant == Variant::Universal)
        Combo1->setCurrentIndex(Combo1->findText(UniversalCaption));
    else if (m.CalendarVariant == Variant::SUA)
        Combo1->setCurrentIndex(Combo1->findText(UsaCaption));
}

bool Form2::eventFilter(QObject *watched, QEvent *event)
{
    // The box holds the keyboard and hands keys to its text directly; either may see Enter.
    if (Combo1 && (watched == Combo1 || watched == Combo1->lineEdit()) && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Form2::showYear(const QString &year)
{
    m_yearText = YearCaptionPrefix + year;
    applyYear();
}

// The line is narrow for a wide font: it shows its beginning, not where the text ends.
void Form2::applyYear()
{
    if (!Text1)
        return; // made later, with the text kept
    Text1->setText(m_yearText);
    Text1->setCursorPosition(0);
}

void Form2::Form_Activate()
{
    Visual->setFocus();
    setWindowTitle(QStringLiteral("Feastbook"));
}

// Every pick runs the whole switch, even when the variant stays the same.
void Form2::Combo1_Click()
{
    Platform &platform = m.platform();
    ErrorTrap trap(platform);
    trap([&] {
        if (!platform.getSetting(SettingsKey::App, SettingsKey::Section, SettingsKey::Key, QString()).isEmpty())
            platform.deleteSetting(SettingsKey::App, SettingsKey::Section, SettingsKey::Key);
    });
    trap([&] {
        if (Combo1->currentText() == UniversalCaption)
            m.CalendarVariant = Variant::Universal;
        if (Combo1->currentText() == UsaCaption)
            m.CalendarVariant = Variant::SUA;
    });
    trap([&] { platform.saveSetting(SettingsKey::App, SettingsKey::Section, SettingsKey::Key, m.CalendarVariant); });
    Form_Load();
    trap([&] { Visual->Initializare(); });
    trap([&] { Visual->setFocus(); });
}

void Form2::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void Form2::Form_Resize()
{
    if (!Combo1)
        return; // nothing to lay out yet: the first show makes the controls, then sends its resize
    ErrorTrap trap(m.platform());
    trap([&] {
        const QString answer = m.platform().dragFullWindows();
        if (answer == QLatin1String("1"))
            resizeRedrawingContinuously();
        else if (answer == QLatin1String("0"))
            resizeAtTheEnd();
        // Any other answer: the desktop did not say how it sizes windows; the layout stays.
    });
}

// Many resize events during one drag: keep the height, move the Close button along the right
// edge and hide the buttons it would cover.
void Form2::resizeRedrawingContinuously()
{
    if (Twips::fromPixels(height()) + FrameHeight != OuterHeight)
        resize(width(), Twips::px(ClientHeight));
    const int clientWidth = Twips::fromPixels(width());
    if (clientWidth - SizingCloseRoom - Margin > 0) {
        const int closeLeft = Twips::fromPixels(cmdClose->x());
        cmdHelp->setVisible(closeLeft > HelpCoveredBelow);
        cmdSearch->setVisible(closeLeft > SearchCoveredBelow);
        cmdComment->setVisible(closeLeft > CommentCoveredBelow);
        const int newLeft = clientWidth + FrameWidth - SizingCloseRoom - 2 * Margin;
        cmdClose->setGeometry(Twips::rect(SizingClose.translated(newLeft, 0)));
    }
    Visual->resize(qMax(0, Twips::px(clientWidth - 2 * Margin)), Visual->height());
}

// One resize event at the end of a drag: keep the minimum width and the height, and follow the
// right edge with the Close button, the year line, the grid and the variant box.
void Form2::resizeAtTheEnd()
{
    if (Twips::fromPixels(width()) + FrameWidth < OuterWidth)
        resize(Twips::px(ClientWidth), height());
    if (Twips::fromPixels(height()) + FrameHeight != OuterHeight)
        resize(width(), Twips::px(ClientHeight));
    const int clientWidth = Twips::fromPixels(width());
    const int rightColumn = clientWidth - RightColumnWidth - Margin;
    cmdClose->move(Twips::px(rightColumn), cmdClose->y());
    Text1->move(Twips::px(rightColumn), Text1->y());
    Visual->resize(Twips::px(clientWidth - 2 * Margin), Visual->height());
    Combo1->resize(Twips::px(rightColumn - 2 * Margin), Combo1->height());
}

// Closing the window by its title bar unloads it like the Close button does.
void Form2::closeEvent(QCloseEvent *event)
{
    event->accept();
    unloadSelf();
}

void Form2::showCommentary()
{
    ErrorTrap trap(m.platform());
    trap([&] { m.windows().show<Form3>(); });
}

void Form2::showSearch()
{
    ErrorTrap trap(m.platform());
    trap([&] { m.windows().show<frmSearch>(); });
}

void Form2::unloadSelf()
{
    m.windows().unload<Form2>();
}
