#include "controls/CimpData.h"

#include "artwork/DesktopPalette.h"
#include "controls/DesignFont.h"
#include "controls/InputCodes.h"
#include "core/ErrorTrap.h"
#include "core/Twips.h"
#include "data/ColourCode.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <algorithm>
#include <stdexcept>
#include <utility>

namespace {

// The cell's design, in twips.
constexpr int CellHeight = 285;
constexpr int DesignWidth = 6300;
constexpr QRectF DateBox(30, 24, 1545, 215);
constexpr QRectF CelebrationDesignBox(1590, 24, 4650, 210);

// Once the cell is wider than this (px), the celebration box follows its width.
constexpr double CelebrationFollowsAbove = 140;
constexpr double CelebrationLeft = 132;
constexpr double CelebrationTop = 2;
constexpr double CelebrationRightMargin = 138;
constexpr double CelebrationHeightMargin = 5;

// The frame: two lines a side, one pixel apart. The rows are fixed (twips); the right-hand side
// follows the width at these distances (px). Phase B starts each line 4 px later than phase A.
constexpr double TopOuterY = 0, TopInnerY = 15, BottomInnerY = 236, BottomOuterY = 252;
constexpr double RightInnerInset = 2.986;
constexpr double RightOuterInset = 1.99;
constexpr double PhaseOffset = 60;
// The dotted style: three pixels on, three off. The period must not divide the phase offset,
// or the two phases would look the same and the dots would stand still.
constexpr int DotOn = 3;
constexpr int DotPeriod = 6;
const QColor FrameColour(205, 40, 19);
constexpr int TickMs = 150;

constexpr int PhaseA = 1;
constexpr int PhaseB = 2;

const QRgb Black = qRgb(0, 0, 0);

int px(double twips)
{
    return Twips::px(twips);
}

QRect pixelRect(const QRectF &pixels)
{
    return QRect(qRound(pixels.x()), qRound(pixels.y()), qRound(pixels.width()), qRound(pixels.height()));
}

QRectF pixelsOf(const QRectF &twips)
{
    return QRectF(Twips::toPixels(twips.x()), Twips::toPixels(twips.y()), Twips::toPixels(twips.width()),
                  Twips::toPixels(twips.height()));
}

void dotsAcross(QPainter &painter, int x0, int x1, int y)
{
    for (int x = x0; x < x1; x += DotPeriod)
        painter.fillRect(x, y, std::min(DotOn, x1 - x), 1, FrameColour);
}

void dotsDown(QPainter &painter, int x, int y0, int y1)
{
    for (int y = y0; y < y1; y += DotPeriod)
        painter.fillRect(x, y, 1, std::min(DotOn, y1 - y), FrameColour);
}

} // namespace

// The date in Courier 9.75 points, the celebration in Arial 8.25 points.
CimpData::CimpData(Platform &platform, QWidget *parent)
    : QWidget(parent), m_platform(platform), m_timer(new QTimer(this)),
      m_dateFont(DesignFont::make({QStringLiteral("Courier New"), QStringLiteral("Courier"),
                                   QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")},
                                  QFont::TypeWriter, 13, true)),
      m_textFont(DesignFont::sansSerif(QStringLiteral("Arial"), 11, true)),
      m_dateColour(palette().color(QPalette::WindowText)), m_insertColour(Black),
      m_text3Colour(palette().color(QPalette::WindowText)), m_celebrationBox(pixelsOf(CelebrationDesignBox))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
    setMouseTracking(true);
    setFixedHeight(px(CellHeight));
    resize(px(DesignWidth), px(CellHeight));
    m_timer->setInterval(TickMs);
    connect(m_timer, &QTimer::timeout, this, &CimpData::onTick);
}

QSize CimpData::sizeHint() const
{
    return QSize(px(DesignWidth), px(CellHeight));
}

void CimpData::setCaption1(const QString &text)
{
    if (text == m_date)
        return;
    m_date = text;
    update(dateRect());
    refreshAccessibleName();
}

// Like putting text into a rich-text box: the new text takes the box's insertion colour. The
// one-colour box keeps its text until the next Formateaza.
void CimpData::setCaption2(const QString &text)
{
    setText2(text, QList<QRgb>(text.size(), m_insertColour));
}

void CimpData::setColor1(const QColor &colour)
{
    if (colour == m_dateColour)
        return;
    m_dateColour = colour;
    update(dateRect());
}

void CimpData::setSelectat(bool selected)
{
    m_selected = selected;
    // Only a selected cell has anything to do on a tick; the others keep their timer still.
    if (!selected)
        m_timer->stop();
    else if (!m_timer->isActive())
        m_timer->start();
}

void CimpData::Paint()
{
    if (!m_framePhase) {
        m_framePhase = true;
        showPhase(PhaseA);
    } else {
        showPhase(PhaseB);
        m_framePhase = false;
    }
}

void CimpData::UnPaint()
{
    showPhase(0);
}

void CimpData::Formateaza()
{
    const QString code = m_colourCode;
    if (code.size() == 1)
        formatOneColour(code);
    if (code.size() == 3)
        formatTwoColours(code);
    // With nothing selected in the two-colour box, this is the colour later text arrives in.
    m_insertColour = Black;
    refreshAccessibleName();
}

void CimpData::formatOneColour(const QString &code)
{
    ErrorTrap trap(m_platform);
    trap([&] {
        m_text2Visible = false;
        m_text3Visible = true;
        m_text3 = m_text2;
    });
    trap([&] { m_text3Colour = colourForCode(ColourCode::digitAt(code, 0)); });
    update(celebrationRect());
}

// "a;b": the whole text in colour a, then everything after the first ";" in colour b. A text
// without ";" ends up entirely in colour b. The middle character of the code is never read.
void CimpData::formatTwoColours(const QString &code)
{
    ErrorTrap trap(m_platform);
    int first = -1;
    int second = -1;
    trap([&] { first = ColourCode::digitAt(code, 0); });
    trap([&] { second = ColourCode::digitAt(code, 2); });
    const int afterSeparator = m_text2.indexOf(QLatin1Char(';')) + 1;
    m_text3Visible = false;
    if (first >= 0)
        trap([&] { recolourText2(0, colourForCode(first).rgb()); });
    if (second >= 0)
        trap([&] { recolourText2(afterSeparator, colourForCode(second).rgb()); });
    m_text2Visible = true;
    update(celebrationRect());
}

void CimpData::recolourText2(int from, QRgb colour)
{
    QList<QRgb> colours = m_text2Colours;
    std::fill(colours.begin() + from, colours.end(), colour);
    setText2(m_text2, colours);
}

void CimpData::setText2(const QString &text, const QList<QRgb> &colours)
{
    if (text == m_text2 && colours == m_text2Colours)
        return;
    m_text2 = text;
    m_text2Colours = colours;
    if (m_text2Visible) {
        update(celebrationRect());
        refreshAccessibleName();
    }
}

QString CimpData::shownText() const
{
    if (m_text2Visible)
        return m_text2;
    return m_text3Visible ? m_text3 : QString();
}

QColor CimpData::textColourAt(int index) const
{
    const QString text = shownText();
    if (index < 0 || index >= text.size())
        return QColor();
    if (m_text2Visible)
        return QColor(m_text2Colours.at(index));
    return m_text3Colour;
}

QColor CimpData::colourForCode(int n)
{
    // Pure white and dark red would not read on the cell: white is drawn blue, red brighter.
    if (n == 4)
        return QColor(225, 0, 0);
    if (n == 1)
        return QColor(0, 0, 225);
    if (n < 0 || n > 15)
        throw std::out_of_range(QStringLiteral("There is no colour number %1.").arg(n).toStdString());
    return DesktopPalette::Colours[n];
}

void CimpData::showPhase(int phase)
{
    if (phase == m_visiblePhase)
        return;
    m_visiblePhase = phase;
    update(frameRegion());
}

void CimpData::onTick()
{
    if (m_selected)
        Paint();
}

void CimpData::refreshAccessibleName()
{
    const QString shown = shownText();
    const QString name = shown.isEmpty() ? m_date : m_date + QStringLiteral(", ") + shown;
    if (name != accessibleName())
        setAccessibleName(name);
}

QRect CimpData::dateRect() const
{
    return pixelRect(pixelsOf(DateBox));
}

QRect CimpData::celebrationRect() const
{
    return pixelRect(m_celebrationBox);
}

QRegion CimpData::frameRegion() const
{
    const int w = width();
    const int h = height();
    const int rightInner = qRound(w - RightInnerInset);
    const int rightOuter = qRound(w - RightOuterInset);
    QRegion region(0, px(TopOuterY), w, px(TopInnerY) - px(TopOuterY) + 1);
    region += QRect(0, px(BottomInnerY), w, px(BottomOuterY) - px(BottomInnerY) + 1);
    region += QRect(0, 0, 2, h);
    region += QRect(rightInner, 0, rightOuter - rightInner + 1, h);
    return region;
}

void CimpData::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const double w = width();
    if (w > CelebrationFollowsAbove)
        m_celebrationBox =
            QRectF(CelebrationLeft, CelebrationTop, w - CelebrationRightMargin, height() - CelebrationHeightMargin);
}

void CimpData::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRegion &dirty = event->region();
    painter.fillRect(event->rect(), palette().color(QPalette::Midlight));
    if (dirty.intersects(dateRect()))
        paintText(painter, dateRect(), m_dateFont, m_date, {m_dateColour.rgb()});
    if (dirty.intersects(celebrationRect())) {
        if (m_text2Visible)
            paintText(painter, celebrationRect(), m_textFont, m_text2, m_text2Colours);
        else if (m_text3Visible)
            paintText(painter, celebrationRect(), m_textFont, m_text3, {m_text3Colour.rgb()});
    }
    if (m_visiblePhase != 0)
        paintFrame(painter);
}

// Draws the text in runs of one colour; a single colour stands for the whole text.
void CimpData::paintText(QPainter &painter, const QRect &box, const QFont &font, const QString &text,
                         const QList<QRgb> &colours) const
{
    if (text.isEmpty() || colours.isEmpty())
        return;
    painter.save();
    painter.setClipRect(box);
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    QPointF at(box.left() + 1, box.top() + metrics.ascent());
    const bool single = colours.size() == 1;
    for (qsizetype start = 0; start < text.size();) {
        qsizetype end = single ? text.size() : start + 1;
        while (end < text.size() && colours.at(end) == colours.at(start))
            ++end;
        const QString run = text.mid(start, end - start);
        painter.setPen(QColor(colours.at(single ? 0 : start)));
        painter.drawText(at, run);
        at.rx() += metrics.horizontalAdvance(run);
        start = end;
    }
    painter.restore();
}

void CimpData::paintFrame(QPainter &painter) const
{
    const int offset = m_visiblePhase == PhaseB ? px(PhaseOffset) : 0;
    const int w = width();
    const int h = height();
    const int lineEnd = qRound(w - RightInnerInset);
    for (double y : {TopOuterY, TopInnerY, BottomInnerY, BottomOuterY})
        dotsAcross(painter, offset, lineEnd, px(y));
    // The vertical lines run past the bottom edge; the cell clips them.
    for (int x : {0, 1, lineEnd, qRound(w - RightOuterInset)})
        dotsDown(painter, x, offset, h);
}

CimpData::Area CimpData::areaAt(const QPointF &pos) const
{
    if (!rect().contains(pos.toPoint()))
        return Area::None;
    if (QRectF(dateRect()).contains(pos))
        return Area::Date;
    if ((m_text2Visible || m_text3Visible) && QRectF(celebrationRect()).contains(pos))
        return Area::Celebration;
    return Area::Surface;
}

void CimpData::mousePressEvent(QMouseEvent *event)
{
    m_pressed = areaAt(event->position());
    // A press on a text box belongs to the box, which tells the host nothing.
    if (m_pressed != Area::Surface)
        return;
    const int button = InputCodes::buttons(event->button());
    const int shift = InputCodes::shift(event->modifiers());
    const QPointF at = event->position();
    ErrorTrap trap(m_platform);
    trap([&] { emit MouseDown(button, shift, at.x(), at.y()); });
}

void CimpData::mouseReleaseEvent(QMouseEvent *event)
{
    const Area pressed = std::exchange(m_pressed, Area::None);
    if (event->button() != Qt::LeftButton || pressed == Area::None || areaAt(event->position()) != pressed)
        return;
    clicked(pressed, &CimpData::Click);
}

void CimpData::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The release that ends a double click is not another click.
    m_pressed = Area::None;
    const Area area = areaAt(event->position());
    if (event->button() != Qt::LeftButton || area == Area::None)
        return;
    clicked(area, &CimpData::DblClick);
}

// The texts are for reading only: a click on one leaves the keyboard with the cell.
void CimpData::clicked(Area area, void (CimpData::*signal)())
{
    ErrorTrap trap(m_platform);
    if (area != Area::Surface)
        trap([&] { setFocus(Qt::MouseFocusReason); });
    trap([&] { emit(this->*signal)(); });
}

void CimpData::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF at = event->position();
    const Area area = areaAt(at);
    if (area != Area::Surface && area != Area::Date)
        return;
    // Over the date text the position is the text box's own.
    const QPointF local = area == Area::Date ? at - QPointF(dateRect().topLeft()) : at;
    const int buttons = InputCodes::buttons(event->buttons());
    const int shift = InputCodes::shift(event->modifiers());
    ErrorTrap trap(m_platform);
    trap([&] { emit MouseMove(buttons, shift, local.x(), local.y()); });
}

bool CimpData::event(QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        // The grid's keys must reach the cell even where the window binds them to shortcuts.
        const auto &key = static_cast<const QKeyEvent &>(*event);
        const int code = InputCodes::keyCode(key.key(), key.modifiers());
        if (code == InputCodes::Return || code == InputCodes::Escape || code == InputCodes::F3
            || (code >= InputCodes::PageUp && code <= InputCodes::Down)) {
            event->accept();
            return true;
        }
    }
    if (event->type() == QEvent::KeyPress) {
        // Handled here rather than in keyPressEvent so that Qt's own focus navigation does not
        // take Tab before the host has seen it.
        handleKey(static_cast<QKeyEvent &>(*event));
        return true;
    }
    return QWidget::event(event);
}

// Every key goes to the host as KeyDown, every character as KeyPress. The host may change the
// codes; a Tab the host leaves alone moves the focus on, as it does anywhere else.
void CimpData::handleKey(QKeyEvent &event)
{
    int keyCode = InputCodes::keyCode(event.key(), event.modifiers());
    const int shift = InputCodes::shift(event.modifiers());
    ErrorTrap trap(m_platform);
    if (keyCode != 0)
        trap([&] { emit KeyDown(&keyCode, shift); });
    const bool tab = event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab;
    if (tab && keyCode == InputCodes::Tab && !(event.modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        const bool forward = event.key() == Qt::Key_Tab && !(event.modifiers() & Qt::ShiftModifier);
        focusNextPrevChild(forward);
        return;
    }
    int keyAscii = InputCodes::keyAscii(event);
    if (keyAscii != 0)
        trap([&] { emit KeyPress(&keyAscii); });
}
