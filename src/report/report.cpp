#include "report/report.h"

#include <QStringList>

namespace vantor {

namespace {

const QString LineEnd = QStringLiteral("\r\n");

// Indexed by status 0..5; a West post uses the first column, an East post the
// second. Present and awaiting marks belong to the army holding the post, the
// fighting mark to the army attacking it.
constexpr std::array<std::array<char16_t, 2>, 6> symbols{{
    {u'■', u'□'},
    {u'★', u'☆'},
    {u'△', u'▲'},
    {u'□', u'■'},
    {u'☆', u'★'},
    {u'▲', u'△'},
}};

// A restored house holds only six East posts; the rear-guard places of its
// map stay blank.
bool blankForRestoration(const BoardSnapshot &board, int slot)
{
    return board.restoration == 1 && slot >= 9 && slot <= 11;
}

QChar postSymbol(const BoardSnapshot &board, int slot)
{
    if (blankForRestoration(board, slot))
        return QChar(u'　');
    const int status = board.statuses[slot];
    const int row = status >= OwnPresent && status <= OwnAwaiting ? status : OwnAwaiting;
    return QChar(symbols[row][armyOfSlot(slot) == Army::West ? 0 : 1]);
}

// One wing per map row: the West posts from rear guard to vanguard, then the
// East posts from vanguard to rear guard, so the vanguards meet in the middle.
QString mapRow(const BoardSnapshot &board, int wing)
{
    QString row = QStringLiteral("　　　");
    for (int slot = wing; slot < 9; slot += 3)
        row += postSymbol(board, slot);
    row += QStringLiteral("　　");
    for (int slot = 9 + wing; slot < SlotCount; slot += 3)
        row += postSymbol(board, slot);
    return row;
}

QStringList mainPart(const BoardSnapshot &board)
{
    const QString &w = board.westName;
    const QString &e = board.eastName;
    return {
        QStringLiteral("～合戦状況") + board.nowText + u'(' + board.elapsedText + QStringLiteral("経過)現在～"),
        QStringLiteral("　　　　西　　　　東"),
        mapRow(board, 0),
        mapRow(board, 1),
        mapRow(board, 2),
        QString(),
        w + QStringLiteral("健在■　　") + e + QStringLiteral("健在□"),
        w + QStringLiteral("未配置▲　") + e + QStringLiteral("未配置△"),
        w + QStringLiteral("取付☆　　") + e + QStringLiteral("取付★"),
        QString(),
    };
}

// Empty when the post has no general waiting to be placed.
QString scheduleLine(const BoardSnapshot &board, int slot)
{
    const bool west = armyOfSlot(slot) == Army::West;
    const QString &own = west ? board.westName : board.eastName;
    const QString &other = west ? board.eastName : board.westName;
    const QString &ownName = west ? board.westMainNames[slot] : board.eastMainNames[slot];
    const QString &otherName = west ? board.eastMainNames[slot] : board.westMainNames[slot];
    const QString time = board.timeTexts[slot].isEmpty() ? QStringLiteral("不明") : board.timeTexts[slot];
    const QString post = own + board.captions[slot] + u'：';

    switch (board.statuses[slot]) {
    case OwnAwaiting:
        return post + own + u'・' + ownName + u'→' + time;
    case RivalAwaiting:
        return post + other + u'・' + otherName + u'(' + own + u'・' + ownName + QStringLiteral(")→") + time;
    default:
        return QString();
    }
}

QStringList schedulePart(const BoardSnapshot &board)
{
    QStringList lines{QStringLiteral("～　武将配置予定時刻　～")};
    for (int slot = 0; slot < SlotCount; ++slot) {
        const QString line = scheduleLine(board, slot);
        if (!line.isEmpty())
            lines << line;
    }
    if (lines.size() == 1)
        lines << QStringLiteral(" 情報は特にありません");
    return lines;
}

} // namespace

QString composeReport(const BoardSnapshot &board)
{
    QString text;
    for (const QString &line : mainPart(board) + schedulePart(board))
        text += line + LineEnd;
    return text;
}

} // namespace vantor
