// The about window with its animated emblem, and the credits box it opens.
#include "artwork/Emblem.h"
#include "support/ShellHarness.h"
#include "windows/Form2.h"
#include "windows/frmAboutReg.h"
#include "windows/frmAutori.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {

struct AboutHarness : ShellHarness
{
    AboutHarness()
    {
        writeDays(TestDatabase::days(QDate(2000, 1, 1), 60));
        platform.clock = QDateTime(QDate(2000, 1, 10), QTime(10, 0));
        load();
        platform.messages.clear();
    }
    frmAboutReg &shown() { return activate<frmAboutReg>(); }
    frmAutori &credits() { return module.windows().window<frmAutori>(); }
};

QList<int> tick(frmAboutReg &w, int times)
{
    QList<int> shown;
    for (int i = 0; i < times; ++i) {
        w.Timer1_Timer();
        shown << w.shownFrame();
    }
    return shown;
}

void clickOn(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

} // namespace

class TestAbout : public QObject
{
    Q_OBJECT

private slots:
    void emblemRunsInOrderAndRestartsOnActivation()
    {
        AboutHarness h;
        frmAboutReg &w = h.module.windows().window<frmAboutReg>();
        QVERIFY(w.timer().isActive() && w.timer().interval() == 300);
        w.timer().stop(); // the test ticks by hand

        QCOMPARE(tick(w, 2), QList<int>({1, 1})); // still until the first activation
        h.shown();
        QTRY_VERIFY(w.closeButton().hasFocus());
        QCOMPARE(tick(w, 18), QList<int>({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 1, 2}));
        QCOMPARE(w.emblem().pixmap().toImage(), Emblem::frame(2).toImage());

        // Hidden, it goes on turning; activated again, it starts over at the first picture.
        w.hide();
        QCOMPARE(tick(w, 3), QList<int>({3, 4, 5}));
        QVERIFY(QTest::qWaitForWindowActive(&h.module.windows().show<Form2>()));
        h.shown();
        QCOMPARE(tick(w, 2), QList<int>({1, 2}));
        QVERIFY(h.platform.messages.isEmpty());
    }

    void creditsOpenOnTheEmblemAndHide()
    {
        AboutHarness h;
        frmAboutReg &w = h.shown();
        // The emblem opens the credits centred on the about window, whose focus stays on Close.
        w.emblem().setFocus();
        clickOn(&w.emblem());
        frmAutori &c = h.credits();
        QVERIFY(c.isVisible());
        QCOMPARE(w.focusWidget(), &w.closeButton());
        QVERIFY((c.geometry().center() - w.frameGeometry().center()).manhattanLength() <= 2);

        // Close and Escape hide the about window, which stays loaded.
        h.shown();
        clickOn(&w.closeButton());
        QVERIFY(!w.isVisible());
        h.shown();
        QTRY_VERIFY(w.closeButton().hasFocus());
        QTest::keyClick(&w.closeButton(), Qt::Key_Escape);
        QVERIFY(!w.isVisible() && h.module.windows().isLoaded<frmAboutReg>());

        // A click anywhere on the credits hides them, and so does Escape.
        for (QWidget *target :
             {static_cast<QWidget *>(&c), static_cast<QWidget *>(&c.heading()), static_cast<QWidget *>(&c.names())}) {
            h.module.windows().show<frmAutori>();
            clickOn(target);
            QVERIFY(!c.isVisible());
        }
        h.module.windows().show<frmAutori>();
        QVERIFY(QTest::qWaitForWindowActive(&c));
        QTest::keyClick(&c, Qt::Key_Escape);
        QVERIFY(!c.isVisible() && h.module.windows().isLoaded<frmAutori>());
        QVERIFY(h.platform.messages.isEmpty());
    }

    void creditsTimerRunsFromLoadAndIsNotRestarted()
    {
        AboutHarness h;
        QElapsedTimer sinceLoad;
        sinceLoad.start();
        frmAutori &c = h.credits();

        // Shown four seconds after its load, the box goes at the timer's first tick, about a second
        // later, not five seconds after it appeared.
        QTest::qWait(4000);
        h.module.windows().show<frmAutori>();
        QVERIFY(c.isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!c.isVisible(), 3000);
        QVERIFY2(sinceLoad.elapsed() < 6000, qPrintable(QString::number(sinceLoad.elapsed())));
        QVERIFY(h.module.windows().isLoaded<frmAutori>() && c.timer().isActive());
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
