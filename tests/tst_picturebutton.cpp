// The picture button: the picture latch, centring, the frame and the order of its events; the
// picture library.
#include "controls/ButtonLayout.h"
#include "controls/MuvButtons.h"
#include "support/FakePlatform.h"

#include <QImage>
#include <QtTest>
#include <stdexcept>

class TestPictureButton : public QObject
{
    Q_OBJECT

private slots:
    void roundsHalvesToEven_data();
    void roundsHalvesToEven();
    void centresPictureAndCaption();
    void layoutIsDoneOnce();
    void pictureLatch_data();
    void pictureLatch();
    void missingPictureIsReportedAndLatchStillMoves();
    void clickEventsAndFrame_data();
    void clickEventsAndFrame();
    void doubleClickIsOneClick();
    void frameIsDrawn();
    void library_data();
    void library();
};

void TestPictureButton::roundsHalvesToEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("rounded");
    QTest::newRow("307.5") << 307.5 << 308;
    QTest::newRow("306.5") << 306.5 << 306;
    QTest::newRow("0.5") << 0.5 << 0;
    QTest::newRow("-0.5") << -0.5 << 0;
    QTest::newRow("-1.5") << -1.5 << -2;
    QTest::newRow("2.4") << 2.4 << 2;
    QTest::newRow("2.6") << 2.6 << 3;
}

void TestPictureButton::roundsHalvesToEven()
{
    QFETCH(double, value);
    QFETCH(int, rounded);
    QCOMPARE(ButtonLayout::roundHalfEven(value), rounded);
}

void TestPictureButton::centresPictureAndCaption()
{
    // A 110 x 24 px button, a 29 x 16 px picture, a caption 600 twips wide.
    const auto places = ButtonLayout::centre({1650, 360}, {435, 240}, {600, 225});
    QCOMPARE(places.picture, QPoint(258, 60));
    QCOMPARE(places.label, QPoint(793, 68)); // 67.5 to the even neighbour
}

void TestPictureButton::layoutIsDoneOnce()
{
    FakePlatform platform;
    MuvButtons button(platform);
    button.resize(110, 24);
    button.setTextLabel(QStringLiteral("Comment"));
    button.setPoza(MuvButtons::libraryPicture(1));
    button.layoutContents();
    const QPoint picture = button.pictureTopLeftTwips();
    const QPoint label = button.labelTopLeftTwips();
    QCOMPARE(label.x() - picture.x(), 29 * 15 + 100);
    QCOMPARE(picture.y(), (360 - 240) / 2);
    QVERIFY(picture.x() > 0);
    button.setTextLabel(QStringLiteral("Close the window"));
    button.resize(200, 30);
    QCOMPARE(button.TextLabel(), QStringLiteral("Close the window"));
    QCOMPARE(button.accessibleName(), QStringLiteral("Close the window"));
    QCOMPARE(button.pictureTopLeftTwips(), picture);
    QCOMPARE(button.labelTopLeftTwips(), label);
}

void TestPictureButton::pictureLatch_data()
{
    QTest::addColumn<QString>("steps");  // V: mouse over the button, I: the window resets it
    QTest::addColumn<QString>("shown");  // library index shown after each step
    QTest::newRow("first hover changes nothing") << "V" << "0";
    QTest::newRow("window resets, then hover") << "IV" << "34";
    QTest::newRow("repeats change at most once") << "IIVV" << "3344";
    QTest::newRow("hover, reset, hover") << "IVIV" << "3434";
}

void TestPictureButton::pictureLatch()
{
    QFETCH(QString, steps);
    QFETCH(QString, shown);
    FakePlatform platform;
    MuvButtons button(platform);
    button.resize(110, 24);
    button.setPoza1(3);
    button.setPoza2(4);
    button.setPoza(MuvButtons::libraryPicture(3));
    button.layoutContents();
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
    QCOMPARE(seen, shown);
    QCOMPARE(button.Poza().size(), QSize(24, 12));
    QVERIFY(platform.messages.isEmpty());
}

void TestPictureButton::missingPictureIsReportedAndLatchStillMoves()
{
    FakePlatform platform;
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

void TestPictureButton::clickEventsAndFrame_data()
{
    QTest::addColumn<QString>("where");
    QTest::newRow("caption") << "label";
    QTest::newRow("picture") << "picture";
    QTest::newRow("face") << "face";
}

void TestPictureButton::clickEventsAndFrame()
{
    QFETCH(QString, where);
    FakePlatform platform;
    MuvButtons button(platform);
    button.resize(110, 24);
    button.setTextLabel(QStringLiteral("Search"));
    button.setPoza(MuvButtons::libraryPicture(3));
    button.layoutContents();
    const QPoint inside = where == u"label"     ? button.labelTopLeftTwips() / 15 + QPoint(3, 4)
                          : where == u"picture" ? button.pictureTopLeftTwips() / 15 + QPoint(3, 4)
                                                : QPoint(3, 3);
    QStringList events;
    connect(&button, &MuvButtons::MouseDown, &button, [&](int b, int, double x, double y) {
        events << QStringLiteral("down %1 %2,%3 %4").arg(b).arg(x).arg(y).arg(button.sunken());
    });
    connect(&button, &MuvButtons::MouseUp, &button, [&](int, int, double, double) {
        events << QStringLiteral("up %1").arg(button.sunken());
    });
    connect(&button, &MuvButtons::Click, &button, [&] { events << QStringLiteral("click %1").arg(button.sunken()); });
    QTest::mouseClick(&button, Qt::LeftButton, {}, inside);
    const QString down = where == u"face" ? QStringLiteral("down 1 45,45 1") : QStringLiteral("down 1 %1 1");
    QCOMPARE(events.size(), 3);
    // Coordinates are the element's own, in twips; sunken while pressed, raised afterwards.
    if (where == u"face")
        QCOMPARE(events.at(0), down);
    else
        QVERIFY(events.at(0).startsWith(QStringLiteral("down 1 ")) && events.at(0).endsWith(QStringLiteral(" 1")));
    QCOMPARE(events.mid(1), QStringList({"up 0", "click 0"}));
    QVERIFY(!button.sunken());
    events.clear();
    QTest::mouseClick(&button, Qt::RightButton, {}, inside);
    QCOMPARE(events.size(), 2); // no click for the right button
}

void TestPictureButton::doubleClickIsOneClick()
{
    FakePlatform platform;
    MuvButtons button(platform);
    QStringList events;
    connect(&button, &MuvButtons::MouseDown, &button, [&] { events << "down"; });
    connect(&button, &MuvButtons::MouseUp, &button, [&] { events << "up"; });
    connect(&button, &MuvButtons::Click, &button, [&] { events << "click"; });
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseDClick(&button, Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(3, 3));
    QCOMPARE(events, QStringList({"down", "up", "click", "up"}));
    QVERIFY(!button.sunken());
}

void TestPictureButton::frameIsDrawn()
{
    FakePlatform platform;
    MuvButtons button(platform);
    button.resize(110, 24);
    button.show();
    const auto colourAt = [&](int x, int y) { return button.grab().toImage().pixelColor(x, y); };
    QCOMPARE(colourAt(50, 1), button.LightColour());   // top
    QCOMPARE(colourAt(1, 12), button.LightColour());   // left
    QCOMPARE(colourAt(50, 23), button.DarkColour());   // bottom, 10 twips inside
    QCOMPARE(colourAt(109, 12), button.DarkColour());  // right
    button.Apasat();
    QVERIFY(button.sunken());
    QCOMPARE(colourAt(50, 1), button.DarkColour());
    QCOMPARE(colourAt(109, 12), button.LightColour());
    button.Ridicat();
    QCOMPARE(colourAt(50, 1), button.LightColour());
}

void TestPictureButton::library_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QSize>("size");
    const QSize sizes[] = {{29, 16}, {24, 12}, {16, 16}, {23, 16}, {16, 16}};
    for (int i = 1; i <= 10; ++i)
        QTest::addRow("%d", i) << i << sizes[(i - 1) / 2];
}

void TestPictureButton::library()
{
    QFETCH(int, index);
    QFETCH(QSize, size);
    const QPixmap picture = MuvButtons::libraryPicture(index);
    QCOMPARE(picture.size(), size);
    // Each pair's hover look differs visibly from its normal look.
    const int partner = index % 2 ? index + 1 : index - 1;
    QVERIFY(picture.toImage() != MuvButtons::libraryPicture(partner).toImage());
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, MuvButtons::libraryPicture(0));
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, MuvButtons::libraryPicture(11));
}

QTEST_MAIN(TestPictureButton)
#include "tst_picturebutton.moc"
