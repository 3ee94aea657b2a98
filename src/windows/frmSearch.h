#pragma once

#include <QString>
#include <QWidget>
#include <array>

class HoverGroup;
class Module1;
class MuvButtons;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;

// The search window: lists the titles of the days of one year that hold the typed words at the
// beginning of a word, and opens the commentary of a listed day in the commentary window. The
// search runs on every change of the words and every pick of a year, over the whole table.
class frmSearch : public QWidget
{
    Q_OBJECT

public:
    explicit frmSearch(Module1 &module);

    QLineEdit &searchBox() const { return *cmbSearch; }
    QComboBox &yearBox() const { return *Combo1; }
    QListWidget &results() const { return *List1; }
    MuvButtons &button(int index) const { return *m_buttons.at(index); } // 0 Comment, 1 Help, 2 Close
    // The titles listed now, in order.
    QStringList listedTitles() const;

    QString SearchYear;
    QString SearchText;

    void Search();
    void Combo1_Click();
    void OpenCommentary();
    void Form_Activate();
    void cmdHelp_Click();
    void cmdClose_Click();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void connectControls();
    void Form_Load();
    void fillYears();
    void selectYear(const QString &year);

    Module1 &m;
    QLabel *Label1 = nullptr;
    QLineEdit *cmbSearch = nullptr;
    QComboBox *Combo1 = nullptr;
    QLabel *Label2 = nullptr;
    QListWidget *List1 = nullptr;
    MuvButtons *cmdComment = nullptr;
    MuvButtons *cmdHelp = nullptr;
    MuvButtons *cmdClose = nullptr;
    std::array<MuvButtons *, 3> m_buttons{};
    HoverGroup *m_hover = nullptr;
};
