#pragma once

#include <QFrame>
#include <QTimer>

class Module1;
class QLabel;

// The credits: a small box without a title bar that names the people who contributed to the
// program. A click or Escape hides it, and so does its timer, which runs at a fixed period from
// the window's load on: a box shown again just before a tick goes away almost at once.
class frmAutori : public QFrame
{
    Q_OBJECT

public:
    explicit frmAutori(Module1 &module);

    QLabel &heading() const { return *Label1; }
    QLabel &names() const { return *Label2; }
    QTimer &timer() { return Timer1; }

    void Timer1_Timer();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    Module1 &m;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QTimer Timer1;
};
