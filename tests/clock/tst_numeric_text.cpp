#include "clock/numeric_text.h"

#include <QTest>

#include <clocale>
#include <cmath>
#include <limits>

using namespace vantor;
using namespace Qt::StringLiterals;

namespace {
constexpr double Largest = std::numeric_limits<double>::max();
constexpr qint64 WholeMax = std::numeric_limits<qint64>::max();
constexpr qint64 WholeMin = std::numeric_limits<qint64>::min();
}

class TstNumericText : public QObject {
    Q_OBJECT

private slots:
    void numericValue_data();
    void numericValue();
    void longDigitRuns_data();
    void longDigitRuns();
    void decimalPointWhateverTheLocale();
    void roundHalfEven_data();
    void roundHalfEven();
};

void TstNumericText::numericValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("plain"); // nothing but the number

    QTest::newRow("empty") << QString() << 0.0 << false;
    QTest::newRow("letters") << u"abc"_s << 0.0 << false;
    QTest::newRow("trailing letters") << u"12abc"_s << 12.0 << false;
    QTest::newRow("leading blanks") << u"  7"_s << 7.0 << true;
    QTest::newRow("blanks around") << u" 12\u3000"_s << 12.0 << true;
    QTest::newRow("leading tab") << u"\t7"_s << 7.0 << true;
    QTest::newRow("negative") << u"-50"_s << -50.0 << true;
    QTest::newRow("plus sign") << u"+3"_s << 3.0 << true;
    QTest::newRow("sign alone") << u"-"_s << 0.0 << false;
    QTest::newRow("fraction") << u"0.5"_s << 0.5 << true;
    QTest::newRow("no integer part") << u".5"_s << 0.5 << true;
    QTest::newRow("point alone") << u"."_s << 0.0 << false;
    QTest::newRow("trailing point") << u"5."_s << 5.0 << true;
    QTest::newRow("exponent") << u"1e3"_s << 1000.0 << true;
    QTest::newRow("signed exponent") << u"25E-1"_s << 2.5 << true;
    QTest::newRow("exponent without digits") << u"1e"_s << 1.0 << false;
    QTest::newRow("overflow") << u"1e999"_s << Largest << true;
    QTest::newRow("negative overflow") << u"-1e999"_s << -Largest << true;
    QTest::newRow("underflow") << u"1e-999"_s << 0.0 << true;
    QTest::newRow("thousands separator ends the number") << u"1,000"_s << 1.0 << false;
    QTest::newRow("blank ends the number") << u"1 2"_s << 1.0 << false;
    QTest::newRow("full-width digits") << u"１２００"_s << 1200.0 << true;
    QTest::newRow("full-width minus") << u"－５０"_s << -50.0 << true;
    QTest::newRow("minus sign") << u"−５０"_s << -50.0 << true;
    QTest::newRow("full-width plus") << u"＋３"_s << 3.0 << true;
    QTest::newRow("ideographic space and full-width point") << u"\u3000１．５"_s << 1.5 << true;
    QTest::newRow("half and full width mixed") << u"1２0０.５"_s << 1200.5 << true;
    QTest::newRow("prolonged sound mark is no minus") << u"ー５０"_s << 0.0 << false;
    QTest::newRow("kana full stop is no point") << u"１。５"_s << 1.0 << false;
    QTest::newRow("many leading zeros") << QString(60, u'0') + u"1"_s << 1.0 << true;
    QTest::newRow("many zeros after the point") << u"0."_s + QString(60, u'0') + u"25e62"_s << 25.0 << true;
    QTest::newRow("digits beyond the kept ones") << u"1"_s + QString(60, u'0') + u".5e-60"_s << 1.0 << true;
    QTest::newRow("fraction digits beyond the kept ones") << u"0."_s + QString(60, u'3') + u"e1"_s << 10.0 / 3 << true;
}

void TstNumericText::numericValue()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QFETCH(bool, plain);

    QCOMPARE(vantor::numericValue(text), value);
    QCOMPARE(isPlainNumber(text), plain);
}

void TstNumericText::longDigitRuns_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    QTest::newRow("huge") << QString(100'000, u'9') << Largest;
    QTest::newRow("huge with a fraction") << QString(100'000, u'9') + u".5"_s << Largest;
    QTest::newRow("tiny") << u"0."_s + QString(100'000, u'0') + u"1"_s << 0.0;
    QTest::newRow("huge exponent") << u"1e"_s + QString(100'000, u'9') << Largest;
}

void TstNumericText::longDigitRuns()
{
    QFETCH(QString, text);
    QFETCH(double, value);

    const double read = vantor::numericValue(text);
    QVERIFY(std::isfinite(read));
    QCOMPARE(read, value);
}

void TstNumericText::decimalPointWhateverTheLocale()
{
    // The application takes its C locale from the environment, where the decimal
    // separator may be a comma.
    const QByteArray previous = std::setlocale(LC_NUMERIC, nullptr);
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
        QSKIP("no comma-decimal locale on this system");
    const double half = vantor::numericValue(u"0.5"_s);
    const double comma = vantor::numericValue(u"0,5"_s);
    std::setlocale(LC_NUMERIC, previous.constData());
    QCOMPARE(half, 0.5);
    QCOMPARE(comma, 0.0);
}

void TstNumericText::roundHalfEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<qint64>("whole");

    QTest::newRow("0.5") << 0.5 << qint64(0);
    QTest::newRow("1.5") << 1.5 << qint64(2);
    QTest::newRow("2.5") << 2.5 << qint64(2);
    QTest::newRow("2.6") << 2.6 << qint64(3);
    QTest::newRow("-0.5") << -0.5 << qint64(0);
    QTest::newRow("-1.5") << -1.5 << qint64(-2);
    QTest::newRow("-2.4") << -2.4 << qint64(-2);
    QTest::newRow("huge") << Largest << WholeMax;
    QTest::newRow("huge negative") << -Largest << WholeMin;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << WholeMax;
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << qint64(0);
}

void TstNumericText::roundHalfEven()
{
    QFETCH(double, value);
    QFETCH(qint64, whole);

    QCOMPARE(vantor::roundHalfEven(value), whole);
}

QTEST_GUILESS_MAIN(TstNumericText)
#include "tst_numeric_text.moc"
