#include "windows/Form3.h"

#include "artwork/CommentaryPicture.h"
#include "controls/HoverGroup.h"
#include "controls/InputCodes.h"
#include "controls/MuvButtons.h"
#include "controls/VisualControl.h"
#include "core/ErrorTrap.h"
#include "core/Module1.h"
#include "core/Platform.h"
#include "core/Twips.h"
#include "data/RowWalk.h"
#include "data/VariantColumns.h"
#include "richtext/CommentaryDocument.h"
#include "windows/Form2.h"
#include "windows/WindowPlacement.h"
#include "windows/frmSearch.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QTextDocumentFragment>
#include <QTextEdit>

namespace {

// Design geometry, in twips; the outer sizes add the original desktop's frame of a sizable
// window to the client area.
constexpr int ClientWidth = 8505;
constexpr int ClientHeight = 5760;
constexpr int FrameWidth = 120;
constexpr int FrameHeight = 360;
constexpr int MinimumOuterWidth = 8000;
constexpr int MinimumOuterHeight = 5500;
constexpr int PanelLeft = 90;
constexpr int TextLeft = 1710;
constexpr int ContentTop = 540;
constexpr int BevelGap = 10;

const QColor ShadowColour(128, 128, 128);
const QColor LightColour(227, 227, 227);

constexpr HoverGroup::ButtonDesign Buttons[] = {
    {"Print", 270, 75, 1884, 345, 9, 10}, {"Help", 2430, 72, 1884, 348, 5, 6}, {"Close", 6024, 72, 1884, 348, 7, 8}};

} // namespace

Form3::Form3(Module1 &module) : m(module)
{
    setWindowTitle(QStringLiteral("Comment"));
    createControls();
    connectControls();
    resize(Twips::px(ClientWidth), Twips::px(ClientHeight));
    WindowPlacement::centreOnScreen(*this);
    ErrorTrap trap(m.platform());
    trap([&] { setWindowIcon(QIcon(MuvButtons::libraryPicture(1))); });
}

void Form3::createControls()
{
    Picture1 = new QLabel(this);
    static_cast<QLabel *>(Picture1)->setPixmap(CommentaryPicture::make(devicePixelRatioF()));
    static_cast<QLabel *>(Picture1)->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture1->setAutoFillBackground(true);
    Picture1->setGeometry(Twips::rect(PanelLeft, ContentTop, 6924, 5052));
    Picture1->installEventFilter(this);

    List1 = new QTextEdit(this);
    List1->setReadOnly(true);
    List1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    List1->setAccessibleName(QStringLiteral("Commentary"));
    richtext::CommentaryDocument::prepare(*List1->document());
    List1->setGeometry(Twips::rect(TextLeft, ContentTop, 6570, 5055));
    List1->installEventFilter(this);

    m_hover = new HoverGroup(this);
    m_hover->watch(Picture1);
    m_hover->watch(List1);
    m_hover->watch(List1->viewport());
    m_buttons = m_hover->addButtons(m.platform(), Buttons);
    cmdPrint = m_buttons[0];
    cmdHelp = m_buttons[1];
    cmdClose = m_buttons[2];
    fitBevel();
}

void Form3::connectControls()
{
    connect(cmdPrint, &MuvButtons::Click, this, &Form3::cmdPrint_Click);
    connect(cmdHelp, &MuvButtons::Click, this, [this] {
        ErrorTrap trap(m.platform());
        trap([&] { List1->setFocus(); });
        trap([&] { m.platform().launchHelp(HelpWindowStyle::Normal); });
    });
    connect(cmdClose, &MuvButtons::Click, this, [this] { m.windows().unload<Form3>(); });
    m.windows().onActivation(this, &Form3::Form_Activate, &Form3::Form_Deactivate);
}

void Form3::setCommentary(const QString &stored)
{
    richtext::CommentaryDocument::fill(*List1->document(), stored);
}

bool Form3::textEmpty() const
{
    return List1->document()->isEmpty();
}

void Form3::Form_Activate()
{
    ErrorTrap trap(m.platform());
    trap([&] { fitBevel(); });
    trap([&] {
        if (textEmpty())
            readCommentary();
    });
    trap([&] { List1->setFocus(); });
}

// The commentary of the grid's selected day: the shared cursor is walked from the first row to
// the end, counting rows, and the row whose count is the grid's row number supplies the text. A
// commentary that cannot be read is reported once in the run, like any damaged value.
void Form3::readCommentary()
{
    // A main window that was closed is loaded again, hidden, so that its grid exists.
    const int wanted = m.windows().window<Form2>().grid().NumarInregistrare();
    m.reportDamage(RowWalk::fromFirst(*m.CalendarRs, [&](const CalendarCursor &row, int counter) {
        if (counter == wanted) {
            if (const auto text = VariantColumns::commentary(row, m.CalendarVariant))
                setCommentary(*text);
        }
        return RowWalk::Next::Continue;
    }));
}

void Form3::Form_Deactivate()
{
    List1->clear();
}

// Prints what the text area shows, with its formatting, or only the selection when there is
// one, on the default printer without a dialog; releasing the printer ends the job at once.
void Form3::cmdPrint_Click()
{
    ErrorTrap trap(m.platform());
    std::unique_ptr<QPrinter> printer;
    trap([&] { List1->setFocus(); });
    trap([&] { printer = m.platform().defaultPrinter(); });
    trap([&] {
        if (printer)
            printOn(*printer);
    });
    trap([&] { printer.reset(); });
}

// The page carries the text alone: a document laid out to the page's size prints without the
// page numbers Qt adds to a free-flowing one.
void Form3::printOn(QPrinter &printer) const
{
    constexpr qreal LayoutDpi = 96;
    const QTextCursor selection = List1->textCursor();
    QTextDocument copy;
    copy.setDefaultFont(List1->document()->defaultFont());
    QTextCursor(&copy).insertFragment(selection.hasSelection() ? QTextDocumentFragment(selection)
                                                               : QTextDocumentFragment(List1->document()));
    copy.setPageSize(printer.pageRect(QPrinter::Inch).size() * LayoutDpi);
    copy.setDocumentMargin(LayoutDpi / 2);
    copy.print(&printer);
}

void Form3::fitBevel()
{
    const int gap = qMax(1, Twips::px(BevelGap));
    m_bevel = Picture1->geometry().adjusted(-gap, -gap, gap, gap);
    update();
}

void Form3::paintEvent(QPaintEvent *)
{
    // A sunken bevel around the panel: shadow on top and left, light on bottom and right.
    QPainter painter(this);
    const QRect r = m_bevel;
    painter.setPen(QPen(ShadowColour, 2));
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(QPen(LightColour, 2));
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
}

void Form3::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

// Sizing produces a stream of events; a failing step is skipped without a message box.
void Form3::Form_Resize()
{
    ErrorTrap trap(m.platform(), ErrorTrap::Quiet);
    trap([&] {
        const QString answer = m.platform().dragFullWindows();
        if (answer == QLatin1String("1"))
            layoutContinuously(Twips::fromPixels(width()), Twips::fromPixels(height()));
        else if (answer == QLatin1String("0"))
            layoutAtTheEnd();
    });
}

// Redrawn while dragging: every element is laid out only while it fits.
void Form3::layoutContinuously(int clientWidth, int clientHeight)
{
    if (clientWidth - 1800 > 0 && clientHeight - 630 > 0)
        List1->setGeometry(Twips::rect(TextLeft, ContentTop, clientWidth - 1800, clientHeight - 630));
    if (clientWidth - 180 > 0 && clientHeight - 630 > 0) {
        Picture1->setGeometry(Twips::rect(PanelLeft, ContentTop, clientWidth - 180, clientHeight - 630));
        fitBevel();
    }
    if (clientWidth - 1974 > 0) {
        const int closeLeft = Twips::fromPixels(cmdClose->x());
        cmdHelp->setVisible(closeLeft > 4330);
        cmdPrint->setVisible(closeLeft > 2170);
        cmdClose->setGeometry(Twips::rect(clientWidth + FrameWidth - 2154, 72, 1884, 348));
    }
}

// One event at the end of a drag: a minimum size, then the same places without the fit tests.
void Form3::layoutAtTheEnd()
{
    if (Twips::fromPixels(width()) + FrameWidth < MinimumOuterWidth)
        resize(Twips::px(MinimumOuterWidth - FrameWidth), height());
    if (Twips::fromPixels(height()) + FrameHeight < MinimumOuterHeight)
        resize(width(), Twips::px(MinimumOuterHeight - FrameHeight));
    const int clientWidth = Twips::fromPixels(width());
    const int clientHeight = Twips::fromPixels(height());
    List1->setGeometry(Twips::rect(TextLeft, ContentTop, clientWidth - 1800, clientHeight - 630));
    Picture1->setGeometry(Twips::rect(PanelLeft, ContentTop, clientWidth - 180, clientHeight - 630));
    cmdClose->setGeometry(Twips::rect(clientWidth + FrameWidth - 2154, 72, 1884, 348));
    fitBevel();
    List1->viewport()->update();
}

bool Form3::eventFilter(QObject *watched, QEvent *event)
{
    const bool panel = watched == Picture1;
    if (!panel && watched != List1)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (panel)
            List1->setFocus();
        break;
    case QEvent::KeyPress: {
        auto *key = static_cast<QKeyEvent *>(event);
        if (InputCodes::keyAscii(*key) == InputCodes::Escape) {
            hide();
            return true;
        }
        if (watched == List1 && InputCodes::keyCode(key->key()) == InputCodes::F3) {
            ErrorTrap trap(m.platform());
            trap([&] { m.windows().show<frmSearch>(); });
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void Form3::keyPressEvent(QKeyEvent *event)
{
    if (InputCodes::keyAscii(*event) == InputCodes::Escape)
        hide();
    else
        QWidget::keyPressEvent(event);
}

// The title bar's close unloads the window like its Close button.
void Form3::closeEvent(QCloseEvent *event)
{
    event->accept();
    m.windows().unload<Form3>();
}
