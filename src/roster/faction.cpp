#include "roster/faction.h"

#include <array>

namespace vantor {

namespace {

struct FactionEntry {
    const char16_t *name;
    const char16_t *tag;
};

constexpr std::array<FactionEntry, FactionCount> factions{{
    {u"上杉家", u"＄上杉"},
    {u"武田家", u"＄武田"},
    {u"北条家", u"＄北条"},
    {u"今川家", u"＄今川"},
    {u"徳川家", u"＄徳川"},
    {u"織田家", u"＄織田"},
    {u"斎藤家", u"＄斎藤"},
    {u"本願寺", u"＄本願寺"},
    {u"朝倉家", u"＄朝倉"},
    {u"浅井家", u"＄浅井"},
    {u"伊賀忍", u"＄伊賀忍"},
    {u"足利家", u"＄足利"},
    {u"三好家", u"＄三好"},
    {u"雑賀衆", u"＄雑賀衆"},
    {u"西軍", u"＄西軍"},
    {u"東軍", u"＄東軍"},
}};

bool inTable(Faction faction)
{
    return faction >= 0 && faction < FactionCount;
}

} // namespace

QString factionName(Faction faction)
{
    return inTable(faction) ? QString::fromUtf16(factions[faction].name) : QString();
}

QString factionTag(Faction faction)
{
    return inTable(faction) ? QString::fromUtf16(factions[faction].tag) : QString();
}

} // namespace vantor
