#include "board/text_contrast.h"

#include <QTest>

using namespace vantor;

class TstTextContrast : public QObject {
    Q_OBJECT

private slots:
    void boardBackgrounds_data();
    void boardBackgrounds();
};

void TstTextContrast::boardBackgrounds_data()
{
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("text");
    QTest::addColumn<double>("ratio");

    const QColor black(Qt::black), white(Qt::white);
    QTest::newRow("strong red") << QColor(0xFF0000) << black << 5.25;
    QTest::newRow("strong blue") << QColor(0x0000FF) << white << 8.59;
    QTest::newRow("light blue") << QColor(0x8080FF) << black << 6.45;
    QTest::newRow("light red") << QColor(0xFF8080) << black << 8.65;
    QTest::newRow("pale blue") << QColor(0xC0C0FF) << black << 12.23;
    QTest::newRow("pale red") << QColor(0xFFC0C0) << black << 13.55;
    QTest::newRow("neutral grey") << QColor(0xE0E0E0) << black << 15.91;
}

void TstTextContrast::boardBackgrounds()
{
    QFETCH(QColor, background);
    QFETCH(QColor, text);
    QFETCH(double, ratio);

    QCOMPARE(readableTextColour(background), text);
    QCOMPARE(qRound(contrastRatio(background, text) * 100) / 100.0, ratio);
}

QTEST_GUILESS_MAIN(TstTextContrast)
#include "tst_text_contrast.moc"
