#pragma once

#include "data/GridRows.h"

#include <QScrollBar>
#include <QString>
#include <QWidget>
#include <array>

class CimpData;
class Module1;
class Platform;

// The calendar grid: 21 consecutive days as a column of day cells, a scroll bar that moves the
// 21-day window over the whole table, lines between the weeks and the selected day framed.
// The table is read once per load into memory; scrolling and keys fill the cells from there.
class VisualControl : public QWidget
{
    Q_OBJECT

public:
    static constexpr int CellCount = 21;
    static constexpr int RowCapacity = GridRows::Capacity; // rows the grid can hold

    // Loads the table at once: the grid shows today (or row 10) when it is made.
    explicit VisualControl(Module1 &module, QWidget *parent = nullptr);
    ~VisualControl() override;

    // Clears every highlight and date colour and loads the table again, for a new variant.
    void Initializare();
    void LoadGrid();
    // Fills the cells for TopRecord.
    void RefreshPage();

    qint16 NumarInregistrare() const { return m_NumarInregistrare; }
    qint16 NumarInreg() const { return m_NumarInreg; }
    int Pozitie() const { return m_Pozitie; }
    QString AnulCurent() const { return m_AnulCurent; }
    void setAnulCurent(const QString &year) { m_AnulCurent = year; }
    QString BazaDeDate() const { return m_BazaDeDate; }
    void setBazaDeDate(const QString &name) { m_BazaDeDate = name; }

    // The state the selection is kept in, and what the grid shows, for the window and tests.
    CimpData &cell(int k) const;
    QScrollBar &scrollBar() const { return *VScroll1; }
    int SelectedCell() const { return m_SelectedCell; }
    qint16 CurrentRecord() const { return m_CurrentRecord; }
    QString SelectedKey() const { return m_SelectedKey; }
    QString yearCaption() const { return Text1; }
    // Pixel rows of the three week separators.
    std::array<int, 3> separatorRows() const;

    // What the cells raise, by cell index 1..21, with the key codes of InputCodes; public so that
    // tests can drive them directly.
    void cellClick(int i);
    void cellKeyDown(int i, int keyCode);
    void cellKeyPress(int i, int keyAscii);
    void VScroll1_Change(int value);

signals:
    // The year caption changed.
    void Change();
    void MouseMove(int button, int shift, double x, double y);
    void commentaryRequested();
    void searchRequested();
    void closeRequested();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createCells();
    void readTable();
    GridRows::Pass takeOrReadPass(int held);
    void showFirstPage();
    void fillCell(int k, int row);
    void highlight(int k);
    void unhighlight(int k);
    void selectCell(int i);
    void selectRow(int row);
    void setScrollValue(int value);
    void markWeeks();
    void refreshYearCaption();
    void setYearCaption(const QString &text);
    void focusLost(QWidget *old, QWidget *now);
    // Rows the grid shows: the table's, as far as the grid holds them.
    int rows() const;
    int scrollMaximum() const;
    int checkedCell(int k) const;
    // A row of the table the grid holds, 1..rows().
    int heldRow(int row) const;

    Module1 &m;
    Platform &m_platform;
    std::array<CimpData *, CellCount + 1> CimpData1{}; // index 1..21
    QScrollBar *VScroll1;

    qint16 m_CurrentRecord = 0;
    int m_SelectedCell = -1;
    QString m_SelectedKey;
    int TopRecord = 0;
    bool Initialised = false;
    qint16 m_NumarInregistrare = 0;
    qint16 m_NumarInreg = 0;
    int m_Pozitie = 0;
    QString m_AnulCurent;
    QString m_BazaDeDate = QStringLiteral("0");
    QString Text1 = QStringLiteral("Text1"); // the year caption
    std::array<int, 3> m_separatorTwips{};   // Y of each week separator
};
