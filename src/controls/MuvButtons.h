#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QPoint>
#include <QString>
#include <QWidget>

class Platform;

// The picture button of the windows: a face with a four-line 3-D frame, a picture at the left
// and a caption at the right, centred together. It shows a normal and a hover picture from its
// own library of ten; the hover picture comes up when the mouse moves over it, the normal one
// when its window says so (MakeInvizibil). The button only looks after its looks and reports
// its mouse events and Click; what it does is its window's business.
class MuvButtons : public QWidget
{
    Q_OBJECT

public:
    explicit MuvButtons(Platform &platform, QWidget *parent = nullptr);

    void MakeVizibil();
    void MakeInvizibil();
    void Apasat();
    void Ridicat();

    QString TextLabel() const { return m_caption; }
    void setTextLabel(const QString &text);
    int Poza1() const { return m_poza1; }
    void setPoza1(int index) { m_poza1 = index; }
    int Poza2() const { return m_poza2; }
    void setPoza2(int index) { m_poza2 = index; }
    bool PeButon() const { return m_peButon; }
    void setPeButon(bool latched) { m_peButon = latched; }
    void setPoza(const QPixmap &picture);
    QPixmap Poza() const { return m_picture; }
    int shownPicture() const { return m_shownIndex; }

    // Centres picture and caption once; the host calls it after setting caption and pictures.
    // Later changes of the caption or the picture leave both where they are.
    void layoutContents();
    QPoint pictureTopLeftTwips() const { return m_pictureAt; }
    QPoint labelTopLeftTwips() const { return m_labelAt; }
    bool sunken() const { return m_frameShown && m_top == m_dark; }
    QColor LightColour() const { return m_light; }
    QColor DarkColour() const { return m_dark; }

    static QPixmap libraryPicture(int index);

    // A window's button: placed, captioned, with its pair of library pictures and the normal
    // one shown, laid out once.
    static MuvButtons *create(Platform &platform, QWidget *parent, const QRect &geometry, const QString &label,
                              int normal, int hover);

    QSize sizeHint() const override;

signals:
    void Click();
    void MouseDown(int button, int shift, double x, double y);
    void MouseUp(int button, int shift, double x, double y);
    void MouseMove(int button, int shift, double x, double y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    enum class Part { None, Surface, Picture, Label };

    void showLibraryPicture(int index);
    void setFrame(const QColor &topLeft, const QColor &bottomRight);
    QSize labelSizeTwips() const;
    QRectF partRect(Part part) const;
    Part partAt(const QPointF &pos) const;
    QPointF twipsWithin(Part part, const QPointF &pos) const;
    // What the mouse signals carry: the buttons and shift keys as InputCodes numbers, and the
    // place in the part, in twips.
    struct MouseArgs
    {
        int buttons;
        int shift;
        QPointF at;
    };
    MouseArgs mouseArgs(const QMouseEvent &event, Part part, Qt::MouseButtons buttons) const;

    Platform &m_platform;
    QFont m_font;
    QColor m_light;
    QColor m_dark;
    QColor m_top, m_bottom, m_left, m_right;
    bool m_frameShown = false;

    QPixmap m_picture;
    int m_shownIndex = 0;
    QString m_caption = QStringLiteral("Label1");
    int m_poza1 = 0;
    int m_poza2 = 0;
    bool m_peButon = false; // true once the normal picture is up, false once the hover one is
    QPoint m_pictureAt;
    QPoint m_labelAt;

    Part m_pressed = Part::None;
};
