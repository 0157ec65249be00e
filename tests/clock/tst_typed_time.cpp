#include "clock/typed_time.h"

#include <QTest>

using namespace vantor;
using namespace Qt::StringLiterals;

namespace {
constexpr int Invalid = -1;
}

class TstTypedTime : public QObject {
    Q_OBJECT

private slots:
    void readers_data();
    void readers();
    void longTextsAreRejected();
    void controlCharactersNeverEnterABox_data();
    void controlCharactersNeverEnterABox();
};

void TstTypedTime::readers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("elapsed");
    QTest::addColumn<int>("placement");

    QTest::newRow("empty") << QString() << 0 << Invalid;
    QTest::newRow("one digit") << u"5"_s << 5 << Invalid;
    QTest::newRow("two digits") << u"90"_s << 90 << Invalid;
    QTest::newRow("two letters count as nought") << u"ab"_s << 0 << Invalid;
    QTest::newRow("trailing colon is ignored") << u"1:"_s << 1 << Invalid;
    QTest::newRow("half a minute to even") << u".5"_s << 0 << Invalid;
    QTest::newRow("negative count") << u"-1"_s << Invalid << Invalid;
    QTest::newRow("three digits are no count") << u"130"_s << Invalid << Invalid;

    QTest::newRow("h:m") << u"1:5"_s << 65 << 65;
    QTest::newRow("h:mm") << u"1:05"_s << 65 << 65;
    QTest::newRow("hh:m") << u"12:5"_s << 725 << 725;
    QTest::newRow("hh:mm") << u"12:05"_s << 725 << 725;
    QTest::newRow("last minute of the day") << u"23:59"_s << 1439 << 1439;
    QTest::newRow("a whole day") << u"24:00"_s << 1440 << 0;
    QTest::newRow("past a day") << u"25:00"_s << 60 << 60;
    QTest::newRow("two whole days") << u"48:00"_s << 0 << 0;
    QTest::newRow("largest") << u"99:99"_s << 279 << 279;
    QTest::newRow("minutes beyond an hour") << u"0:90"_s << 90 << 90;
    QTest::newRow("leading blank") << u" 1:5"_s << 65 << 65;
    QTest::newRow("letters count as nought") << u"a:bc"_s << 0 << 0;
    QTest::newRow("second colon in the minutes") << u"1::5"_s << 60 << 60;
    QTest::newRow("negative minutes within the hour") << u"1:-5"_s << 55 << 55;
    QTest::newRow("half minute to even") << u"1:.5"_s << 60 << 60;
    QTest::newRow("fraction of an hour") << u".5:0"_s << 30 << 30;
    QTest::newRow("surrogate pair is two characters") << u"\U0001D7CF:5"_s << 5 << 5;
    QTest::newRow("full width") << u"１：３０"_s << 90 << 90;
    QTest::newRow("full-width colon") << u"1：05"_s << 65 << 65;
    QTest::newRow("full-width count") << u"９０"_s << 90 << Invalid;
    QTest::newRow("ideographic space") << u"\u3000１：５"_s << 65 << 65;

    QTest::newRow("letters") << u"abc"_s << Invalid << Invalid;
    QTest::newRow("dash for colon") << u"1-30"_s << Invalid << Invalid;
    QTest::newRow("exponent") << u"1e308"_s << Invalid << Invalid;
    QTest::newRow("colon first") << u":30"_s << Invalid << Invalid;
    QTest::newRow("colon last") << u"12:"_s << Invalid << Invalid;
    QTest::newRow("colon misplaced in five") << u"1:0:5"_s << Invalid << Invalid;
    QTest::newRow("negative hours") << u"-1:00"_s << Invalid << 1380;
    QTest::newRow("negative minutes") << u"0:-1"_s << Invalid << 1439;
    QTest::newRow("six characters") << u"12:345"_s << Invalid << Invalid;
}

void TstTypedTime::readers()
{
    QFETCH(QString, text);
    QFETCH(int, elapsed);
    QFETCH(int, placement);

    QCOMPARE(readElapsedText(text).value_or(Invalid), elapsed);
    QCOMPARE(readPlacementText(text).value_or(Invalid), placement);
}

void TstTypedTime::longTextsAreRejected()
{
    const QString pasted = QString(1'000'000, QLatin1Char('9')) + u":00"_s;
    QVERIFY(!readElapsedText(pasted));
    QVERIFY(!readPlacementText(pasted));
}

void TstTypedTime::controlCharactersNeverEnterABox_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");

    QTest::newRow("a time") << u"12:30"_s << u"12:30"_s;
    QTest::newRow("a pasted line break") << u"12:30\r\n45"_s << u"12:3045"_s;
    QTest::newRow("nul and tab") << u"1\0002\t3"_s << u"123"_s;
    QTest::newRow("an escape sequence") << u"\x1b[31m9:00"_s << u"[31m9:00"_s;
    QTest::newRow("delete") << u"9\x7f:00"_s << u"9:00"_s;
    QTest::newRow("full width and blanks stay") << u"１：３０\u3000 "_s << u"１：３０\u3000 "_s;
}

void TstTypedTime::controlCharactersNeverEnterABox()
{
    QFETCH(QString, typed);
    QFETCH(QString, kept);

    QCOMPARE(typedBoxText(typed), kept);
}

QTEST_GUILESS_MAIN(TstTypedTime)
#include "tst_typed_time.moc"
