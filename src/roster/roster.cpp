#include "roster/roster.h"

#include "roster/roster_table.h"

#include <array>

namespace vantor {

namespace {

// The words of the notes, in the order of the vocabulary in roster_table.h.
constexpr std::array<const char16_t *, 7> classWords{u"侍", u"神", u"薬", u"僧", u"陰", u"忍", u"鍛"};

constexpr std::array<const char16_t *, 16> weaponWords{
    u"槍", u"刀", u"懐剣", u"薙刀", u"鉄砲", u"弓", u"棍棒", u"杖",
    u"打鞭", u"ﾏｻｶﾘ", u"二刀", u"斧", u"二懐", u"二刀手槍", u"打棒", u"？",
};

constexpr std::array<const char16_t *, 6> rankWords{u"奉行", u"中老", u"目付", u"侍大", u"与力", u"？"};

static_assert(classWords.size() == std::size_t(GeneralClass::Smith) + 1);
static_assert(weaponWords.size() == std::size_t(Weapon::UnknownWeapon) + 1);
static_assert(rankWords.size() == std::size_t(Rank::UnknownRank) + 1);

template <typename Word, std::size_t N>
QString wordFor(const std::array<const char16_t *, N> &words, Word word)
{
    return QString::fromUtf16(words[static_cast<std::size_t>(word)]);
}

int rosterRow(int army, int slot)
{
    return army == 0 ? slot : 17 - slot;
}

// Three rows share a level; the strongest hold the house's own rear guard and
// the rival's rear guard, the weakest the vanguards. A vice (role 1) stands one
// below his main general.
int level(int row, int role)
{
    constexpr std::array<int, 6> mainLevels{48, 46, 44, 44, 46, 48};
    return mainLevels[row / 3] - role;
}

QString houseInfo(const HouseGeneral &general, int row, int role)
{
    QString info = wordFor(classWords, general.generalClass) + QString::number(level(row, role)) + u'/'
        + wordFor(weaponWords, general.weapon);
    if (general.rank)
        info += u'/' + wordFor(rankWords, *general.rank);
    return info;
}

// "西軍左後詰将": the army, then wing and line of the row's post, then the role.
// A garrison row names a post of the opposing army, counted back from row 17.
QString armyRoleLabel(Faction army, int row, int role)
{
    constexpr std::array<const char16_t *, 3> wings{u"左", u"中", u"右"};
    constexpr std::array<const char16_t *, 3> lines{u"後詰", u"中備", u"先鋒"};
    const auto kind = cellKind(row, role);
    if (!kind)
        return {};
    const int postRow = kind == CellKind::Garrison ? 17 - row : row;
    const char16_t *roleWord = kind == CellKind::Commander ? u"将" : kind == CellKind::Vice ? u"副" : u"守";
    return factionName(army) + QString::fromUtf16(wings[postRow % 3]) + QString::fromUtf16(lines[postRow / 3])
        + QString::fromUtf16(roleWord);
}

} // namespace

QString rosterName(Faction faction, int army, int slot, int role)
{
    if (faction < 0 || faction >= FactionCount)
        return QStringLiteral(u"武将");
    const int row = rosterRow(army, slot);
    if (faction >= HouseCount)
        return armyRoleLabel(faction, row, role);
    const auto general = houseGeneral(faction, row, role);
    return general ? QString::fromUtf16(general->name) : QString();
}

// The two armies of the great battle carry no notes, so only a house answers.
QString rosterInfo(Faction faction, int army, int slot, int role)
{
    const int row = rosterRow(army, slot);
    const auto general = houseGeneral(faction, row, role);
    return general ? houseInfo(*general, row, role) : QString();
}

} // namespace vantor
