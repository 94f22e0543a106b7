#include "entry/entrydesign.h"

namespace {

using Mode = EntryBox::InputMode;

} // namespace

const EntryDesign& newRegistrationDesign() {
    static const EntryDesign design{
        u"NewStationDialog",
        u"新規登録",
        12765,
        6195,
        &SettingsValues::NewLeft,
        &SettingsValues::NewTop,
        {{
            {u"免許状登録データ", 120, 120, 6255, 5295},
            {u"再免許申請者のデータ", 6600, 120, 6015, 5295},
        }},
        {{
            {u"コールサイン", 13, Mode::FullWidthAlphanumeric, 1680, 360, 2532, 240},
            {u"免  許  番  号", 21, Mode::Hiragana, 1680, 840, 2532, 240},
            {u"氏　         名", 17, Mode::Hiragana, 1680, 2280, 1695, 240},
            {u"ﾌﾘｶﾞﾅ", 21, Mode::HalfWidthKatakana, 4200, 2280, 1695, 3600},
            {u"郵  便  番  号", 9, Mode::Off, 1680, 2760, 1695, 240},
            {u"設置(常置)場所1", 26, Mode::Hiragana, 1680, 3240, 4215, 240},
            {u"設置(常置)場所2", 26, Mode::Hiragana, 1680, 3720, 4215, 240},
            {u"社　 　団　 　名", 26, Mode::Hiragana, 1680, 4200, 4215, 240},
            {u"社 団 名 カ ナ", 50, Mode::HalfWidthKatakana, 1680, 4680, 4215, 240},
            {u"氏　         名", 17, Mode::Hiragana, 1440, 480, 1695, 240},
            {u"ﾌﾘｶﾞﾅ", 21, Mode::HalfWidthKatakana, 3960, 480, 1695, 3360},
            {u"郵  便  番  号", 9, Mode::Off, 1440, 960, 1695, 240},
            {u"申請書住所 1", 26, Mode::Hiragana, 1440, 1440, 4215, 240},
            {u"申請書住所 2", 26, Mode::Hiragana, 1440, 1920, 4215, 240},
            {u"電  話  番  号", 17, Mode::Off, 1440, 2400, 4215, 240},
        }},
        1680,
        1320,
        2055,
        315,
        u"免 許 期 限 日",
        1380,
        {3840, 4320, 4800},
        1320,
        255,
        315,
        {3840, 4320, 4800},
        1680,
        1680,
        1800,
        1212,
        u"免  許  種  別",
    };
    return design;
}

const EntryDesign& editDesign() {
    static const EntryDesign design{
        u"EditStationDialog",
        u"登録データの編集",
        12525,
        6225,
        &SettingsValues::EditLeft,
        &SettingsValues::EditTop,
        {{
            {u"登録データ", 120, 120, 6015, 5295},
            {u"再免許申請者のデータ", 6360, 120, 6015, 5295},
        }},
        {{
            {u"コールサイン", 7, Mode::FullWidthAlphanumeric, 1440, 360, 2532, 240},
            {u"免 許 番 号", 12, Mode::Hiragana, 1440, 840, 2532, 240},
            {u"氏　      名", 13, Mode::Hiragana, 1440, 2280, 1695, 240},
            {u"ﾌﾘｶﾞﾅ", 20, Mode::HalfWidthKatakana, 3960, 2280, 1695, 3360},
            {u"郵便番号", 9, Mode::Off, 1440, 2760, 1815, 240},
            {u"設置(常置)場所1", 26, Mode::Hiragana, 1440, 3240, 4215, 240},
            {u"設置(常置)場所2", 26, Mode::Hiragana, 1440, 3720, 4215, 240},
            {u"社　　団　　名", 26, Mode::Hiragana, 1440, 4200, 4215, 240},
            {u"社団名フリガナ", 50, Mode::HalfWidthKatakana, 1440, 4680, 4215, 240},
            {u"氏　         名", 17, Mode::Hiragana, 1440, 480, 1815, 240},
            {u"ﾌﾘｶﾞﾅ", 21, Mode::HalfWidthKatakana, 3960, 480, 1695, 3360},
            {u"郵  便  番  号", 9, Mode::Off, 1440, 960, 1695, 240},
            {u"申請書住所 1", 26, Mode::Hiragana, 1440, 1440, 4215, 240},
            {u"申請書住所 2", 26, Mode::Hiragana, 1440, 1920, 4215, 240},
            {u"電  話  番  号", 17, Mode::Off, 1440, 2400, 4215, 240},
        }},
        1440,
        1320,
        2052,
        312,
        u"免許期限日",
        1380,
        {3600, 4080, 4560},
        1320,
        252,
        312,
        {3840, 4320, 4800},
        1440,
        1440,
        1800,
        1212,
        u"免 許 種 別",
    };
    return design;
}
