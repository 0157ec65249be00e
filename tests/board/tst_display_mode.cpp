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

    // Controls that share a place in the post frame are never shown together,
    // and nothing ever shows the picture box.
    void sharedPlacesNeverShowTwice()
    {
        for (DisplayMode mode : {DisplayMode::NamesAndStatus, DisplayMode::TagsAndEmblems, DisplayMode::GeneralDetails}) {
            const DisplayVisibility v = displayModeVisibility(mode);
            QVERIFY(!(v.mainName == Shown::Show && v.detailsMainName == Shown::Show));
            QVERIFY(!(v.viceName == Shown::Show && v.mainGeneralDetails == Shown::Show));
            QVERIFY(!(v.viceName == Shown::Show && v.detailsViceName == Shown::Show));
            QVERIFY(!(v.statusCaption == Shown::Show && v.viceGeneralDetails == Shown::Show));
            QVERIFY(!(v.statusCaption == Shown::Show && v.tagCaption == Shown::Show));
            QVERIFY(!(v.tagCaption == Shown::Show && v.viceGeneralDetails == Shown::Show));
            QVERIFY(v.pictureBox != Shown::Show);
        }
    }
};

QTEST_GUILESS_MAIN(DisplayModeTest)
#include "tst_display_mode.moc"
