#include "report/notice_sound.h"

#include <QTest>

using namespace vantor;

class TestNoticeSound : public QObject {
    Q_OBJECT

private slots:
    void mapping_data();
    void mapping();
};

void TestNoticeSound::mapping_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("eventId");
    QTest::addColumn<bool>("plainBeep");
    QTest::addColumn<int>("messageBeepType");

    QTest::newRow("negative") << -1 << QString() << true << 0;
    QTest::newRow("error") << 0 << QStringLiteral("dialog-error") << false << 16;
    QTest::newRow("question") << 1 << QStringLiteral("dialog-question") << false << 32;
    QTest::newRow("warning") << 2 << QStringLiteral("dialog-warning") << false << 48;
    QTest::newRow("information") << 3 << QStringLiteral("dialog-information") << false << 64;
    QTest::newRow("simple beep") << 4 << QStringLiteral("bell") << false << int(0xFFFFFFFFu);
    QTest::newRow("just past the table") << 5 << QString() << true << 0;
    QTest::newRow("largest kind") << 32767 << QString() << true << 0;
}

void TestNoticeSound::mapping()
{
    QFETCH(int, kind);
    QFETCH(QString, eventId);
    QFETCH(bool, plainBeep);
    QFETCH(int, messageBeepType);

    const NoticeSound sound = noticeSoundFor(kind);
    QCOMPARE(sound.eventId, eventId);
    QCOMPARE(sound.plainBeep, plainBeep);
    QCOMPARE(sound.messageBeepType, messageBeepType);
}

QTEST_GUILESS_MAIN(TestNoticeSound)
#include "tst_notice_sound.moc"
