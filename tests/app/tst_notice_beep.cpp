#include "app/notice_beep.h"

#include <QTest>

#include <vector>

using namespace vantor;

class TestNoticeBeep : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void sinkReceivesMappedSound_data();
    void sinkReceivesMappedSound();
    void playsWithoutSoundDevice();
};

void TestNoticeBeep::cleanup()
{
    setNoticeSoundSink({});
}

void TestNoticeBeep::sinkReceivesMappedSound_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("placement notice") << 3;
    QTest::newRow("plain beep") << -1;
}

void TestNoticeBeep::sinkReceivesMappedSound()
{
    QFETCH(int, kind);
    std::vector<NoticeSound> heard;
    setNoticeSoundSink([&heard](const NoticeSound &sound) { heard.push_back(sound); });

    noticeBeep(kind);

    QCOMPARE(heard.size(), size_t(1));
    QVERIFY(heard.front() == noticeSoundFor(kind));
}

// The test machines have no sound card: the notice must still come back to
// the caller, quietly falling back to the plain beep.
void TestNoticeBeep::playsWithoutSoundDevice()
{
    noticeBeep(3);
    noticeBeep(3);
    noticeBeep(7);
}

QTEST_MAIN(TestNoticeBeep)
#include "tst_notice_beep.moc"
