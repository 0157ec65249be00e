#include "score/score_rules.h"

#include <QTest>
#include <cmath>
#include <limits>

using namespace vantor;

Q_DECLARE_METATYPE(vantor::StepDirection)

class TstScoreRules : public QObject {
    Q_OBJECT

private slots:
    void texts_data();
    void texts();
    void hugeValuesGivePlainDigits_data();
    void hugeValuesGivePlainDigits();
    void steps_data();
    void steps();
    void awards_data();
    void awards();
    void accrual_data();
    void accrual();
    void clamp_data();
    void clamp();
    void awardMenus_data();
    void awardMenus();
};

void TstScoreRules::texts_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("whole") << 1350.0 << "1350";
    QTest::newRow("fraction") << 0.5 << "0.5";
    QTest::newRow("negative") << -40.0 << "-40";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("sum of fractions") << 0.1 + 100 << "100.1";
    QTest::newRow("binary noise") << 0.1 + 0.2 << "0.3";
    QTest::newRow("fifteen significant digits") << 1234567890.12345678 << "1234567890.12346";
    QTest::newRow("rounding carries") << std::nextafter(10.0, 0.0) << "10";
    QTest::newRow("largest realistic") << 999999999999999.0 << "999999999999999";
    QTest::newRow("beyond the exponent switch") << 1e20 << "100000000000000000000";
    QTest::newRow("small fraction") << 0.00001 << "0.00001";
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << "0";
}

void TstScoreRules::texts()
{
    QFETCH(double, value);
    QFETCH(QString, text);

    QCOMPARE(scoreText(value), text);
}

void TstScoreRules::hugeValuesGivePlainDigits_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("negative");

    const QString manyDigits = QStringLiteral("9").repeated(400);
    QTest::newRow("step on 400 digits") << steppedScore(manyDigits, 100, StepDirection::Up) << false;
    QTest::newRow("award on 1e400") << awardedScore(QStringLiteral("1e400"), 700) << false;
    QTest::newRow("accrual at a huge rate") << accruedScore(QStringLiteral("1e308"), 1e308, 1439) << false;
    QTest::newRow("minus infinity") << scoreText(-std::numeric_limits<double>::infinity()) << true;
}

void TstScoreRules::hugeValuesGivePlainDigits()
{
    QFETCH(QString, text);
    QFETCH(bool, negative);

    const QString digits = negative ? text.mid(1) : text;
    QCOMPARE(text.startsWith(QLatin1Char('-')), negative);
    QCOMPARE(digits, QLatin1String("179769313486232") + QString(294, QLatin1Char('0')));
}

void TstScoreRules::steps_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("step");
    QTest::addColumn<StepDirection>("direction");
    QTest::addColumn<QString>("stepped");

    QTest::newRow("left 1") << "50" << 1 << StepDirection::Up << "51";
    QTest::newRow("left 10") << "50" << 10 << StepDirection::Up << "60";
    QTest::newRow("left 100") << "50" << 100 << StepDirection::Up << "150";
    QTest::newRow("right 10") << "50" << 10 << StepDirection::Down << "40";
    QTest::newRow("right past zero") << "50" << 100 << StepDirection::Down << "-50";
    QTest::newRow("right onto zero") << "10" << 10 << StepDirection::Down << "0";
    QTest::newRow("right from zero") << "0" << 1 << StepDirection::Down << "-1";
    QTest::newRow("right on a fraction") << "0.5" << 1 << StepDirection::Down << "-0.5";
    QTest::newRow("left on a fraction") << "0.5" << 1 << StepDirection::Up << "1.5";
    QTest::newRow("right on a decimal") << "2.3" << 1 << StepDirection::Down << "1.3";
    QTest::newRow("middle keeps the text") << "12abc" << 10 << StepDirection::Still << "12abc";
    QTest::newRow("left rewrites the text") << "12abc" << 10 << StepDirection::Up << "22";
    QTest::newRow("middle on letters") << "abc" << 100 << StepDirection::Still << "abc";
    QTest::newRow("middle on a negative") << "-5" << 1 << StepDirection::Still << "-5";
    QTest::newRow("left on letters") << "abc" << 1 << StepDirection::Up << "1";
    QTest::newRow("left on a negative") << "-50" << 10 << StepDirection::Up << "-40";
    QTest::newRow("no bound on steps") << "99999" << 1 << StepDirection::Up << "100000";
}

void TstScoreRules::steps()
{
    QFETCH(QString, text);
    QFETCH(int, step);
    QFETCH(StepDirection, direction);
    QFETCH(QString, stepped);

    QCOMPARE(steppedScore(text, step, direction), stepped);
}

void TstScoreRules::awards_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("award");
    QTest::addColumn<QString>("awarded");

    QTest::newRow("letters") << "abc" << 500 << "500";
    QTest::newRow("whole") << "1350" << 150 << "1500";
    QTest::newRow("negative") << "-50" << 200 << "150";
    QTest::newRow("fraction") << "0.5" << 700 << "700.5";
    QTest::newRow("trailing text") << "1200 points" << 600 << "1800";
    QTest::newRow("full width") << "１２００" << 600 << "1800";
    QTest::newRow("realistic top") << "999999999999000" << 700 << "999999999999700";
}

void TstScoreRules::awards()
{
    QFETCH(QString, text);
    QFETCH(int, award);
    QFETCH(QString, awarded);

    QCOMPARE(awardedScore(text, award), awarded);
}

void TstScoreRules::accrual_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("rate");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<QString>("accrued");

    QTest::newRow("West 3 for 5 minutes") << "100" << 3.0 << 5 << "115";
    QTest::newRow("East 2 for 5 minutes") << "100" << 2.0 << 5 << "110";
    QTest::newRow("no gain") << "7" << 0.0 << 60 << "7";
    QTest::newRow("letters") << "abc" << 21.0 << 1439 << "30219";
    QTest::newRow("fraction") << "0.5" << 1.0 << 3 << "3.5";
}

void TstScoreRules::accrual()
{
    QFETCH(QString, text);
    QFETCH(double, rate);
    QFETCH(int, minutes);
    QFETCH(QString, accrued);

    QCOMPARE(accruedScore(text, rate, minutes), accrued);
}

void TstScoreRules::clamp_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("floored"); // empty: the box keeps its text
    QTest::addColumn<QString>("bounded");

    QTest::newRow("negative") << "-50" << "0" << "";
    QTest::newRow("positive fraction") << "0.5" << "" << "";
    QTest::newRow("already zero") << "0" << "" << "";
    QTest::newRow("zero written otherwise") << "0.0" << "0" << "";
    QTest::newRow("negative zero") << "-0" << "0" << "";
    QTest::newRow("letters") << "abc" << "0" << "";
    QTest::newRow("empty") << "" << "0" << "";
    QTest::newRow("just below the bound") << "99999" << "" << "";
    QTest::newRow("fraction below the bound") << "99999.99" << "" << "";
    QTest::newRow("the bound") << "100000" << "" << "0";
    QTest::newRow("above the bound") << "150000" << "" << "0";
    QTest::newRow("bound with exponent") << "1e5" << "" << "0";
    QTest::newRow("beyond double range") << "1e400" << "" << "0";
}

void TstScoreRules::clamp()
{
    QFETCH(QString, text);
    QFETCH(QString, floored);
    QFETCH(QString, bounded);

    QCOMPARE(flooredScore(text).value_or(QString()), floored);
    QCOMPARE(boundedScore(text).value_or(QString()), bounded);
}

void TstScoreRules::awardMenus_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("points");

    QTest::newRow("item 0") << 0 << "中備副将討ち取り(戦果150)" << 150;
    QTest::newRow("item 1") << 1 << "後詰副将討ち取り(戦果200)" << 200;
    QTest::newRow("item 2") << 2 << "小荷駄武将討ち取り(戦果500)" << 500;
    QTest::newRow("item 3") << 3 << "四天王討ち取り(戦果600)" << 600;
    QTest::newRow("item 4") << 4 << "軍師討ち取り(戦果700)" << 700;
}

void TstScoreRules::awardMenus()
{
    QFETCH(int, item);
    QFETCH(QString, caption);
    QFETCH(int, points);

    for (const Award &award : {westAwards()[item], eastAwards()[item]}) {
        QCOMPARE(QString::fromUtf16(award.caption), caption);
        QCOMPARE(award.points, points);
    }
}

QTEST_GUILESS_MAIN(TstScoreRules)
#include "tst_score_rules.moc"
