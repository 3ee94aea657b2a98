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
//
// Loading makes the grid, which reads the calendar at once. The buttons, the variant box and
// the year line are made when the window is first shown (or first asked for): laying out their
// text would load their fonts before the tray icon is added, for a window that may never be
// opened. Until then the window keeps the year it would show.
class Form2 : public QWidget
{
    Q_OBJECT

public:
    explicit Form2(Module1 &module);

    VisualControl &grid() const { return *Visual; }
    QComboBox &variantBox();
    QLineEdit &yearLine();
    MuvButtons &button(int index); // 0 Comment .. 3 Close

    void setVisible(bool visible) override;

    void Form_Activate();
    void Combo1_Click();
    void Form_Resize();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createGrid();
    void connectGrid();
    void ensureControls();
    void createControls();
    void connectControls();
    void Form_Load();
    void showVariant();
    void resizeRedrawingContinuously();
    void resizeAtTheEnd();
    void showCommentary();
    void showYear(const QString &year);
    void applyYear();
    void showSearch();
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
    QString m_yearText; // what the year line shows, kept while it is not made yet
};
