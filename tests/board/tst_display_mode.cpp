#include "board/display_mode.h"

#include <QtTest>

using namespace vantor;

class DisplayModeTest : public QObject {
    Q_OBJECT
private slots:
    void cycle_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("next");
        QTest::newRow("names and status to tags") << 0 << 1;
        QTest::newRow("tags to details") << 1 << 2;
        QTest::newRow("details back to names and status") << 2 << 0;
    }

    void cycle()
    {
        QFETCH(int, mode);
        QFETCH(int, next);
        QCOMPARE(nextDisplayMode(mode), next);
        QCOMPARE(nextDisplayMode(nextDisplayMode(nextDisplayMode(mode))), mode);
    }

    // Controls that share a place in the post frame are never shown together,
    // and nothing ever shows the picture box.
    void sharedPlacesNeverShowTwice()
    {
        for (int mode = 0; mode <= 2; ++mode) {
            const DisplayVisibility v = displayModeVisibility(mode);
            QVERIFY(!(v.Label1 == Shown::Show && v.Label8 == Shown::Show));
            QVERIFY(!(v.Label2 == Shown::Show && v.Label9 == Shown::Show));
            QVERIFY(!(v.Label2 == Shown::Show && v.Label10 == Shown::Show));
            QVERIFY(!(v.Label3 == Shown::Show && v.Label11 == Shown::Show));
            QVERIFY(!(v.Label3 == Shown::Show && v.Label7 == Shown::Show));
            QVERIFY(!(v.Label7 == Shown::Show && v.Label11 == Shown::Show));
            QVERIFY(v.Picture1 != Shown::Show);
        }
    }
};

QTEST_GUILESS_MAIN(DisplayModeTest)
#include "tst_display_mode.moc"
