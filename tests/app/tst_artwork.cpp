#include "app/artwork.h"

#include <QSet>
#include <QTest>

#include <cstdlib>
#include <functional>

using namespace vantor;

namespace {

using Picture = std::function<QImage()>;

// Pixels that a viewer would see as a different colour, not anti-aliasing noise.
int visiblyDifferentPixels(const QImage &a, const QImage &b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const int distance = std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q))
                                 + std::abs(qBlue(p) - qBlue(q));
            if (distance > 60)
                ++count;
        }
    return count;
}

int pixelsOffTheField(const QImage &image)
{
    QImage field(image.size(), image.format());
    field.fill(image.pixel(0, 0));
    return visiblyDifferentPixels(image, field);
}

} // namespace

Q_DECLARE_METATYPE(Picture)

class TestArtwork : public QObject {
    Q_OBJECT

private slots:
    void picturesHaveTheirSizeAndADrawing_data();
    void picturesHaveTheirSizeAndADrawing();
    void picturesOfASetAreTellableApart_data();
    void picturesOfASetAreTellableApart();
    void unknownNumbersGiveABlankGreySquare_data();
    void unknownNumbersGiveABlankGreySquare();
    void repeatedRequestsShareOneDrawing();
};

void TestArtwork::picturesHaveTheirSizeAndADrawing_data()
{
    QTest::addColumn<Picture>("picture");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("minimumDrawn");

    const QSize square(EmblemSize, EmblemSize);
    for (Faction faction = 0; faction < FactionCount; ++faction)
        QTest::addRow("emblem %d", faction) << Picture([=] { return factionEmblem(faction); }) << square << 60;
    for (int icon = 0; icon < StatusIconCount; ++icon)
        QTest::addRow("icon %d", icon) << Picture([=] { return statusIcon(icon); }) << square << 60;
    QTest::newRow("about") << Picture([] { return aboutPicture(); }) << QSize(AboutPictureWidth, AboutPictureHeight) << 1000;
}

void TestArtwork::picturesHaveTheirSizeAndADrawing()
{
    QFETCH(Picture, picture);
    QFETCH(QSize, size);
    QFETCH(int, minimumDrawn);

    const QImage image = picture();
    QCOMPARE(image.size(), size);
    QVERIFY(!image.hasAlphaChannel());
    QVERIFY2(pixelsOffTheField(image) >= minimumDrawn, qPrintable(QString::number(pixelsOffTheField(image))));
}

void TestArtwork::picturesOfASetAreTellableApart_data()
{
    QTest::addColumn<QImage>("first");
    QTest::addColumn<QImage>("second");
    QTest::addColumn<int>("minimumDiffering");
    for (Faction a = 0; a < FactionCount; ++a)
        for (Faction b = a + 1; b < FactionCount; ++b)
            QTest::addRow("emblems %d and %d", a, b) << factionEmblem(a) << factionEmblem(b) << 120;
    // The buy and sell icons share the coin and differ in the arrow.
    for (int a = 0; a < StatusIconCount; ++a)
        for (int b = a + 1; b < StatusIconCount; ++b)
            QTest::addRow("icons %d and %d", a, b) << statusIcon(a) << statusIcon(b) << 30;
}

void TestArtwork::picturesOfASetAreTellableApart()
{
    QFETCH(QImage, first);
    QFETCH(QImage, second);
    QFETCH(int, minimumDiffering);
    const int differing = visiblyDifferentPixels(first, second);
    QVERIFY2(differing >= minimumDiffering, qPrintable(QString::number(differing)));
}

void TestArtwork::unknownNumbersGiveABlankGreySquare_data()
{
    QTest::addColumn<Picture>("picture");
    QTest::newRow("no faction chosen") << Picture([] { return factionEmblem(-1); });
    QTest::newRow("faction past the table") << Picture([] { return factionEmblem(FactionCount); });
    QTest::newRow("icon below 0") << Picture([] { return statusIcon(-1); });
    QTest::newRow("icon past the four") << Picture([] { return statusIcon(StatusIconCount); });
}

void TestArtwork::unknownNumbersGiveABlankGreySquare()
{
    QFETCH(Picture, picture);
    const QImage image = picture();
    QCOMPARE(image.size(), QSize(EmblemSize, EmblemSize));
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    QCOMPARE(colours, QSet<QRgb>{qRgb(0xE0, 0xE0, 0xE0)});
}

void TestArtwork::repeatedRequestsShareOneDrawing()
{
    QCOMPARE(factionEmblem(5).cacheKey(), factionEmblem(5).cacheKey());
    QCOMPARE(statusIcon(2).cacheKey(), statusIcon(2).cacheKey());
    QCOMPARE(aboutPicture().cacheKey(), aboutPicture().cacheKey());
}

QTEST_GUILESS_MAIN(TestArtwork)
#include "tst_artwork.moc"
