#include "controls/VisualControl.h"

#include "controls/CimpData.h"
#include "controls/GridPaging.h"
#include "controls/InputCodes.h"
#include "core/ErrorTrap.h"
#include "core/Module1.h"
#include "core/Platform.h"
#include "core/Twips.h"
#include "data/CalendarSchema.h"
#include "data/DataError.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace {

// Design geometry, in twips.
constexpr int GridWidth = 6870;
constexpr int GridHeight = 7035;
constexpr int CellLeft = 60;
constexpr int CellTop = 60;
constexpr int CellPitch = 330;
constexpr int CellHeight = 285;
constexpr int CellWidthMargin = 395; // cell width = grid width - this
constexpr int ScrollWidth = 255;
constexpr int ScrollTop = 6;
constexpr int ScrollGap = 2;
constexpr int SeparatorLeft = 30;
constexpr int SeparatorBelowCell = 18; // the separator lies in the gap above the Sunday
constexpr int RightEdgeInset = 30;

const QColor SundayColour(128, 0, 0);
const QColor ActiveBorderColour(180, 180, 180);
const QString YearCaptionPrefix = QStringLiteral("Current year is ");

constexpr int cellTopTwips(int k)
{
    return CellTop + CellPitch * (k - 1);
}

bool isMonday(const CimpData &cell)
{
    return cell.Caption1().startsWith(u'M');
}

} // namespace

VisualControl::VisualControl(Module1 &module, QWidget *parent)
    : QWidget(parent), m(module), m_platform(module.platform()), VScroll1(new QScrollBar(Qt::Vertical, this))
{
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAccessibleName(QStringLiteral("Calendar"));
    setAccessibleDescription(QStringLiteral(
        "21 days of the liturgical calendar; arrows, Page Up, Page Down, Home and End move the selection"));
    setFixedHeight(Twips::px(GridHeight));
    resize(Twips::px(GridWidth), Twips::px(GridHeight));

    VScroll1->setRange(1, 1441);
    VScroll1->setSingleStep(1);
    VScroll1->setPageStep(CellCount);
    VScroll1->setTracking(false); // the page follows the value, not a drag in progress
    // Clicked or dragged, the scroll bar takes the keyboard: its own keys (F3, Esc, Enter)
    // work, and the arrows move the page rather than a cell that may be out of view.
    VScroll1->setFocusPolicy(Qt::ClickFocus);
    VScroll1->setAccessibleName(QStringLiteral("Days"));
    VScroll1->installEventFilter(this);
    connect(VScroll1, &QScrollBar::valueChanged, this, &VisualControl::VScroll1_Change);
    connect(qApp, &QApplication::focusChanged, this, &VisualControl::focusLost);

    createCells();
    LoadGrid();
}

// A top-level grid changes the application's focus while QWidget takes it down; by then the
// grid must no longer hear of focus changes.
VisualControl::~VisualControl()
{
    disconnect(qApp, nullptr, this, nullptr);
}

void VisualControl::createCells()
{
    for (int k = 1; k <= CellCount; ++k) {
        auto *cell = new CimpData(m_platform, this);
        CimpData1[k] = cell;
        cell->setGeometry(Twips::px(CellLeft), Twips::px(cellTopTwips(k)), Twips::px(GridWidth - CellWidthMargin),
                          Twips::px(CellHeight));
        connect(cell, &CimpData::Click, this, [this, k] { cellClick(k); });
        connect(cell, &CimpData::DblClick, this, &VisualControl::commentaryRequested);
        connect(cell, &CimpData::KeyDown, this, [this, k](int *keyCode, int) { cellKeyDown(k, *keyCode); });
        connect(cell, &CimpData::KeyPress, this, [this, k](int *keyAscii) { cellKeyPress(k, *keyAscii); });
        connect(cell, &CimpData::MouseMove, this, &VisualControl::MouseMove);
    }
}

CimpData &VisualControl::cell(int k) const
{
    return *CimpData1.at(checkedCell(k));
}

int VisualControl::checkedCell(int k) const
{
    if (k < 1 || k > CellCount)
        throw DataError(QStringLiteral("Subscript out of range: there is no cell %1 in the calendar grid.").arg(k));
    return k;
}

int VisualControl::rows() const
{
    return std::clamp(int(m.LastRowId), 0, RowCapacity);
}

int VisualControl::scrollMaximum() const
{
    // The last page starts 20 rows before the last row (1441 for four years of 1461 days).
    return qMax(1, rows() - (CellCount - 1));
}

void VisualControl::Initializare()
{
    ErrorTrap trap(m_platform);
    for (int k = 1; k <= CellCount; ++k) {
        trap([&] {
            CimpData1[k]->setColor1(Qt::black);
            CimpData1[k]->setSelectat(false);
            CimpData1[k]->UnPaint();
        });
    }
    LoadGrid();
}

void VisualControl::LoadGrid()
{
    ErrorTrap trap(m_platform);
    trap([&] {
        if (m.LastRowId == 0)
            m.LastRowId = 100; // a table whose end was not found: assume a short one
        Initialised = false;
        m_SelectedCell = 10;
        selectRow(10);
        m_NumarInreg = m_CurrentRecord;
        VScroll1->setMaximum(scrollMaximum());
    });
    trap([&] { readTable(); });
    trap([&] {
        // Today's row, or row 10 when today is not in the table.
        if (m.TodayRowId != 0)
            selectRow(heldRow(m.TodayRowId));
        m_NumarInreg = m_CurrentRecord;
    });
    trap([&] { showFirstPage(); });
    trap([&] { highlight(m_SelectedCell); });
    trap([&] { m_SelectedKey = cell(m_SelectedCell).Caption1() + cell(m_SelectedCell).Caption2(); });
    trap([&] { markWeeks(); });
    Initialised = true;
    trap([&] { refreshYearCaption(); });
    update();
}

// The rows the grid holds, from start-up's pass over the table or from one of our own. The first
// damaged value is reported once in the run, the colour codes that cannot colour anything once
// per load.
void VisualControl::readTable()
{
    const int held = rows();
    const GridRows::Pass pass = takeOrReadPass(held);
    m.reportDamage(pass.damage);
    if (const GridRows::BadColours &bad = pass.badColours; bad.count > 0)
        ErrorTrap(m_platform)
            .report(QStringLiteral("The colour code \"%1\" of row %2%3 cannot be read: a code is a digit, or a "
                                   "digit, \";\" and a digit. Those days are shown in black.")
                        .arg(bad.first)
                        .arg(bad.firstRow)
                        .arg(bad.count > 1 ? QStringLiteral(" (and of %1 more rows)").arg(bad.count - 1) : QString()));
    if (pass.read < held)
        throw DataError(
            QStringLiteral("The calendar table ends after %1 rows; %2 were expected.").arg(pass.read).arg(held));
    if (m.LastRowId > held)
        throw DataError(
            QStringLiteral("Subscript out of range: there is no row %1 in the calendar grid, which holds %2 days.")
                .arg(held + 1)
                .arg(held));
}

// The pass start-up made for this variant, when there is one; else a pass of our own.
GridRows::Pass VisualControl::takeOrReadPass(int held)
{
    std::optional<Module1::GridPass> pending;
    pending.swap(m.PendingGridPass);
    if (pending && pending->variant == m.CalendarVariant)
        return pending->pass;
    auto rs = m.CalendarDb ? m.CalendarDb->openTable(CalendarSchema::TableName) : nullptr;
    if (!rs)
        throw DataError(QStringLiteral("The calendar database is not open."));
    return m.CalendarRows.read(*rs, m.CalendarVariant, held);
}

void VisualControl::fillCell(int k, int row)
{
    const GridRow &day = m.CalendarRows.at(row);
    CimpData &c = *CimpData1[k];
    c.setCaption2(day.event);
    c.setCaption1(day.date);
    c.setColor2(day.colours);
}

// The first page is placed around the selected row: in the middle (cell 10), on the first page,
// or on the last page when the row is near either end.
void VisualControl::showFirstPage()
{
    const int top = std::clamp(m_CurrentRecord - 9, 1, scrollMaximum());
    const int selected = checkedCell(m_CurrentRecord - top + 1);
    for (int k = 1; k <= CellCount; ++k) {
        fillCell(k, top + k - 1);
        CimpData1[k]->Formateaza();
    }
    VScroll1->setValue(top); // no refill: the grid is not initialised yet
    m_SelectedCell = selected;
}

void VisualControl::RefreshPage()
{
    if (TopRecord <= scrollMaximum()) {
        for (int k = 1; k <= CellCount; ++k)
            fillCell(k, TopRecord + k - 1);
    }
    for (int k = 1; k <= CellCount; ++k)
        CimpData1[k]->Formateaza();
}

void VisualControl::highlight(int k)
{
    CimpData &c = cell(k);
    c.setSelectat(true);
    c.Paint();
}

void VisualControl::unhighlight(int k)
{
    CimpData &c = cell(k);
    c.setSelectat(false);
    c.UnPaint();
}

// A week separator lies above every Sunday, and the Sunday's date is dark red. A Sunday is the
// day before a Monday; the 21 cells are three whole weeks, so the day before cell 1 has the
// weekday of cell 21 and its separator is drawn below cell 21.
void VisualControl::markWeeks()
{
    int n = 0;
    auto mark = [&](int sunday, int separatorBelow) {
        if (n >= int(m_separatorTwips.size()))
            return; // more Mondays than three weeks can hold: the data is wrong, mark no more
        m_separatorTwips[n++] = cellTopTwips(separatorBelow) + CellHeight + SeparatorBelowCell;
        CimpData1[sunday]->setColor1(SundayColour);
    };
    if (isMonday(*CimpData1[2]))
        mark(1, CellCount);
    if (isMonday(*CimpData1[1]))
        mark(CellCount, CellCount - 1);
    for (int k = 3; k <= CellCount; ++k) {
        if (isMonday(*CimpData1[k]))
            mark(k - 1, k - 2);
    }
    update();
}

std::array<int, 3> VisualControl::separatorRows() const
{
    std::array<int, 3> rows{};
    for (size_t i = 0; i < rows.size(); ++i)
        rows[i] = Twips::px(m_separatorTwips[i]);
    return rows;
}

void VisualControl::refreshYearCaption()
{
    m_AnulCurent = m.CalendarRows.at(m_CurrentRecord).year;
    setYearCaption(YearCaptionPrefix + m_AnulCurent);
}

void VisualControl::setYearCaption(const QString &text)
{
    if (text == Text1)
        return;
    Text1 = text;
    emit Change();
}

void VisualControl::VScroll1_Change(int value)
{
    if (!Initialised)
        return;
    ErrorTrap trap(m_platform);
    trap([&] { TopRecord = value; });
    trap([&] {
        if (m_SelectedCell == -1)
            return;
        bool any = false;
        for (int k = 1; k <= CellCount; ++k) {
            if (CimpData1[k]->Selectat()) {
                unhighlight(k);
                any = true;
            }
        }
        if (any)
            m_SelectedCell = -1;
    });
    trap([&] { RefreshPage(); });
    trap([&] {
        // The selected day is found again by its texts; it may have left the window.
        for (int k = 1; k <= CellCount; ++k) {
            CimpData &c = *CimpData1[k];
            if (c.Caption1() + c.Caption2() == m_SelectedKey) {
                highlight(k);
                c.setFocus();
                m_SelectedCell = k;
                break;
            }
        }
    });
    trap([&] {
        for (int k = 1; k <= CellCount; ++k)
            CimpData1[k]->setColor1(Qt::black);
        markWeeks();
    });
    trap([&] { RefreshPage(); });
}

void VisualControl::setScrollValue(int value)
{
    VScroll1->setValue(value);
}

// Selects cell i: the previous highlight goes, cell i is highlighted and holds the focus, and
// the selected row is the one cell i shows.
void VisualControl::selectCell(int i)
{
    checkedCell(i);
    const int row = GridRows::checked(i + VScroll1->value() - 1);
    if (m_SelectedCell != -1)
        unhighlight(m_SelectedCell);
    CimpData &c = *CimpData1[i];
    c.Paint();
    c.setSelectat(true);
    m_SelectedCell = i;
    selectRow(row);
    m_SelectedKey = c.Caption1() + c.Caption2();
    c.setFocus();
}

void VisualControl::selectRow(int row)
{
    m_CurrentRecord = qint16(row);
    m_NumarInregistrare = m_CurrentRecord;
}

int VisualControl::heldRow(int row) const
{
    if (row < 1 || row > rows())
        throw DataError(QStringLiteral("Subscript out of range: there is no row %1 in the calendar grid.").arg(row));
    return row;
}

void VisualControl::cellClick(int i)
{
    ErrorTrap trap(m_platform);
    trap([&] { selectCell(i); });
    trap([&] { refreshYearCaption(); });
}

void VisualControl::cellKeyDown(int i, int keyCode)
{
    ErrorTrap trap(m_platform);
    trap([&] {
        if (keyCode == InputCodes::F3) {
            m_Pozitie = m_SelectedCell;
            emit searchRequested();
            return;
        }
        const GridPaging::Move move =
            GridPaging::forKey(keyCode, {i, VScroll1->value(), m_CurrentRecord, rows(), VScroll1->maximum()});
        if (move.top)
            setScrollValue(*move.top);
        if (move.cell)
            selectCell(*move.cell);
    });
    // Whatever the key, the year line follows the selected row.
    trap([&] { refreshYearCaption(); });
}

void VisualControl::cellKeyPress(int, int keyAscii)
{
    if (keyAscii == InputCodes::Escape) {
        emit closeRequested();
    } else if (keyAscii == InputCodes::Return) {
        m_Pozitie = m_SelectedCell;
        emit commentaryRequested();
    }
}

bool VisualControl::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == VScroll1 && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (InputCodes::keyCode(key->key()) == InputCodes::F3) {
            emit searchRequested();
            return true;
        }
        switch (InputCodes::keyAscii(*key)) {
        case InputCodes::Escape:
            emit closeRequested();
            return true;
        case InputCodes::Return:
            emit commentaryRequested();
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void VisualControl::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    if (m_SelectedCell >= 1 && m_SelectedCell <= CellCount)
        CimpData1[m_SelectedCell]->setFocus();
}

// Leaving the grid (for another control or window) remembers the highlighted cell.
void VisualControl::focusLost(QWidget *old, QWidget *now)
{
    const auto inside = [this](QWidget *w) { return w && (w == this || isAncestorOf(w)); };
    if (inside(old) && !inside(now))
        m_Pozitie = m_SelectedCell;
}

void VisualControl::mouseMoveEvent(QMouseEvent *event)
{
    emit MouseMove(int(event->buttons()), int(event->modifiers()), Twips::toTwips(event->position().x()),
                   Twips::toTwips(event->position().y()));
}

void VisualControl::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const int widthTwips = int(Twips::toTwips(width()));
    for (int k = 1; k <= CellCount; ++k)
        CimpData1[k]->resize(Twips::px(widthTwips - CellWidthMargin), Twips::px(CellHeight));
    VScroll1->setGeometry(Twips::px(widthTwips - ScrollGap - ScrollWidth), Twips::px(ScrollTop), Twips::px(ScrollWidth),
                          height() - Twips::px(2 * ScrollTop));
}

void VisualControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int w = width();
    const int h = height();
    // The frame: dark top and left edges, light right and bottom edges.
    painter.setPen(QPen(Qt::black, 2));
    painter.drawLine(0, 0, w, 0);
    painter.drawLine(0, h, 0, 0);
    painter.setPen(QPen(ActiveBorderColour, 3));
    const int right = Twips::px(Twips::toTwips(w) - RightEdgeInset);
    painter.drawLine(right, 0, right, h);
    painter.drawLine(0, h - 1, w, h - 1);
    painter.setPen(QPen(Qt::black, 2));
    for (int y : separatorRows())
        painter.drawLine(Twips::px(SeparatorLeft), y, w, y);
}
