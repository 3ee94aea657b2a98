#pragma once

#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <array>

class Module1;
class QLabel;
class QPushButton;

// The about window: the program's name and version, a notice and the animated emblem. The
// emblem turns as long as the window is loaded, hidden or not, and starts again at its first
// picture each time the window becomes the active one; a click on it opens the credits.
class frmAboutReg : public QWidget
{
    Q_OBJECT

public:
    explicit frmAboutReg(Module1 &module);

    QLabel &emblem() const { return *Image1; }
    QLabel &title() const { return *Label1; }
    QLabel &notice() const { return *Label2; }
    QPushButton &closeButton() const { return *Command3; }
    QTimer &timer() { return Timer1; }
    // The frame the next tick shows (1..16; 0 until the first activation).
    int frame() const { return m_frame; }
    // The frame the emblem shows now.
    int shownFrame() const { return m_shownFrame; }

    void Form_Activate();
    void Timer1_Timer();
    void Image1_Click();
    void Command3_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Module1 &m;
    QLabel *Image1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QPushButton *Command3 = nullptr;
    std::array<QPixmap, 16> SiglaAbout; // the emblem's frames 1..16
    QTimer Timer1;
    qint16 m_frame = 0;
    int m_shownFrame = 0;
};
