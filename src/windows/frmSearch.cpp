#include "windows/frmSearch.h"

#include "artwork/ApplicationIcon.h"
#include "controls/DesignFont.h"
#include "controls/HoverGroup.h"
#include "controls/MuvButtons.h"
#include "core/ErrorTrap.h"
#include "core/Module1.h"
#include "core/Platform.h"
#include "core/Twips.h"
#include "data/CalendarSchema.h"
#include "data/DataError.h"
#include "data/RowWalk.h"
#include "data/VariantColumns.h"
#include "windows/Form3.h"
#include "windows/WindowPlacement.h"
#include "windows/WordStartMatcher.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <functional>

namespace {

// Design geometry, in twips.
constexpr int ClientWidth = 8460;
constexpr int ClientHeight = 3795;

constexpr HoverGroup::ButtonDesign Buttons[] = {{"Comment", 6660, 1200, 1650, 360, 1, 2},
                                                {"Help", 6660, 1770, 1650, 360, 5, 6},
                                                {"Close", 6660, 3270, 1650, 360, 7, 8}};

// Arial and MS Sans Serif 9.75 points.
constexpr int FontPixels = 13;

// A label of the window at its design place; where the font that stands in for the designed
// one is wider, it grows to the right instead of cutting its text off.
QLabel *addLabel(QWidget *window, const QString &text, const QFont &font, const QRect &design)
{
    auto *label = new QLabel(text, window);
    label->setFont(font);
    label->setGeometry(design.adjusted(0, 0, qMax(0, label->sizeHint().width() - design.width()), 0));
    return label;
}

int yearOf(const CalendarCursor &row)
{
    return row.date(CalendarSchema::Date).date().year();
}

// Visits every row of the shared cursor from the first to the end; a row that cannot be read is
// passed over. Its damage is reported once in the run, not on every keystroke.
void walkEveryRow(Module1 &m, const std::function<void(const CalendarCursor &)> &visit)
{
    if (!m.CalendarRs)
        throw DataError(QStringLiteral("The calendar is not open."));
    m.reportDamage(RowWalk::fromFirst(*m.CalendarRs, [&](const CalendarCursor &row, int) {
        visit(row);
        return RowWalk::Next::Continue;
    }));
}

} // namespace

frmSearch::frmSearch(Module1 &module) : m(module)
{
    setWindowTitle(QStringLiteral("Search"));
    setWindowIcon(ApplicationIcon::icon());
    // A fixed dialog border: a title and a close box, no sizing, no minimize or maximize box.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);
    createControls();
    connectControls();
    setFixedSize(Twips::px(ClientWidth), Twips::px(ClientHeight));
    WindowPlacement::centreOnScreen(*this);
    Form_Load();
}

void frmSearch::createControls()
{
    const QFont labelFont = DesignFont::sansSerif(QStringLiteral("Arial"), FontPixels, true);
    const QFont boxFont = DesignFont::sansSerif(QStringLiteral("MS Sans Serif"), FontPixels, false);

    Label1 = addLabel(this, QStringLiteral("1. Type the word(s) you want to find:"), labelFont,
                      Twips::rect(90, 121, 3982, 253));

    cmbSearch = new QLineEdit(this);
    cmbSearch->setFont(boxFont);
    cmbSearch->setGeometry(Twips::rect(90, 360, 6375, 330));
    cmbSearch->setAccessibleName(QStringLiteral("Words to find"));
    cmbSearch->installEventFilter(this);

    Combo1 = new QComboBox(this); // a drop-down list: the year is picked, never typed
    Combo1->setFont(boxFont);
    Combo1->setGeometry(Twips::rect(6690, 360, 1545, 360));
    Combo1->setAccessibleName(QStringLiteral("Year"));

    Label2 = addLabel(this, QStringLiteral("2. Search result:"), labelFont, Twips::rect(90, 816, 3984, 252));

    List1 = new QListWidget(this);
    List1->setFont(boxFont);
    List1->setGeometry(Twips::rect(90, 1170, 6375, 2460));
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    List1->setAccessibleName(QStringLiteral("Titles found"));
    List1->installEventFilter(this);

    m_hover = new HoverGroup(this);
    m_hover->watch(List1->viewport());
    m_buttons = m_hover->addButtons(m.platform(), Buttons);
    cmdComment = m_buttons[0];
    cmdHelp = m_buttons[1];
    cmdClose = m_buttons[2];

    setTabOrder(cmbSearch, Combo1);
    setTabOrder(Combo1, List1);
}

void frmSearch::connectControls()
{
    connect(cmbSearch, &QLineEdit::textChanged, this, &frmSearch::Search);
    connect(Combo1, &QComboBox::activated, this, &frmSearch::Combo1_Click);
    connect(List1, &QListWidget::itemDoubleClicked, this, &frmSearch::OpenCommentary);
    connect(cmdComment, &MuvButtons::Click, this, &frmSearch::OpenCommentary);
    connect(cmdHelp, &MuvButtons::Click, this, &frmSearch::cmdHelp_Click);
    connect(cmdClose, &MuvButtons::Click, this, &frmSearch::cmdClose_Click);
    m.windows().onActivation(this, &frmSearch::Form_Activate);
}

// The year box offers every year of the table, from the year of its first row to the year of
// its last, and starts on the current year. A current year the table does not hold is
// reported; the search then finds nothing until the user picks a year.
void frmSearch::Form_Load()
{
    ErrorTrap trap(m.platform());
    const bool years = trap([&] { fillYears(); });
    const QString currentYear = QStringLiteral("%1").arg(m.platform().now().date().year(), 4, 10, QLatin1Char('0'));
    // Without any year in the box the failure above has said why; a second message would only
    // repeat it.
    if (years)
        trap([&] { selectYear(currentYear); });
    SearchYear = currentYear;
}

void frmSearch::fillYears()
{
    if (!m.CalendarRs)
        throw DataError(QStringLiteral("The calendar is not open."));
    CalendarCursor &rs = *m.CalendarRs;
    rs.MoveFirst();
    const int first = yearOf(rs);
    rs.MoveLast();
    const int last = yearOf(rs);
    for (int year = qMin(first, last); year <= qMax(first, last); ++year)
        Combo1->addItem(QStringLiteral("%1").arg(year, 4, 10, QLatin1Char('0')));
    // A combo box selects its first item by itself; the current year decides the selection.
    Combo1->setCurrentIndex(-1);
}

void frmSearch::selectYear(const QString &year)
{
    const int index = Combo1->findText(year, Qt::MatchExactly);
    if (index < 0)
        throw DataError(QStringLiteral("The calendar holds no days of %1: choose one of its years.").arg(year));
    Combo1->setCurrentIndex(index);
}

void frmSearch::Search()
{
    ErrorTrap trap(m.platform());
    trap([&] {
        if (List1->count() > 0)
            List1->clear();
    });
    trap([&] { SearchText = cmbSearch->text(); });
    trap([&] {
        const WordStartMatcher matcher(SearchText);
        const int year = SearchYear.toInt();
        QStringList found;
        walkEveryRow(m, [&](const CalendarCursor &row) {
            const std::optional<QString> title = VariantColumns::searchTitle(row, m.CalendarVariant);
            if (title && matcher.matches(*title) && yearOf(row) == year)
                found << *title;
        });
        List1->addItems(found);
    });
}

void frmSearch::Combo1_Click()
{
    ErrorTrap trap(m.platform());
    trap([&] { SearchYear = Combo1->currentText(); });
    Search();
}

// The listed titles carry no row: the title is looked up again in the chosen year. Every row is
// compared, so of two days with the same title the later one supplies the commentary.
void frmSearch::OpenCommentary()
{
    ErrorTrap trap(m.platform());
    std::optional<QString> commentary;
    trap([&] {
        const QList<QListWidgetItem *> selected = List1->selectedItems();
        if (selected.isEmpty())
            return; // nothing chosen: no title can match
        const QString wanted = selected.first()->text();
        const int year = SearchYear.toInt();
        walkEveryRow(m, [&](const CalendarCursor &row) {
            const std::optional<QString> title = VariantColumns::searchTitle(row, m.CalendarVariant);
            if (title && *title == wanted && yearOf(row) == year)
                commentary = VariantColumns::searchCommentary(row, m.CalendarVariant);
        });
    });
    // Nothing matched: the commentary window shows the day selected in the main window.
    trap([&] {
        if (commentary)
            m.windows().window<Form3>().setCommentary(*commentary);
    });
    trap([&] { m.windows().show<Form3>(); });
}

// Coming back to the window (from the commentary, for instance) shows the words typed before
// over an empty list; the next change of the words or of the year fills it again.
void frmSearch::Form_Activate()
{
    ErrorTrap trap(m.platform());
    trap([&] { cmbSearch->setFocus(); });
    trap([&] { List1->clear(); });
}

void frmSearch::cmdHelp_Click()
{
    ErrorTrap trap(m.platform());
    trap([&] { cmbSearch->setFocus(); });
    trap([&] { m.platform().launchHelp(HelpWindowStyle::Normal); });
}

void frmSearch::cmdClose_Click()
{
    ErrorTrap trap(m.platform());
    trap([&] { hide(); });
    trap([&] { List1->clear(); });
}

QStringList frmSearch::listedTitles() const
{
    QStringList titles;
    for (int i = 0; i < List1->count(); ++i)
        titles << List1->item(i)->text();
    return titles;
}

bool frmSearch::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == cmbSearch || watched == List1) && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Escape) {
            hide(); // the list stays as it is
            return true;
        }
        if (watched == List1 && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            OpenCommentary();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// Closing the window by its title bar unloads it: the next show starts from the current year.
void frmSearch::closeEvent(QCloseEvent *event)
{
    event->accept();
    m.windows().unload<frmSearch>();
}
