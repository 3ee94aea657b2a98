#pragma once

#include <QWidget>
#include <array>

class HoverGroup;
class Module1;
class MuvButtons;
class QComboBox;
class QLineEdit;
class VisualControl;

// The main calendar window: the grid, the calendar variant box, the year line and four picture
// buttons. Loaded hidden at start-up and shown from the tray.
class Form2 : public QWidget
{
    Q_OBJECT

public:
    explicit Form2(Module1 &module);

    VisualControl &grid() const { return *Visual; }
    QComboBox &variantBox() const { return *Combo1; }
    QLineEdit &yearLine() const { return *Text1; }
    MuvButtons &button(int index) const { return *m_buttons.at(index); } // 0 Comment .. 3 Close

    void Form_Activate();
    void Combo1_Click();
    void Form_Resize();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void connectControls();
    void Form_Load();
    void resizeRedrawingContinuously();
    void resizeAtTheEnd();
    void showCommentary();
    void showYear(const QString &year);
    void unloadSelf();

    Module1 &m;
    VisualControl *Visual = nullptr;
    MuvButtons *cmdComment = nullptr;
    MuvButtons *cmdSearch = nullptr;
    MuvButtons *cmdHelp = nullptr;
    MuvButtons *cmdClose = nullptr;
    std::array<MuvButtons *, 4> m_buttons{};
    HoverGroup *m_hover = nullptr;
    QComboBox *Combo1 = nullptr;
    QLineEdit *Text1 = nullptr;
};
