// The picture button: the picture latch, centring, the frame and the order of its events; the
// picture library and the application icon.
#include "controls/ApplicationIcon.h"
#include "controls/ButtonLayout.h"
#include "controls/MuvButtons.h"
#include "support/FakePlatform.h"

#include <QtTest>
#include <stdexcept>

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

private slots:
    void centresWithHalvesToEven();
    void layoutIsDoneOnce();
    void pictureLatch_data();
    void pictureLatch();
    void missingPictureIsReportedAndLatchStillMoves();
    void clickEventsAndFrame_data();
    void clickEventsAndFrame();
    void doubleClickIsOneClick();
    void frameIsDrawn();
    void libraryAndIcon();
};

void TestPictureButton::centresWithHalvesToEven()
{
    // A 110 x 24 px button, a 29 x 16 px picture, a caption 600 twips wide: x = 307.5.
    auto places = ButtonLayout::centre({1650, 360}, {435, 240}, {600, 225});
    QCOMPARE(places.picture, QPoint(258, 60));
    QCOMPARE(places.label, QPoint(793, 68)); // 67.5 up to the even neighbour
    places = ButtonLayout::centre({1650, 360}, {435, 240}, {602, 227}); // x = 306.5, y = 66.5
    QCOMPARE(places.picture, QPoint(256, 60));
    QCOMPARE(places.label.y(), 66);
    QCOMPARE(ButtonLayout::roundHalfEven(-1.5), -2);
}

void TestPictureButton::layoutIsDoneOnce()
{
    FakePlatform platform;
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

void TestPictureButton::pictureLatch_data()
{
    QTest::addColumn<QString>("steps"); // V: the mouse moves over the button, I: its window resets it
    QTest::addColumn<QString>("shown"); // library index shown after each step
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
    QCOMPARE(seen, shown);
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
    QTest::addColumn<int>("part"); // 0 face, 1 picture, 2 caption
    QTest::newRow("face") << 0;
    QTest::newRow("picture") << 1;
    QTest::newRow("caption") << 2;
}

void TestPictureButton::clickEventsAndFrame()
{
    QFETCH(int, part);
    FakePlatform platform;
    MuvButtons button(platform);
    prepare(button, QStringLiteral("Search"), 3, 4);
    const QPoint origin[] = {{}, button.pictureTopLeftTwips(), button.labelTopLeftTwips()};
    const QPoint inside = (origin[part] + QPoint(45, 45)) / 15; // 3 px into the part
    QStringList events;
    // Coordinates are the part's own, in twips; sunken while pressed, raised afterwards.
    connect(&button, &MuvButtons::MouseDown, &button, [&](int b, int, double x, double y) {
        events << QStringLiteral("down %1 %2,%3 %4").arg(b).arg(qRound(x / 15)).arg(qRound(y / 15)).arg(button.sunken());
    });
    connect(&button, &MuvButtons::MouseUp, &button, [&] { events << QStringLiteral("up %1").arg(button.sunken()); });
    connect(&button, &MuvButtons::Click, &button, [&] { events << QStringLiteral("click %1").arg(button.sunken()); });
    QTest::mouseClick(&button, Qt::LeftButton, {}, inside);
    const QPoint local = inside - origin[part] / 15;
    const QString down = QStringLiteral("down 1 %1,%2 1").arg(local.x()).arg(local.y());
    QCOMPARE(events, QStringList({down, "up 0", "click 0"}));
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
    QCOMPARE(colourAt(50, 1), button.LightColour());  // top, 10 twips inside
    QCOMPARE(colourAt(1, 12), button.LightColour());  // left
    QCOMPARE(colourAt(50, 23), button.DarkColour());  // bottom
    QCOMPARE(colourAt(109, 12), button.DarkColour()); // right
    button.Apasat();
    QVERIFY(button.sunken());
    QCOMPARE(colourAt(50, 1), button.DarkColour());
    QCOMPARE(colourAt(109, 12), button.LightColour());
}

void TestPictureButton::libraryAndIcon()
{
    const QSize sizes[] = {{29, 16}, {24, 12}, {16, 16}, {23, 16}, {16, 16}};
    for (int i = 1; i <= 10; i += 2) {
        const QImage normal = MuvButtons::libraryPicture(i).toImage();
        QCOMPARE(normal.size(), sizes[i / 2]);
        QCOMPARE(MuvButtons::libraryPicture(i + 1).size(), sizes[i / 2]);
        QVERIFY(normal != MuvButtons::libraryPicture(i + 1).toImage()); // the hover look differs
    }
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, MuvButtons::libraryPicture(0));
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, MuvButtons::libraryPicture(11));

    const QIcon icon = ApplicationIcon::icon();
    const QImage small = icon.pixmap(QSize(16, 16)).toImage();
    QCOMPARE(small.size(), QSize(16, 16));
    QCOMPARE(small.pixelColor(5, 2), QColor(225, 0, 0)); // red page edges
    QCOMPARE(small.pixelColor(3, 5), QColor(Qt::white));  // the page
    QCOMPARE(small.pixelColor(11, 9), QColor(0, 0, 225)); // the cross
    const QImage large = icon.pixmap(QSize(64, 64)).toImage();
    QCOMPARE(large.size(), QSize(64, 64));
    QCOMPARE(large.pixelColor(45, 40), QColor(0, 0, 225));
}

QTEST_MAIN(TestPictureButton)
#include "tst_picturebutton.moc"
