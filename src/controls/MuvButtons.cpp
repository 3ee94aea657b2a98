#include "controls/MuvButtons.h"

#include "artwork/ButtonPictures.h"
#include "controls/ButtonLayout.h"
#include "controls/DesignFont.h"
#include "controls/InputCodes.h"
#include "core/ErrorTrap.h"
#include "core/Twips.h"

#include <QMouseEvent>
#include <QPainter>
#include <utility>

namespace {

// Design size and the frame's distance from the edges, in twips.
constexpr int DesignWidth = 2475;
constexpr int DesignHeight = 375;
constexpr int FrameInset = 10;

// Times New Roman 9 points.
QFont captionFont()
{
    return DesignFont::make(
        {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")},
        QFont::Serif, 12, true);
}

QSize twipsOf(QSizeF pixels)
{
    return QSize(qRound(Twips::toTwips(pixels.width())), qRound(Twips::toTwips(pixels.height())));
}

} // namespace

// The frame's colours are the 3-D highlight and the window text colour, as on the desktop's own
// buttons.
MuvButtons::MuvButtons(Platform &platform, QWidget *parent)
    : QWidget(parent), m_platform(platform), m_font(captionFont()), m_light(palette().color(QPalette::Light)),
      m_dark(palette().color(QPalette::WindowText))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    resize(sizeHint());
    setAccessibleName(m_caption);
    Ridicat();
    MakeVizibil();
    layoutContents();
}

QSize MuvButtons::sizeHint() const
{
    return QSize(Twips::px(DesignWidth), Twips::px(DesignHeight));
}

// Hover look. The latch makes the picture change at most once until the window has put the
// normal picture back.
void MuvButtons::MakeVizibil()
{
    ErrorTrap trap(m_platform);
    trap([&] {
        if (!std::exchange(m_frameShown, true))
            update();
    });
    if (m_peButon) {
        trap([&] { showLibraryPicture(m_poza2); });
        m_peButon = false;
    }
}

void MuvButtons::MakeInvizibil()
{
    ErrorTrap trap(m_platform);
    trap([&] {
        if (!std::exchange(m_frameShown, true))
            update();
    });
    if (!m_peButon) {
        trap([&] { showLibraryPicture(m_poza1); });
        m_peButon = true;
    }
}

void MuvButtons::Apasat()
{
    setFrame(m_dark, m_light);
}

void MuvButtons::Ridicat()
{
    setFrame(m_light, m_dark);
}

void MuvButtons::setFrame(const QColor &topLeft, const QColor &bottomRight)
{
    if (m_top == topLeft && m_left == topLeft && m_bottom == bottomRight && m_right == bottomRight)
        return;
    m_top = topLeft;
    m_bottom = bottomRight;
    m_left = topLeft;
    m_right = bottomRight;
    update();
}

void MuvButtons::setTextLabel(const QString &text)
{
    m_caption = text;
    setAccessibleName(text);
    update();
}

void MuvButtons::setPoza(const QPixmap &picture)
{
    m_picture = picture;
    m_shownIndex = 0;
    update();
}

QPixmap MuvButtons::libraryPicture(int index)
{
    return ButtonPictures::picture(index);
}

// A failing index throws before anything changes, so the picture stays as it was.
void MuvButtons::showLibraryPicture(int index)
{
    m_picture = libraryPicture(index);
    m_shownIndex = index;
    update();
}

void MuvButtons::layoutContents()
{
    const QSize control(qRound(Twips::toTwips(width())), qRound(Twips::toTwips(height())));
    const ButtonLayout::Places places =
        ButtonLayout::centre(control, twipsOf(m_picture.deviceIndependentSize()), labelSizeTwips());
    m_pictureAt = places.picture;
    m_labelAt = places.label;
    update();
}

QSize MuvButtons::labelSizeTwips() const
{
    const QFontMetrics metrics(m_font);
    return twipsOf(QSizeF(metrics.horizontalAdvance(m_caption), metrics.height()));
}

QRectF MuvButtons::partRect(Part part) const
{
    switch (part) {
    case Part::Picture:
        return QRectF(QPointF(Twips::toPixels(m_pictureAt.x()), Twips::toPixels(m_pictureAt.y())),
                      m_picture.deviceIndependentSize());
    case Part::Label: {
        const QSize size = labelSizeTwips();
        return QRectF(Twips::toPixels(m_labelAt.x()), Twips::toPixels(m_labelAt.y()), Twips::toPixels(size.width()),
                      Twips::toPixels(size.height()));
    }
    case Part::Surface:
        return QRectF(rect());
    case Part::None:
        break;
    }
    return QRectF();
}

MuvButtons::Part MuvButtons::partAt(const QPointF &pos) const
{
    // The caption lies above the picture, and both above the face.
    for (Part part : {Part::Label, Part::Picture, Part::Surface}) {
        if (partRect(part).contains(pos))
            return part;
    }
    return Part::None;
}

QPointF MuvButtons::twipsWithin(Part part, const QPointF &pos) const
{
    const QPointF local = pos - partRect(part).topLeft();
    return QPointF(Twips::toTwips(local.x()), Twips::toTwips(local.y()));
}

MuvButtons::MouseArgs MuvButtons::mouseArgs(const QMouseEvent &event, Part part, Qt::MouseButtons buttons) const
{
    return {InputCodes::buttons(buttons), InputCodes::shift(event.modifiers()), twipsWithin(part, event.position())};
}

void MuvButtons::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    if (!m_picture.isNull())
        painter.drawPixmap(partRect(Part::Picture).topLeft().toPoint(), m_picture);
    painter.setFont(m_font);
    painter.setPen(palette().color(QPalette::ButtonText));
    const QRectF label = partRect(Part::Label);
    painter.drawText(QPointF(qRound(label.left()), qRound(label.top()) + QFontMetrics(m_font).ascent()), m_caption);
    if (!m_frameShown)
        return;
    // Lines from 10 twips inside one edge to 10 twips inside the other; the end point is not drawn.
    const int left = Twips::px(FrameInset);
    const int top = Twips::px(FrameInset);
    const int right = Twips::px(Twips::toTwips(width()) - FrameInset);
    const int bottom = Twips::px(Twips::toTwips(height()) - FrameInset);
    painter.fillRect(left, top, right - left, 1, m_top);
    painter.fillRect(left, bottom, right - left, 1, m_bottom);
    painter.fillRect(left, top, 1, bottom - top, m_left);
    painter.fillRect(right, top, 1, bottom - top, m_right);
}

void MuvButtons::mousePressEvent(QMouseEvent *event)
{
    m_pressed = partAt(event->position());
    if (m_pressed == Part::None)
        return;
    const MouseArgs args = mouseArgs(*event, m_pressed, event->button());
    ErrorTrap trap(m_platform);
    trap([&] { Apasat(); });
    trap([&] { emit MouseDown(args.buttons, args.shift, args.at.x(), args.at.y()); });
}

void MuvButtons::mouseReleaseEvent(QMouseEvent *event)
{
    // A release belongs to the part that was pressed, wherever the mouse has gone since.
    const bool doubleClick = m_pressed == Part::None;
    const Part part = doubleClick ? partAt(event->position()) : std::exchange(m_pressed, Part::None);
    if (part == Part::None)
        return;
    const MouseArgs args = mouseArgs(*event, part, event->button());
    ErrorTrap trap(m_platform);
    trap([&] { Ridicat(); });
    trap([&] { emit MouseUp(args.buttons, args.shift, args.at.x(), args.at.y()); });
    if (doubleClick || event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint()))
        return;
    trap([&] { Apasat(); });
    trap([&] { Ridicat(); });
    trap([&] { emit Click(); });
}

void MuvButtons::mouseDoubleClickEvent(QMouseEvent *)
{
    // The second press of a double click is neither a press nor a click of this button.
    m_pressed = Part::None;
}

void MuvButtons::mouseMoveEvent(QMouseEvent *event)
{
    const Part part = partAt(event->position());
    const MouseArgs args = mouseArgs(*event, part == Part::None ? Part::Surface : part, event->buttons());
    MakeVizibil();
    ErrorTrap trap(m_platform);
    trap([&] { emit MouseMove(args.buttons, args.shift, args.at.x(), args.at.y()); });
}

MuvButtons *MuvButtons::create(Platform &platform, QWidget *parent, const QRect &geometry, const QString &label,
                               int normal, int hover)
{
    auto *button = new MuvButtons(platform, parent);
    button->setGeometry(geometry);
    button->setTextLabel(label);
    button->setPoza1(normal);
    button->setPoza2(hover);
    button->setPoza(libraryPicture(normal));
    button->layoutContents();
    return button;
}
