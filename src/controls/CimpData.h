#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QRectF>
#include <QString>
#include <QWidget>

class Platform;
class QTimer;

// One day of the calendar as one row of the grid: the date text at the left, the celebration
// at the right in one colour or in two colours split after the first ";", and — while the grid
// has it selected — a dotted frame whose dots move every 150 ms. The cell knows nothing about
// dates or the database: the grid hands it texts and a colour code and passes on its events.
//
// The cell draws itself. It keeps the state of the text boxes it models: the celebration text
// lives in a two-colour box (Text2, per-character colours) and a one-colour box (Text3), and
// only Formateaza copies the text from one to the other and decides which of them shows.
class CimpData : public QWidget
{
    Q_OBJECT

public:
    explicit CimpData(Platform &platform, QWidget *parent = nullptr);

    QString Caption1() const { return m_date; }
    void setCaption1(const QString &text);
    QString Caption2() const { return m_text2; }
    void setCaption2(const QString &text);
    QColor color1() const { return m_dateColour; }
    void setColor1(const QColor &colour);
    QString color2() const { return m_colourCode; }
    void setColor2(const QString &code) { m_colourCode = code; }
    bool Selectat() const { return m_selected; }
    void setSelectat(bool selected);
    bool FramePhase() const { return m_framePhase; }

    void Paint();
    void UnPaint();
    void Formateaza();

    bool showsTwoColours() const { return m_text2Visible; }
    QString shownText() const;
    QColor textColourAt(int index) const;
    bool frameVisible() const { return m_visiblePhase != 0; }
    int visiblePhase() const { return m_visiblePhase; }
    // Where the celebration text is drawn, in pixels of the cell.
    QRectF celebrationBox() const { return m_celebrationBox; }

    // The colour a digit of a colour code (ColourCode) stands for.
    static QColor colourForCode(int n);

    QSize sizeHint() const override;

signals:
    void MouseDown(int button, int shift, double x, double y);
    void MouseMove(int button, int shift, double x, double y);
    void KeyDown(int *keyCode, int shift);
    void Click();
    void DblClick();
    void KeyPress(int *keyAscii);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    enum class Area { None, Surface, Date, Celebration };

    Area areaAt(const QPointF &pos) const;
    // Raises Click or DblClick for a click on an area.
    void clicked(Area area, void (CimpData::*signal)());
    void handleKey(QKeyEvent &event);
    void setText2(const QString &text, const QList<QRgb> &colours);
    void recolourText2(int from, QRgb colour);
    void formatOneColour(const QString &code);
    void formatTwoColours(const QString &code);
    void showPhase(int phase);
    void onTick();
    void refreshAccessibleName();
    QRect dateRect() const;
    QRect celebrationRect() const;
    QRegion frameRegion() const;
    void paintText(QPainter &painter, const QRect &box, const QFont &font, const QString &text,
                   const QList<QRgb> &colours) const;
    void paintFrame(QPainter &painter) const;

    Platform &m_platform;
    QTimer *m_timer;
    QFont m_dateFont;
    QFont m_textFont;

    QString m_date;
    QColor m_dateColour;
    QString m_text2;            // the two-colour box: Caption2 …
    QList<QRgb> m_text2Colours; // … and the colour of each of its characters
    QRgb m_insertColour;        // what text put into the two-colour box is drawn in
    QString m_text3;            // the one-colour box
    QColor m_text3Colour;
    bool m_text2Visible = true;
    bool m_text3Visible = true;
    QString m_colourCode = QStringLiteral("0");
    QRectF m_celebrationBox;

    bool m_selected = false;
    bool m_framePhase = false; // false: phase A is the next one Paint shows
    int m_visiblePhase = 0;    // 0 none, 1 phase A, 2 phase B

    Area m_pressed = Area::None;
};
