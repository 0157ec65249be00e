#include "board/post_display.h"

#include <QHash>
#include <QTest>

using namespace vantor;

class TstPostDisplay : public QObject {
    Q_OBJECT

private slots:
    void looks_data();
    void looks();
    void schemeTags_data();
    void schemeTags();
    void tagsStayWithTheirColour();
};

void TstPostDisplay::looks_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("status");
    QTest::addColumn<Army>("namesFrom");
    QTest::addColumn<QColor>("defaultColour");
    QTest::addColumn<QColor>("battleColour");
    QTest::addColumn<int>("word");
    QTest::addColumn<int>("tag");
    QTest::addColumn<bool>("awaiting");

    const QColor blue(0x8080FF), strongBlue(0x0000FF), paleBlue(0xC0C0FF);
    const QColor red(0xFF8080), strongRed(0xFF0000), paleRed(0xFFC0C0);
    QTest::newRow("West 0") << 4 << 0 << Army::West << blue << red << 0 << 0 << false;
    QTest::newRow("West 1") << 0 << 1 << Army::West << strongBlue << strongRed << 1 << 5 << false;
    QTest::newRow("West 2") << 8 << 2 << Army::East << paleRed << paleBlue << 2 << 3 << true;
    QTest::newRow("West 3") << 3 << 3 << Army::East << red << blue << 0 << 1 << false;
    QTest::newRow("West 4") << 6 << 4 << Army::East << strongRed << strongBlue << 1 << 4 << false;
    QTest::newRow("West 5") << 1 << 5 << Army::West << paleBlue << paleRed << 2 << 2 << true;
    QTest::newRow("East 0") << 13 << 0 << Army::East << red << blue << 0 << 1 << false;
    QTest::newRow("East 1") << 9 << 1 << Army::East << strongRed << strongBlue << 1 << 4 << false;
    QTest::newRow("East 2") << 17 << 2 << Army::West << paleBlue << paleRed << 2 << 2 << true;
    QTest::newRow("East 3") << 12 << 3 << Army::West << blue << red << 0 << 0 << false;
    QTest::newRow("East 4") << 15 << 4 << Army::West << strongBlue << strongRed << 1 << 5 << false;
    QTest::newRow("East 5") << 11 << 5 << Army::East << paleRed << paleBlue << 2 << 3 << true;
}

void TstPostDisplay::looks()
{
    QFETCH(int, slot);
    QFETCH(int, status);
    QFETCH(Army, namesFrom);
    QFETCH(QColor, defaultColour);
    QFETCH(QColor, battleColour);
    QFETCH(int, word);
    QFETCH(int, tag);
    QFETCH(bool, awaiting);

    for (ColourScheme scheme : {ColourScheme::DefaultColours, ColourScheme::BattleColours}) {
        const PostLook look = postLook(slot, status, scheme);
        QCOMPARE(look.namesFrom, namesFrom);
        QCOMPARE(look.colour, scheme == ColourScheme::DefaultColours ? defaultColour : battleColour);
        QCOMPARE(look.statusWordIndex, word);
        QCOMPARE(look.tagIndex, tag);
        QCOMPARE(look.kind == StatusKind::Awaiting, awaiting);
    }
}

void TstPostDisplay::schemeTags_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<ColourScheme>("scheme");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<int>("icon");

    const auto row = [](int entry, ColourScheme scheme, const char16_t *tag, int icon) {
        QTest::addRow("%s %d", scheme == ColourScheme::DefaultColours ? "default" : "battle", entry)
            << entry << scheme << QString::fromUtf16(tag) << icon;
    };
    row(2, ColourScheme::DefaultColours, u"＄買取", 0);
    row(3, ColourScheme::DefaultColours, u"＄売却", 1);
    row(4, ColourScheme::DefaultColours, u"＄勧誘", 2);
    row(5, ColourScheme::DefaultColours, u"＄党員", 3);
    row(2, ColourScheme::BattleColours, u"＄売却", 1);
    row(3, ColourScheme::BattleColours, u"＄買取", 0);
    row(4, ColourScheme::BattleColours, u"＄党員", 3);
    row(5, ColourScheme::BattleColours, u"＄勧誘", 2);
}

void TstPostDisplay::schemeTags()
{
    QFETCH(int, entry);
    QFETCH(ColourScheme, scheme);
    QFETCH(QString, tag);
    QFETCH(int, icon);

    QCOMPARE(schemeTag(entry, scheme), tag);
    QCOMPARE(statusIconForTag(entry, scheme), icon);
}

// Whatever the scheme, a fighting or awaiting post of a given colour shows the
// same tag: the user learns one pairing of colour and tag.
void TstPostDisplay::tagsStayWithTheirColour()
{
    QHash<QRgb, QString> tagOfColour;
    for (ColourScheme scheme : {ColourScheme::DefaultColours, ColourScheme::BattleColours}) {
        for (int slot = 0; slot < SlotCount; ++slot) {
            for (int status = 0; status < 6; ++status) {
                if (statusKind(status) == StatusKind::Present)
                    continue;
                const PostLook look = postLook(slot, status, scheme);
                const QString tag = schemeTag(look.tagIndex, scheme);
                const QRgb colour = look.colour.rgb();
                if (!tagOfColour.contains(colour))
                    tagOfColour.insert(colour, tag);
                QCOMPARE(tag, tagOfColour.value(colour));
            }
        }
    }
    QCOMPARE(tagOfColour.value(QColor(0xC0C0FF).rgb()), QStringLiteral("＄買取"));
    QCOMPARE(tagOfColour.value(QColor(0xFFC0C0).rgb()), QStringLiteral("＄売却"));
    QCOMPARE(tagOfColour.value(QColor(0x0000FF).rgb()), QStringLiteral("＄党員"));
    QCOMPARE(tagOfColour.value(QColor(0xFF0000).rgb()), QStringLiteral("＄勧誘"));
}

QTEST_GUILESS_MAIN(TstPostDisplay)
#include "tst_post_display.moc"
