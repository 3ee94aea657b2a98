#pragma once

#include <QWidget>
#include <array>

class HoverGroup;
class Module1;
class MuvButtons;
class QPrinter;
class QTextEdit;

// The commentary window: the formatted commentary of the day selected in the main window's
// grid, with Print, Help and Close. It keeps no day of its own: whenever it becomes the active
// program window with an empty text area it reads the grid's selected day; when another program
// window becomes active it empties the text area, so that it shows the then selected day next.
class Form3 : public QWidget
{
    Q_OBJECT

public:
    explicit Form3(Module1 &module);

    // Puts a stored commentary into the text area: an RTF document with its formatting, any
    // other text unchanged as plain text. A caller that fills the text before showing the
    // window (the search window) keeps the window from reading the grid's day.
    void setCommentary(const QString &stored);
    bool textEmpty() const;
    QTextEdit &text() const { return *List1; }
    MuvButtons &button(int index) const { return *m_buttons.at(index); } // 0 Print, 1 Help, 2 Close

    void Form_Activate();
    void Form_Deactivate();
    void cmdPrint_Click();
    void Form_Resize();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void connectControls();
    void readCommentary();
    void printOn(QPrinter &printer) const;
    void fitBevel();
    void layoutContinuously(int clientWidth, int clientHeight);
    void layoutAtTheEnd();
    void placePanelAndText(int clientWidth, int clientHeight);

    Module1 &m;
    QWidget *Picture1 = nullptr; // the panel under the text, its picture at the left
    QTextEdit *List1 = nullptr;
    MuvButtons *cmdPrint = nullptr;
    MuvButtons *cmdHelp = nullptr;
    MuvButtons *cmdClose = nullptr;
    std::array<MuvButtons *, 3> m_buttons{};
    HoverGroup *m_hover = nullptr;
    QRect m_bevel; // the panel's rectangle the bevel is drawn around, in pixels
};
