#include "support/form1_harness.h"

#include <QLabel>
#include <QtTest>

using namespace vantor;
using namespace vantor::testing;

class Form1Smoke : public QObject {
    Q_OBJECT
private slots:
    void startsWithDefaultFactions()
    {
        Form1Harness h;
        QCOMPARE(h.form->windowTitle(), QStringLiteral("Vantor　徳川家×北条家　合戦状況"));
        QCOMPARE(h.post(4).Label3->text(), QStringLiteral("健在"));
        QCOMPARE(h.board().userInputArmed, true);
    }
};

QTEST_MAIN(Form1Smoke)
#include "tst_form1_smoke.moc"
