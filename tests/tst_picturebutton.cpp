// The picture button: the picture latch, centring, the frame and the order of its events.
#include "controls/ButtonLayout.h"
#include "controls/MuvButtons.h"
#include "support/FakePlatform.h"

#include <QtTest>

namespace {

void prepare(MuvButtons &button, const QString &caption, int normal, int hover)
{
    button.resize(110, 24);
    button.setTextLabel(caption);
    button.setPoza1(normal);
    button.setPoza2(hover);
    button.setPoza(MuvButtons::libraryPicture(normal));
    button.layoutContents();
}

} // namespace

class TestPictureButton : public QObject
{
    Q_OBJECT
    FakePlatform platform; // what the buttons of the running test report

private slots:
    void init() { platform.messages.clear(); }

    void centresWithHalvesToEven()
    {
        // A 110 x 24 px button, a 29 x 16 px picture, a caption 600 twips wide: x = 307.5.
        auto places = ButtonLayout::centre({1650, 360}, {435, 240}, {600, 225});
        QCOMPARE(places.picture, QPoint(258, 60));
        QCOMPARE(places.label, QPoint(793, 68));                            // 67.5 up to the even neighbour
        places = ButtonLayout::centre({1650, 360}, {435, 240}, {602, 227}); // x = 306.5, y = 66.5
        QCOMPARE(places.picture, QPoint(256, 60));
        QCOMPARE(places.label.y(), 66);
        QCOMPARE(ButtonLayout::roundHalfEven(-1.5), -2);
    }

    void layoutIsDoneOnce()
    {
        MuvButtons button(platform);
        prepare(button, QStringLiteral("Comment"), 1, 2);
        const QPoint picture = button.pictureTopLeftTwips();
        const QPoint label = button.labelTopLeftTwips();
        QCOMPARE(label.x() - picture.x(), 29 * 15 + 100);
        QCOMPARE(picture.y(), (360 - 240) / 2);
        button.setTextLabel(QStringLiteral("Close the window"));
        button.resize(200, 30);
        QCOMPARE(button.accessibleName(), QStringLiteral("Close the window"));
        QCOMPARE(button.pictureTopLeftTwips(), picture);
        QCOMPARE(button.labelTopLeftTwips(), label);
    }

    void pictureLatch_data()
    {
        QTest::addColumn<QString>("steps"); // V: the mouse moves over the button, I: its window resets it
        QTest::addColumn<QString>("shown"); // library index shown after each step
        // clang-format off
        QTest::newRow("first hover changes nothing") << "V"    << "0";
        QTest::newRow("window resets, then hover")   << "IV"   << "34";
        QTest::newRow("repeats change at most once") << "IIVV" << "3344";
        QTest::newRow("hover, reset, hover")         << "IVIV" << "3434";
        // clang-format on
    }

    void pictureLatch()
    {
        QFETCH(QString, steps);
        MuvButtons button(platform);
        prepare(button, QStringLiteral("Search"), 3, 4);
        button.show();
        QVERIFY(QTest::qWaitForWindowExposed(&button));
        QTest::mouseMove(&button, QPoint(4, 5)); // the mouse enters; at the start that changes nothing
        QCOMPARE(button.shownPicture(), 0);
        QString seen;
        int x = 5;
        for (QChar step : steps) {
            if (step == u'V')
                QTest::mouseMove(&button, QPoint(++x, 5));
            else
                button.MakeInvizibil();
            seen += QString::number(button.shownPicture());
            QCOMPARE(button.PeButon(), button.shownPicture() == 3);
        }
        QTEST(seen, "shown");
        QVERIFY(platform.messages.isEmpty());
    }

    void missingPictureIsReportedAndLatchStillMoves()
    {
        MuvButtons button(platform);
        const QPixmap before = MuvButtons::libraryPicture(5);
        button.setPoza(before);
        button.setPoza2(11);
        button.MakeInvizibil(); // Poza1 is still 0
        QCOMPARE(platform.messages.size(), 1);
        QVERIFY(button.PeButon());
        QCOMPARE(button.Poza().toImage(), before.toImage());
        button.MakeVizibil();
        QCOMPARE(platform.messages.size(), 2);
        QVERIFY(!button.PeButon());
        QCOMPARE(button.shownPicture(), 0);
    }

    void clickEventsAndFrame_data()
    {
        QTest::addColumn<int>("part"); // 0 face, 1 picture, 2 caption
        QTest::newRow("face") << 0;
        QTest::newRow("picture") << 1;
        QTest::newRow("caption") << 2;
    }

    void clickEventsAndFrame()
    {
        QFETCH(int, part);
        MuvButtons button(platform);
        prepare(button, QStringLiteral("Search"), 3, 4);
        const QPoint origin[] = {{}, button.pictureTopLeftTwips(), button.labelTopLeftTwips()};
        const QPoint inside = (origin[part] + QPoint(45, 45)) / 15; // 3 px into the part
        QStringList events;
        // Coordinates are the part's own, in twips; sunken while pressed, raised afterwards.
        connect(&button, &MuvButtons::MouseDown, &button, [&](int b, int, double x, double y) {
            events << QStringLiteral("down %1 %2,%3 %4")
                          .arg(b)
                          .arg(qRound(x / 15))
                          .arg(qRound(y / 15))
                          .arg(button.sunken());
        });
        connect(&button, &MuvButtons::MouseUp, &button,
                [&] { events << QStringLiteral("up %1").arg(button.sunken()); });
        connect(&button, &MuvButtons::Click, &button,
                [&] { events << QStringLiteral("click %1").arg(button.sunken()); });
        QTest::mouseClick(&button, Qt::LeftButton, {}, inside);
        const QPoint local = inside - origin[part] / 15;
        const QString down = QStringLiteral("down 1 %1,%2 1").arg(local.x()).arg(local.y());
        QCOMPARE(events, QStringList({down, "up 0", "click 0"}));
        events.clear();
        QTest::mouseClick(&button, Qt::RightButton, {}, inside);
        QCOMPARE(events.size(), 2); // no click for the right button
        events.clear();
        // The second press of a double click is neither a press nor a click.
        QTest::mouseDClick(&button, Qt::LeftButton, {}, inside);
        QTest::mouseRelease(&button, Qt::LeftButton, {}, inside);
        QCOMPARE(events, QStringList({"up 0"}));
    }
};

QTEST_MAIN(TestPictureButton)
#include "tst_picturebutton.moc"
