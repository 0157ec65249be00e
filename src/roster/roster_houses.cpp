#include "roster/roster_table.h"

#include <array>

namespace vantor {

namespace {

struct Commander {
    const char16_t *name;
    GeneralClass generalClass;
    Weapon weapon;
    Rank rank;
};

struct Garrison {
    const char16_t *name;
    GeneralClass generalClass;
    Weapon weapon;
};

// mains and vices in the order of the house's own posts: rear guard, middle line,
// vanguard, each left, centre, right; garrisons in the order of rows 9..17, the
// rival's right vanguard first and its left rear guard last.
struct HouseRoster {
    std::array<Commander, 9> mains;
    std::array<Commander, 6> vices;
    std::array<Garrison, 9> garrisons;
};

using enum GeneralClass;
using enum Weapon;
using enum Rank;

constexpr std::array<HouseRoster, HouseCount> houses{{
    { // 上杉家
        .mains = {{
            {u"金森 景延", Ninja, TwinDaggers, Elder},
            {u"平林 実昌", Samurai, Sword, Elder},
            {u"平林 綱信", Smith, Musket, Elder},
            {u"多田 綱之", Samurai, TwinSwords, Captain},
            {u"荒木 貞光", Samurai, SwordsAndSpear, Inspector},
            {u"熊谷 定就", Smith, Masakari, Elder},
            {u"多田 房延", Physician, Staff, Captain},
            {u"戸田 房連", Priest, Staff, Captain},
            {u"藤田 長成", Samurai, Sword, Captain},
        }},
        .vices = {{
            {u"長坂 正胤", Priest, Staff, Inspector},
            {u"熊谷 小次郎", Samurai, Spear, Captain},
            {u"横山 直定", Onmyoji, UnknownWeapon, Captain},
            {u"篠原 綱次", Samurai, SwordsAndSpear, Auxiliary},
            {u"庄田 房保", Priest, Whip, Auxiliary},
            {u"横山 房安", Monk, UnknownWeapon, Captain},
        }},
        .garrisons = {{
            {u"戸田 守家", Priest, Staff},
            {u"樋口 大膳", Monk, Club},
            {u"堀田 元満", Samurai, Sword},
            {u"樋口 喜兵衛", Physician, Staff},
            {u"藤田 綱堅", Samurai, Sword},
            {u"蜂屋 勘解由", Samurai, Naginata},
            {u"堀田 房時", Physician, UnknownWeapon},
            {u"長野 景春", Samurai, Spear},
            {u"篠原 兵庫", Priest, Whip},
        }},
    },
    { // 武田家
        .mains = {{
            {u"福原 重種", Samurai, Spear, Elder},
            {u"横山 通興", Samurai, Sword, Elder},
            {u"片桐 信次", Samurai, Sword, Elder},
            {u"河村 資武", Monk, Cudgel, Inspector},
            {u"横山 守行", Physician, Whip, Inspector},
            {u"片桐 盛親", Ninja, TwinDaggers, Inspector},
            {u"横井 房元", Monk, Cudgel, Auxiliary},
            {u"近藤 昌定", Samurai, Sword, Auxiliary},
            {u"仁科 晴就", Monk, Naginata, Auxiliary},
        }},
        .vices = {{
            {u"河村 俊資", Samurai, Naginata, Captain},
            {u"横井 晴継", Physician, Staff, Inspector},
            {u"藤井 家次", Ninja, Sword, Inspector},
            {u"大野 新左衛門", Ninja, TwinDaggers, Auxiliary},
            {u"新保 晴親", Smith, Axe, Auxiliary},
            {u"保科 晴実", Samurai, Naginata, Auxiliary},
        }},
        .garrisons = {{
            {u"新保 満俊", Physician, Whip},
            {u"永井 虎胤", Monk, Club},
            {u"大野 信次", Onmyoji, UnknownWeapon},
            {u"近藤 宗継", Smith, Musket},
            {u"杉山 晴武", Samurai, Sword},
            {u"道雲斎", Onmyoji, UnknownWeapon},
            {u"上田 満房", Samurai, TwinSwords},
            {u"保科 昌定", Onmyoji, Staff},
            {u"仁科 将監", Samurai, Naginata},
        }},
    },
    { // 北条家
        .mains = {{
            {u"伊東 綱延", Physician, Whip, Elder},
            {u"堤 政保", Ninja, Sword, Elder},
            {u"松井 政春", Physician, Dagger, Elder},
            {u"真柄 時昌", Samurai, Spear, Captain},
            {u"臼井 康行", Samurai, SwordsAndSpear, Inspector},
            {u"小笠原 氏経", Samurai, SwordsAndSpear, Inspector},
            {u"小笠原 貞親", Monk, Naginata, Captain},
            {u"臼井 重光", Monk, Naginata, Auxiliary},
            {u"加藤 氏時", Samurai, Naginata, Auxiliary},
        }},
        .vices = {{
            {u"堀 康秋", Ninja, Sword, Inspector},
            {u"加藤 主膳", Samurai, Naginata, Captain},
            {u"桃井 政綱", Samurai, Sword, Captain},
            {u"竹内 康元", Onmyoji, Dagger, Auxiliary},
            {u"寺田 康晴", Smith, Cudgel, Auxiliary},
            {u"久保 資時", Ninja, TwinDaggers, Captain},
        }},
        .garrisons = {{
            {u"小林 喜兵衛", Smith, Axe},
            {u"竹内 隼人", Samurai, Sword},
            {u"小林 氏信", Priest, Bow},
            {u"杉山 政綱", Smith, Axe},
            {u"大塚 則信", Onmyoji, Bow},
            {u"大塚 監物", Onmyoji, Staff},
            {u"真柄 政直", Ninja, TwinDaggers},
            {u"久保 左近", Priest, Staff},
            {u"伊東 康就", Monk, Cudgel},
        }},
    },
    { // 今川家
        .mains = {{
            {u"木曾 義光", Samurai, Spear, Magistrate},
            {u"羽田 元時", Samurai, TwinSwords, Elder},
            {u"前野 清連", Smith, Musket, Elder},
            {u"米田 俊綱", Priest, Whip, Elder},
            {u"前野 義久", Samurai, Sword, Elder},
            {u"小林 元定", Samurai, TwinSwords, Elder},
            {u"清水 秀正", Physician, Dagger, Captain},
            {u"梶原 資定", Smith, Cudgel, Captain},
            {u"桃井 氏吉", Onmyoji, Bow, Captain},
        }},
        .vices = {{
            {u"松井 秀興", Onmyoji, Bow, Captain},
            {u"横井 元景", Priest, Whip, Inspector},
            {u"羽田 信弘", Priest, Staff, Captain},
            {u"森田 則実", Physician, Whip, Captain},
            {u"小林 義之", Ninja, Dagger, Captain},
            {u"中島 直之", Samurai, Naginata, Captain},
        }},
        .garrisons = {{
            {u"秋山 義豊", Physician, Dagger},
            {u"横井 家興", Onmyoji, Staff},
            {u"上田 元家", Onmyoji, Bow},
            {u"金森 正実", Samurai, Spear},
            {u"木曾 右京", Samurai, Sword},
            {u"松井 主水", Priest, Bow},
            {u"根岸 大膳", Smith, Musket},
            {u"村井 主水", Samurai, TwinSwords},
            {u"桃井 勘解由", Samurai, SwordsAndSpear},
        }},
    },
    { // 徳川家
        .mains = {{
            {u"上田 家次", Priest, Bow, Magistrate},
            {u"青木 信房", Onmyoji, Dagger, Magistrate},
            {u"青木 忠成", Samurai, Naginata, Elder},
            {u"三上 康弘", Ninja, Dagger, Inspector},
            {u"福田 友弘", Samurai, TwinSwords, Inspector},
            {u"秋元 通綱", Samurai, Sword, Inspector},
            {u"三上 正昌", Samurai, Sword, Auxiliary},
            {u"上田 重明", Samurai, Spear, Captain},
            {u"秋元 康信", Monk, Club, Captain},
        }},
        .vices = {{
            {u"土井 康範", Smith, Musket, Inspector},
            {u"福田 大膳", Ninja, Sword, Inspector},
            {u"坊城 清豊", Ninja, Dagger, Inspector},
            {u"久保 盛綱", Samurai, Naginata, Auxiliary},
            {u"岡部 長重", Samurai, SwordsAndSpear, Auxiliary},
            {u"久保 房豊", Samurai, Naginata, UnknownRank},
        }},
        .garrisons = {{
            {u"小島 清忠", Samurai, SwordsAndSpear},
            {u"小島 刑部", Samurai, TwinSwords},
            {u"高山 資安", Physician, Staff},
            {u"梶原 実俊", Ninja, TwinDaggers},
            {u"藤井 忠綱", Onmyoji, Staff},
            {u"土井 隼人", Onmyoji, Bow},
            {u"朽木 忠秋", Samurai, Sword},
            {u"梶原 正満", Samurai, Sword},
            {u"高山 清行", Onmyoji, Bow},
        }},
    },
    { // 織田家
        .mains = {{
            {u"米田 長秋", Smith, Musket, Elder},
            {u"前野 勝資", Priest, Bow, Magistrate},
            {u"福原 成貞", Onmyoji, Bow, Elder},
            {u"菊池 資経", Onmyoji, Bow, Inspector},
            {u"前野 利実", Onmyoji, Dagger, Elder},
            {u"堀 信行", Ninja, TwinDaggers, Inspector},
            {u"南 守次", Smith, Musket, Auxiliary},
            {u"小笠原 利興", Samurai, Spear, Auxiliary},
            {u"南 秀綱", Samurai, UnknownWeapon, Captain},
        }},
        .vices = {{
            {u"米田 勝光", Onmyoji, Bow, Inspector},
            {u"堤 信豊", Smith, Masakari, Inspector},
            {u"石巻 信堅", Smith, Cudgel, Captain},
            {u"石黒 信晴", Physician, Dagger, Auxiliary},
            {u"根岸 長親", Physician, Dagger, UnknownRank},
            {u"石巻 成行", Samurai, Naginata, Captain},
        }},
        .garrisons = {{
            {u"堤 市之丞", Samurai, Sword},
            {u"菊池 源五郎", Ninja, Sword},
            {u"真田 孫六", Samurai, Spear},
            {u"真田 助右衛門", Ninja, TwinDaggers},
            {u"安井 国俊", Onmyoji, Bow},
            {u"森 利胤", Samurai, Spear},
            {u"和田 実信", Priest, Staff},
            {u"根岸 秀武", Smith, Cudgel},
            {u"安井 家資", Priest, Whip},
        }},
    },
    { // 斎藤家
        .mains = {{
            {u"大熊 重之", Monk, Naginata, Elder},
            {u"西尾 利明", Monk, Cudgel, Magistrate},
            {u"粟屋 龍興", Samurai, SwordsAndSpear, Elder},
            {u"西尾 龍定", Physician, Whip, Captain},
            {u"広瀬 友昌", Monk, Club, Inspector},
            {u"長野 守信", Physician, Staff, Elder},
            {u"木村 龍信", Samurai, Naginata, UnknownRank},
            {u"菊池 長久", Onmyoji, Staff, Auxiliary},
            {u"木曾 房親", Samurai, Sword, Captain},
        }},
        .vices = {{
            {u"内田 内蔵助", Physician, Staff, Inspector},
            {u"内田 利保", Physician, Dagger, Captain},
            {u"垣見 長秋", Samurai, Spear, Inspector},
            {u"粟屋 友堅", Priest, Whip, Auxiliary},
            {u"長野 利親", Monk, Cudgel, Captain},
            {u"秋山 竜成", Samurai, Sword, Auxiliary},
        }},
        .garrisons = {{
            {u"野口 政直", Monk, Naginata},
            {u"小笠原 内蔵助", Physician, Staff},
            {u"秋山 八郎", Samurai, Spear},
            {u"伊東 利弘", Physician, Dagger},
            {u"真田 采女", Physician, Whip},
            {u"小笠原 源五郎", Samurai, SwordsAndSpear},
            {u"大熊 道豊", Samurai, Spear},
            {u"真田 高俊", Priest, Bow},
            {u"木村 弥太郎", Samurai, SwordsAndSpear},
        }},
    },
    { // 本願寺
        .mains = {{
            {u"小林 光明", Smith, Musket, Elder},
            {u"日下部 長正", Physician, Dagger, Elder},
            {u"青木 義重", Samurai, UnknownWeapon, Magistrate},
            {u"矢島 兵庫", Samurai, Sword, Inspector},
            {u"矢島 光安", Priest, Staff, Captain},
            {u"萩原 証堅", Monk, Cudgel, Elder},
            {u"日下部 証綱", Physician, Staff, Captain},
            {u"小林 直秋", Priest, Bow, Captain},
            {u"笠原 顕秋", Samurai, Naginata, UnknownRank},
        }},
        .vices = {{
            {u"中沢 与三郎", Samurai, Spear, Inspector},
            {u"岡田 忠興", Samurai, Spear, Captain},
            {u"塩田 了豊", Samurai, Naginata, Captain},
            {u"願誓", Physician, Whip, Captain},
            {u"吉田 実秋", Monk, Club, Auxiliary},
            {u"大森 証豊", Monk, Naginata, Auxiliary},
        }},
        .garrisons = {{
            {u"浄照", Smith, Axe},
            {u"浅野 顕昌", Monk, Naginata},
            {u"浅野 刑部", Monk, Club},
            {u"了順", Physician, Whip},
            {u"笠原 孫六", Samurai, Sword},
            {u"薬師寺 将監", Onmyoji, UnknownWeapon},
            {u"河村 兵庫", Monk, Naginata},
            {u"薬師寺 左近", Monk, Club},
            {u"矢野 八郎", Monk, Cudgel},
        }},
    },
    { // 朝倉家
        .mains = {{
            {u"平野 輝正", Samurai, Naginata, Magistrate},
            {u"桜井 貞連", Onmyoji, Dagger, Elder},
            {u"木村 宗綱", Onmyoji, Bow, Magistrate},
            {u"白井 通定", Samurai, Sword, UnknownRank},
            {u"浅野 康興", Ninja, Sword, Captain},
            {u"岡田 景光", Smith, Masakari, Inspector},
            {u"高木 教昌", Onmyoji, Dagger, Auxiliary},
            {u"矢野 景行", Priest, Bow, Captain},
            {u"桜井 政綱", Physician, Whip, Captain},
        }},
        .vices = {{
            {u"矢島 貞之", Samurai, Spear, Inspector},
            {u"藤井 国次", Samurai, TwinSwords, Inspector},
            {u"木村 景重", Samurai, SwordsAndSpear, Captain},
            {u"平野 高広", Physician, Staff, Captain},
            {u"矢島 国秋", Physician, Whip, Captain},
            {u"樋口 貞家", Monk, Club, UnknownRank},
        }},
        .garrisons = {{
            {u"吉田 彦三郎", Priest, Bow},
            {u"矢野 景豊", Ninja, TwinDaggers},
            {u"吉田 弥太郎", Samurai, SwordsAndSpear},
            {u"望月 甚兵衛", Monk, Club},
            {u"飯尾 宗重", Samurai, UnknownWeapon},
            {u"藤井 図書", Onmyoji, Staff},
            {u"南 景弘", Monk, Club},
            {u"樋口 教久", Priest, Whip},
            {u"浅野 主膳", Onmyoji, Dagger},
        }},
    },
    { // 浅井家
        .mains = {{
            {u"小幡 長成", Priest, Bow, Magistrate},
            {u"渡辺 清久", Monk, Club, Magistrate},
            {u"長坂 亮正", Samurai, Spear, Magistrate},
            {u"長坂 亮光", Onmyoji, Staff, Inspector},
            {u"日下部 源五郎", Smith, Masakari, Inspector},
            {u"庄田 宗継", Samurai, TwinSwords, Elder},
            {u"渡辺 元之", Monk, Club, Captain},
            {u"菅沼 盛俊", Samurai, Sword, Captain},
            {u"菅沼 長光", Ninja, Dagger, Captain},
        }},
        .vices = {{
            {u"曽根 景俊", Monk, Cudgel, Captain},
            {u"庄田 政俊", Physician, Whip, Captain},
            {u"堀田 清保", Priest, Staff, Captain},
            {u"関口 守安", Physician, Dagger, Auxiliary},
            {u"西川 長胤", Samurai, SwordsAndSpear, Auxiliary},
            {u"小幡 高豊", Samurai, Spear, UnknownRank},
        }},
        .garrisons = {{
            {u"成田 数馬", Smith, UnknownWeapon},
            {u"関口 半右衛門", Ninja, TwinDaggers},
            {u"高坂 主水", Samurai, Spear},
            {u"田代 家明", Priest, Whip},
            {u"福田 清九郎", Physician, Whip},
            {u"成田 長次", Monk, Naginata},
            {u"西川 玄蕃", Priest, Bow},
            {u"高坂 藤十郎", Priest, Bow},
            {u"杉原 将監", Samurai, Naginata},
        }},
    },
    { // 伊賀忍
        .mains = {{
            {u"塩田 則景", Ninja, TwinDaggers, Elder},
            {u"水野 資胤", Samurai, UnknownWeapon, Magistrate},
            {u"片桐 宗範", Onmyoji, Bow, UnknownRank},
            {u"長坂 友直", Samurai, Naginata, Inspector},
            {u"石黒 則経", Ninja, TwinDaggers, Inspector},
            {u"白井 資吉", Physician, Whip, Inspector},
            {u"疾風丸", Samurai, UnknownWeapon, Captain},
            {u"小林 勝正", Samurai, UnknownWeapon, Captain},
            {u"小笠原 俊親", Samurai, Spear, Captain},
        }},
        .vices = {{
            {u"小倉 政秋", Monk, Club, Captain},
            {u"石黒 頼時", Priest, Whip, Inspector},
            {u"寺田 政俊", Smith, Cudgel, Captain},
            {u"三上 秀継", Ninja, TwinDaggers, UnknownRank},
            {u"寺田 清武", Onmyoji, Dagger, Auxiliary},
            {u"臼井 正之", Samurai, Spear, Captain},
        }},
        .garrisons = {{
            {u"朧", Samurai, Spear},
            {u"成田 宗資", Samurai, TwinSwords},
            {u"平岡 助右衛門", Ninja, TwinDaggers},
            {u"三上 胤信", Physician, Whip},
            {u"長坂 監物", Samurai, Sword},
            {u"木霊", Onmyoji, Bow},
            {u"小倉 保俊", Ninja, TwinDaggers},
            {u"加藤 市之丞", Physician, Dagger},
            {u"小林 家経", Samurai, Sword},
        }},
    },
    { // 足利家
        .mains = {{
            {u"生駒 義元", Physician, Whip, Elder},
            {u"佐竹 義房", Physician, Dagger, Elder},
            {u"長坂 晴昌", Physician, Dagger, Magistrate},
            {u"塩川 晴実", Priest, UnknownWeapon, Captain},
            {u"荻原 晴親", Samurai, Sword, Elder},
            {u"荻原 輝之", Physician, Staff, Elder},
            {u"薬師寺 晴安", Priest, Staff, Captain},
            {u"生駒 尚広", Samurai, Sword, Captain},
            {u"小山田 義資", Physician, Whip, Captain},
        }},
        .vices = {{
            {u"金森 氏晴", Samurai, Sword, Captain},
            {u"今井 藤成", Samurai, Spear, Inspector},
            {u"石巻 義堅", Smith, Cudgel, Captain},
            {u"佐竹 為豊", Onmyoji, Bow, Captain},
            {u"塩川 孫六", Physician, Whip, Auxiliary},
            {u"和田 高種", Onmyoji, Staff, Auxiliary},
        }},
        .garrisons = {{
            {u"宗閑", Onmyoji, Staff},
            {u"長坂 図書", Physician, Whip},
            {u"福原 義晴", Smith, Cudgel},
            {u"飯田 図書", Samurai, Spear},
            {u"新保 氏定", Samurai, Sword},
            {u"福原 義明", Onmyoji, Bow},
            {u"今井 尚光", Samurai, SwordsAndSpear},
            {u"新保 宗種", Samurai, Naginata},
            {u"和田 重経", Samurai, Naginata},
        }},
    },
    { // 三好家
        .mains = {{
            {u"市川 慶就", Priest, Whip, UnknownRank},
            {u"天野 胤春", Samurai, Naginata, Elder},
            {u"浜田 康範", Samurai, Naginata, Magistrate},
            {u"真田 長貞", Samurai, TwinSwords, Elder},
            {u"市川 政重", Monk, Naginata, Inspector},
            {u"久保 実貞", Ninja, Sword, Captain},
            {u"樋口 慶光", Priest, UnknownWeapon, Captain},
            {u"荻原 長光", Samurai, Sword, Captain},
            {u"大井 長貞", Ninja, Sword, Captain},
        }},
        .vices = {{
            {u"天野 信武", Physician, Whip, Captain},
            {u"大井 康満", Samurai, Spear, Inspector},
            {u"荻原 政武", Monk, Club, Inspector},
            {u"有賀 康正", Samurai, Spear, Captain},
            {u"小野 正行", Samurai, Spear, Captain},
            {u"真田 景豊", Ninja, TwinDaggers, Auxiliary},
        }},
        .garrisons = {{
            {u"菅沼 実房", Samurai, Spear},
            {u"野村 兵庫", Samurai, TwinSwords},
            {u"樋口 政晴", Samurai, UnknownWeapon},
            {u"山崎 主膳", Physician, Staff},
            {u"寺田 忠明", Samurai, Sword},
            {u"三上 頼継", Smith, Axe},
            {u"三上 与三郎", Samurai, Sword},
            {u"浜田 範胤", Samurai, Sword},
            {u"小川 忠時", Samurai, Sword},
        }},
    },
    { // 雑賀衆
        .mains = {{
            {u"宮田 秀久", Samurai, Musket, Magistrate},
            {u"林 房元", Samurai, Musket, Elder},
            {u"山口 秀連", Samurai, Sword, Elder},
            {u"深沢 盛武", Priest, Whip, Captain},
            {u"深沢 輝広", Samurai, Musket, Captain},
            {u"高木 吉武", Onmyoji, Staff, Inspector},
            {u"坊城 兼保", Samurai, Musket, Captain},
            {u"宮田 重次", Onmyoji, Bow, Captain},
            {u"坊城 盛範", Physician, Whip, Captain},
        }},
        .vices = {{
            {u"土井 実武", Onmyoji, Bow, Inspector},
            {u"林 吉次", Samurai, Musket, Inspector},
            {u"土屋 清安", Samurai, Naginata, Inspector},
            {u"鉄念", Priest, Staff, Auxiliary},
            {u"石巻 盛資", Smith, Cudgel, Auxiliary},
            {u"多賀 時次", Samurai, Sword, Captain},
        }},
        .garrisons = {{
            {u"鵜殿 半右衛門", Monk, Naginata},
            {u"牧野 資時", Smith, Musket},
            {u"前野 頼忠", Priest, Bow},
            {u"小山 盛行", Ninja, Dagger},
            {u"村瀬 勘解由", Ninja, Sword},
            {u"土屋 政信", Priest, Bow},
            {u"石巻 数馬", Onmyoji, Dagger},
            {u"保科 大膳", Onmyoji, Staff},
            {u"真柄 友忠", Monk, Naginata},
        }},
    },
}};

HouseGeneral ranked(const Commander &general)
{
    return {general.name, general.generalClass, general.weapon, general.rank};
}

} // namespace

std::optional<HouseGeneral> houseGeneral(Faction house, int row, int role)
{
    const auto kind = cellKind(row, role);
    if (house < 0 || house >= HouseCount || !kind)
        return std::nullopt;
    const HouseRoster &roster = houses[house];
    if (*kind == CellKind::Garrison) {
        const Garrison &general = roster.garrisons[row - 9];
        return HouseGeneral{general.name, general.generalClass, general.weapon, std::nullopt};
    }
    return ranked(*kind == CellKind::Vice ? roster.vices[row] : roster.mains[row]);
}

} // namespace vantor
