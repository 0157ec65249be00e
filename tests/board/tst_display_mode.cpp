#include "board/display_mode.h"

#include <QtTest>

using namespace vantor;

class DisplayModeTest : public QObject {
    Q_OBJECT
private slots:
    void cycle_data()
    {
        QTest::addColumn<DisplayMode>("mode");
        QTest::addColumn<DisplayMode>("next");
        QTest::newRow("names and status to tags") << DisplayMode::NamesAndStatus << DisplayMode::TagsAndEmblems;
        QTest::newRow("tags to details") << DisplayMode::TagsAndEmblems << DisplayMode::GeneralDetails;
        QTest::newRow("details back to names and status") << DisplayMode::GeneralDetails << DisplayMode::NamesAndStatus;
    }

    void cycle()
    {
        QFETCH(DisplayMode, mode);
        QFETCH(DisplayMode, next);
        QCOMPARE(nextDisplayMode(mode), next);
        QCOMPARE(nextDisplayMode(nextDisplayMode(nextDisplayMode(mode))), mode);
    }

    // Parts that share a place in the post frame are never shown together.
    void sharedPlacesNeverShowTwice()
    {
        for (DisplayMode mode : {DisplayMode::NamesAndStatus, DisplayMode::TagsAndEmblems, DisplayMode::GeneralDetails}) {
            const DisplayVisibility v = displayModeVisibility(mode);
            QVERIFY(!(v.mainName && v.detailsMainName));
            QVERIFY(!(v.viceName && v.mainDetails));
            QVERIFY(!(v.viceName && v.detailsViceName));
            QVERIFY(!(v.statusCaption && v.viceDetails));
            QVERIFY(!(v.statusCaption && v.tagCaption));
            QVERIFY(!(v.tagCaption && v.viceDetails));
        }
    }
};

QTEST_GUILESS_MAIN(DisplayModeTest)
#include "tst_display_mode.moc"
