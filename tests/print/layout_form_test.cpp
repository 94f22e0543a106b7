#include "layout_support.h"

#include <QRectF>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

using namespace layouttest;

constexpr quint32 kForm = 0x112233;
constexpr quint32 kData = 0x445566;

const std::map<quint32, QString> kRoles{
    {kForm, QStringLiteral("F")}, {kData, QStringLiteral("D")}, {0xC0C0C0, QStringLiteral("G")}};

Inputs personalStation() {
    Inputs in;
    in.settings.frmShoku = qint32(kForm);
    in.settings.MojiShoku = qint32(kData);
    PrintData& p = in.print;
    p.PrintDest = QStringLiteral(u"関東総合通信局長　殿");
    p.PrintCallSign = QStringLiteral(u"ＪＡ１ＸＶＭ");
    p.PrintLicenceNo = QStringLiteral(u"関第２１０３４５号");
    p.PrintLicenceDate = QStringLiteral(u"令和3年06月01日");
    p.PrintExpiry = QStringLiteral(u"令和8年05月31日");
    p.PrintApplicantZip = QStringLiteral("100-0013");
    p.PrintApplicantAddr1 = QStringLiteral(u"東京都千代田区霞が関１－２－３");
    p.PrintApplicantAddr2 = QStringLiteral(u"ハイツ１０１号");
    p.PrintApplicantName = QStringLiteral(u"山田　太郎");
    p.PrintApplicantKana = QStringLiteral(u"ヤマダ　タロウ");
    p.PrintApplicantTel = QStringLiteral("03-1234-5678");
    p.PrintClubName = QStringLiteral(u"ベルモラ無線クラブ");
    p.PrintClubKana = QStringLiteral(u"ベルモラムセンクラブ");
    return in;
}

struct Drawn {
    std::vector<PageElement> elements;
    Grid grid;
    std::vector<std::string> lines;
    Result result;
};

Drawn draw(const Inputs& in, int mode = 3, QSizeF page = pagesize::a4()) {
    fonts::installSubstitutions();
    RecordingSurface surface(page);
    Drawn d;
    d.result = SaiMen(surface, mode, in.page());
    // The grid, measured on the surface as the layout left it (its scale stays).
    surface.setFontName(fonts::mincho());
    surface.setFontSize(11);
    d.grid.x = pagearithmetic::roundHalfEven(surface.textWidth(QStringLiteral("M")));
    d.grid.y = pagearithmetic::roundHalfEven(1.1 * surface.textHeight(QStringLiteral("M")));
    d.elements = surface.elements();
    d.lines = describe(d.elements, d.grid, kRoles);
    return d;
}

// The lines of d that start with prefix (a position, say).
std::vector<std::string> linesAt(const Drawn& d, const std::string& prefix) {
    std::vector<std::string> found;
    std::copy_if(d.lines.begin(), d.lines.end(), std::back_inserter(found),
                 [&](const std::string& line) { return line.rfind(prefix, 0) == 0; });
    return found;
}

// Everything drawn in the data colour.
std::vector<std::string> dataLines(const Drawn& d) {
    std::vector<std::string> found;
    std::copy_if(d.lines.begin(), d.lines.end(), std::back_inserter(found),
                 [](const std::string& line) { return line.find(" D ") != std::string::npos; });
    return found;
}

const char* const kPersonalStation = R"golden(
B(56,4)-(84,11.5) 3 solid F
B(2,19.5)-(84,28.5) 3 solid F
L(25,21)-(84,21) 3 solid F
L(2,24)-(84,24) 3 solid F
L(25.5,25.5)-(84,25.5) 1 dot F
L(25,19.5)-(25,28.5) 3 solid F
B(3,30.5)-(84,33.5) 3 solid F
L(3,32)-(84,32) 3 solid F
L(28,30.5)-(28,33.5) 3 solid F
L(56,30.5)-(56,33.5) 3 solid F
B(2,35.5)-(84,46) 3 solid F
L(2,37)-(84,37) 3 solid F
L(2,39)-(84,39) 3 solid F
L(2,41)-(84,41) 3 solid F
L(2,43)-(84,43) 3 solid F
L(2,44.5)-(84,44.5) 3 solid F
L(38,35.5)-(38,46) 3 solid F
B(4,49.5)-(84,53.5) 3 solid F
L(4,51)-(84,51) 3 solid F
L(36,49.5)-(36,53.5) 3 solid F
B(4,55)-(84,58.25) 3 solid F
L(23,55.875)-(84,55.875) 3 solid F
L(4,56.75)-(84,56.75) 3 solid F
L(23,55)-(23,58.25) 3 solid F
L(23,57.5)-(84,57.5) 1 dot F
B(2,59.75)-(84,62.75) 3 solid F
L(2,61.25)-(84,61.25) 3 solid F
L(2,62)-(84,62) 3 solid F
L(23,59.75)-(23,62.75) 3 solid F
L(23,60.5)-(84,60.5) 1 dot F
T(25,0) 12 F "無線局"
T(+,0) 12 G "免許( "
T(+,0) 12 F "再免許"
T(+,0) 12 G ")"
T(+,0) 12 F "申請書"
L(31.5543,0.3)-(37.0163,0.3) 1 solid G
L(31.5543,0.6)-(37.0163,0.6) 1 solid G
L(44.663,0.3)-(45.7554,0.3) 1 solid G
L(44.663,0.6)-(45.7554,0.6) 1 solid G
T(1,3) 12 F "関東総合通信局長　殿"
T(63,4.5) 12 F "収入印紙貼付欄"
T(66,6) 12 F "3,050 円"
T(56,2) 11.5 F "令和      年      月      日"
T(2,12.5) 6 F "□電波法第６条の規定により､無線局の免許を受けたいので､無線局免許手続規則第４条に規定する書類を添えて下記のとおり申請します｡" strike
T(2,13.75) 6 F "□無線局免許手続規則第16条第１項の規定により､無線局の再免許を受けたいので､第16条の２の規定により､別紙の書類を添えて下記のとおり申請します｡" strike
T(2,15) 11.5 D "■"
T(2,15) 11.5 F "□無線局免許手続規則第16条第１項の規定により､無線局の再免許を受けたいので､第16条の３の"
T(4,16.5) 11.5 F "規定により､添付書類の提出を省略して下記のとおり申請します｡"
T(1,18.3) 11.5 F "１　申請者"
T(3,19.7) 11.5 F "住　所"
T(26,19.7) 11.5 F "都道府県―市区町村コード  [                           ]"
T(26,21.2) 11.5 F "〒 (          )"
T(3,24.2) 11.5 F "氏名又は名称及び代表"
T(26,24.2) 11.5 F "フリガナ"
T(3,25.7) 11.5 F "者氏名"
T(0,29.3) 11.5 F "２　電波法第５条に規定する欠格事由"
T(4,30.8) 11.5 F "開設しようとする無線局"
T(29,30.8) 11.5 F "無線機の種類（第２項各号）"
T(57,30.8) 11.5 D "■"
T(57,32.3) 11.5 D "　　　　　■"
T(57,30.8) 11.5 F "□　該当　　□　該当しない"
T(4,32.3) 11.5 F "相対的欠格事由"
T(29,32.3) 11.5 F "処分歴等（第３項）"
T(57,32.3) 11.5 F "□　有　　□　無"
T(0,34.3) 11.5 F "３　"
T(+,34.3) 11.5 G "免許又は"
T(+,34.3) 11.5 F "再免許に関する事項"
L(4.1875,34.7)-(12.5625,34.7) 1 solid G
L(4.1875,35)-(12.5625,35) 1 solid G
T(3,35.7) 11.5 F "①　無線局の種別及び局数"
T(3,37.5) 11.5 F "②　識別信号"
T(3,39.5) 11.5 F "③　免許の番号"
T(3,41.5) 11.5 F "④　免許の年月日"
T(3,43.2) 11.5 F "⑤　希望する免許の有効期間"
T(3,44.7) 11.5 F "⑥　備考（電話番号）"
T(0,47) 11.5 F "４　電波利用料"
T(3,48.2) 11.5 F "①　電波利用料の前納"
T(5.5,49.8) 11.5 F "電波利用料の前納の申出の有無"
T(49.7,49.8) 11.5 D "■"
T(37.2,49.8) 11.5 F "□有"
T(49.7,49.8) 11.5 F "□無"
T(5.5,51.3) 11.5 F "電波利用料の前納に係る期間"
T(37.2,51.3) 11.5 F "□無線局の免許の有効期間まで前納します。"
T(37.2,52.2) 11.5 F "□その他（　　　　年）"
T(3,53.7) 7 G "②　電波利用料納入告知書送付先（法人の場合に限る。）"
T(7,54.2) 7 G "１の欄と同一のため記載を省略します。"
T(5.5,55.2) 7 G "住　所"
T(23.5,55.2) 7 G "都道府県―市町村コード  ［                             ］"
T(23.5,56) 7 G "〒 (          )"
T(5.5,56.9) 7 G "部署名"
T(23.5,56.9) 7 G "フリガナ"
T(1,58.5) 7 G "５　申請の内容の関する連絡先"
T(2.5,59.9) 7 G "所属、氏名"
T(23,59.9) 7 G "フリガナ"
T(2.5,61.35) 7 G "電話番号"
T(2.5,62.1) 7 G "電子メールアドレス"
T(30.5,21.2) 11.5 D "100-0013"
T(28,22.2) 11.5 D "東京都千代田区霞が関１－２－３"
T(28,23) 11.5 D "ハイツ１０１号"
T(36,24.4) 11.5 D "ヤマダ　タロウ"
T(28,26.5) 14 D "山田　太郎"
T(40,35.7) 11.5 D "アマチュア無線局　１局"
T(40,37.5) 11.5 D "ＪＡ１ＸＶＭ"
T(40,39.5) 11.5 D "関第２１０３４５号"
T(40,41.5) 11.5 D "令和3年06月01日"
T(40,44.7) 11.5 D "03-1234-5678"
)golden";

TEST(FormLayout, DrawsTheWholeFormInOrderOnItsGrid) {
    const Drawn d = draw(personalStation());
    ASSERT_TRUE(d.result.ok);
    // "M" at 11 points is 110 twips wide and one em (220 twips) high in "ＭＳ 明朝"; the page
    // units are a little smaller than twips, so the grid is 120 by 252 units on A4.
    EXPECT_EQ(d.grid.x, 120);
    EXPECT_EQ(d.grid.y, 252);

    const std::vector<std::string> expected = golden(kPersonalStation);
    ASSERT_EQ(d.lines.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(d.lines[i], expected[i]) << "element " << i;

    for (const PageElement& e : d.elements) {
        if (e.kind == PageElement::Kind::Text) {
            EXPECT_EQ(e.fontName, fonts::mincho());
        }
    }
}

TEST(FormLayout, StrikeOutLinesLieOnGreyWordsOnly) {
    constexpr quint32 kGrey = 0xC0C0C0;
    const Drawn d = draw(personalStation());
    std::vector<QRectF> grey, other;
    for (const PageElement& e : d.elements) {
        if (e.kind == PageElement::Kind::Text)
            (e.colour == kGrey ? grey : other).push_back(QRectF(e.from, e.to).normalized());
    }
    int strikes = 0;
    for (const PageElement& e : d.elements) {
        if (e.kind != PageElement::Kind::Line || e.colour != kGrey)
            continue;
        ++strikes;
        const QRectF line = QRectF(e.from, e.to).normalized();
        EXPECT_TRUE(std::any_of(grey.begin(), grey.end(),
                                [&](const QRectF& text) {
                                    return text.contains(line.topLeft()) &&
                                           text.contains(line.bottomRight());
                                }))
            << e.from.x() / d.grid.x << "," << e.from.y() / d.grid.y;
        EXPECT_TRUE(std::none_of(other.begin(), other.end(),
                                 [&](const QRectF& text) {
                                     return line.top() > text.top() && line.top() < text.bottom() &&
                                            std::max(line.left(), text.left()) <
                                                std::min(line.right(), text.right());
                                 }))
            << e.from.x() / d.grid.x << "," << e.from.y() / d.grid.y;
    }
    EXPECT_EQ(strikes, 6);
}

TEST(FormLayout, FitsInsideAnA4PageAtZeroOffsets) {
    Inputs in = personalStation();
    in.print.PrintDateFlag = 1;
    in.print.PrintAppDate = QStringLiteral(u"令和12年12月28日");
    in.print.PrintClubFlag = 1;
    in.print.PrepayAnswer = 1;
    in.print.PrepayPeriod = 1;
    in.print.PrepayYears = QStringLiteral("10");
    const Drawn d = draw(in);
    for (const PageElement& e : d.elements) {
        const QRectF extent = QRectF(e.fromTwips, e.toTwips).normalized();
        EXPECT_TRUE(extent.left() >= 0 && extent.top() >= 0 && extent.right() <= 11906 &&
                    extent.bottom() <= 16838)
            << qPrintable(e.text) << " " << extent.right() << " " << extent.bottom();
    }
    // The lowest element, the frame of section 5, ends well inside the sheet: rows are not
    // stretched by the substitute face's taller line.
    const auto lowest = std::max_element(
        d.elements.begin(), d.elements.end(),
        [](const PageElement& a, const PageElement& b) { return a.toTwips.y() < b.toTwips.y(); });
    EXPECT_LT(lowest->toTwips.y(), 16838 - 500);
    EXPECT_GT(lowest->toTwips.y(), 15000);
}

TEST(FormLayout, ApplicationDateFillsItsFieldsOrStaysBlank) {
    Inputs in = personalStation();

    // Flag off: the blank line, whatever date text is remembered.
    in.print.PrintAppDate = QStringLiteral(u"令和7年03月09日");
    EXPECT_EQ(linesAt(draw(in), "T(56,2)"),
              std::vector<std::string>{"T(56,2) 11.5 F \"令和      年      月      日\""});
    EXPECT_TRUE(linesAt(draw(in), "T(60,2)").empty());

    // One-digit year, month and day: three spaces, the digit, two spaces.
    in.print.PrintDateFlag = 1;
    Drawn d = draw(in);
    EXPECT_EQ(linesAt(d, "T(56,2)"),
              std::vector<std::string>{"T(56,2) 11.5 F \"令和      年      月      日\""});
    EXPECT_EQ(linesAt(d, "T(60,2)"), std::vector<std::string>{"T(60,2) 11.5 D \"   7  \""});
    EXPECT_EQ(linesAt(d, "T(68,2)"), std::vector<std::string>{"T(68,2) 11.5 D \"   3  \""});
    EXPECT_EQ(linesAt(d, "T(76,2)"), std::vector<std::string>{"T(76,2) 11.5 D \"   9  \""});

    // The digits end two cells before the fixed "年": the field starts at 60, "年" at 66.
    RecordingSurface measure(pagesize::a4());
    measure.setFontSize(11.5);
    const double cell = measure.textWidth(QStringLiteral("M"));
    EXPECT_DOUBLE_EQ(measure.textWidth(QStringLiteral(u"令和      ")), 10 * cell);
    EXPECT_DOUBLE_EQ(measure.textWidth(QStringLiteral("   7")), 4 * cell);

    // Two digits, the unpadded pattern, another era, and an ISO date.
    in.print.PrintAppDate = QStringLiteral(u"令和12年11月25日");
    d = draw(in);
    EXPECT_EQ(linesAt(d, "T(60,2)"), std::vector<std::string>{"T(60,2) 11.5 D \"  12  \""});
    EXPECT_EQ(linesAt(d, "T(68,2)"), std::vector<std::string>{"T(68,2) 11.5 D \"  11  \""});
    EXPECT_EQ(linesAt(d, "T(76,2)"), std::vector<std::string>{"T(76,2) 11.5 D \"  25  \""});
    in.print.PrintAppDate = QStringLiteral(u"平成31年4月30日");
    d = draw(in);
    EXPECT_EQ(linesAt(d, "T(56,2)"),
              std::vector<std::string>{"T(56,2) 11.5 F \"平成      年      月      日\""});
    EXPECT_EQ(linesAt(d, "T(60,2)"), std::vector<std::string>{"T(60,2) 11.5 D \"  31  \""});
    in.print.PrintAppDate = QStringLiteral("2019-05-01");
    d = draw(in);
    EXPECT_EQ(linesAt(d, "T(56,2)"),
              std::vector<std::string>{"T(56,2) 11.5 F \"令和      年      月      日\""});
    EXPECT_EQ(linesAt(d, "T(60,2)"), std::vector<std::string>{"T(60,2) 11.5 D \"   1  \""});

    // A text that is no date leaves the line blank and still draws the whole page.
    in.print.PrintAppDate = QStringLiteral(u"令和7年2月30日");
    d = draw(in);
    EXPECT_TRUE(d.result.ok);
    EXPECT_EQ(linesAt(d, "T(56,2)"),
              std::vector<std::string>{"T(56,2) 11.5 F \"令和      年      月      日\""});
    EXPECT_TRUE(linesAt(d, "T(60,2)").empty());
    EXPECT_EQ(d.lines.size(), golden(kPersonalStation).size());
}

TEST(FormLayout, ClubStationsPrintTheClubWithItsRepresentative) {
    Inputs in = personalStation();
    in.print.PrintClubFlag = 1;
    const Drawn club = draw(in);
    EXPECT_EQ(
        linesAt(club, "T(36,24.4)"),
        std::vector<std::string>{"T(36,24.4) 11.5 D \"ベルモラムセンクラブ  ヤマダ　タロウ\""});
    EXPECT_EQ(linesAt(club, "T(28,26)"),
              std::vector<std::string>{"T(28,26) 11.5 D \"ベルモラ無線クラブ\""});
    EXPECT_EQ(linesAt(club, "T(28,27)"),
              std::vector<std::string>{"T(28,27) 11.5 D \"山田　太郎\""});
    EXPECT_TRUE(linesAt(club, "T(28,26.5)").empty());

    // Any other flag value is a personal station: the name alone, larger, and the club's
    // name unused even when the print data holds one.
    in.print.PrintClubFlag = 2;
    const Drawn personal = draw(in);
    EXPECT_EQ(linesAt(personal, "T(36,24.4)"),
              std::vector<std::string>{"T(36,24.4) 11.5 D \"ヤマダ　タロウ\""});
    EXPECT_EQ(linesAt(personal, "T(28,26.5)"),
              std::vector<std::string>{"T(28,26.5) 14 D \"山田　太郎\""});
    EXPECT_TRUE(linesAt(personal, "T(28,26)").empty());
    EXPECT_TRUE(linesAt(personal, "T(28,27)").empty());
    // The size goes back to 11.5 for what follows the large name.
    EXPECT_EQ(linesAt(personal, "T(40,35.7)"),
              std::vector<std::string>{"T(40,35.7) 11.5 D \"アマチュア無線局　１局\""});
}

TEST(FormLayout, DisposalMarkFallsUnderTheChosenBox) {
    Inputs in = personalStation();
    const QString boxes = QStringLiteral(u"□　有　　□　無");
    for (qint16 disposal : {0, 1, -1}) {
        in.print.DisposalHistory = disposal;
        const Drawn d = draw(in);
        const std::vector<std::string> at = linesAt(d, "T(57,32.3)");
        ASSERT_EQ(at.size(), 2u);
        // The mark comes first so that the box printed over it looks filled.
        EXPECT_NE(at[0].find(" D "), std::string::npos);
        EXPECT_EQ(at[1], "T(57,32.3) 11.5 F \"□　有　　□　無\"");
        const QString mark = QString::fromStdString(at[0]).section(u'"', 1, 1);
        const qsizetype chosen =
            disposal != 0 ? boxes.indexOf(u'□') : boxes.indexOf(u'□', boxes.indexOf(u'□') + 1);
        EXPECT_EQ(mark.indexOf(u'■'), chosen) << disposal;
        EXPECT_EQ(mark.size(), chosen + 1);
    }
}

TEST(FormLayout, PrepaymentMarksFollowTheAnswerAndPeriod) {
    Inputs in = personalStation();
    in.print.PrepayYears = QStringLiteral(" 3 ");
    const auto prepayData = [](const Drawn& d) {
        std::vector<std::string> found;
        for (const std::string& line : dataLines(d)) {
            const double y =
                QString::fromStdString(line).section(u',', 1, 1).section(u')', 0, 0).toDouble();
            if (y >= 49 && y <= 53)
                found.push_back(line);
        }
        return found;
    };

    // No prepayment (any answer but 1): one mark, on "□無"; the period does not matter.
    in.print.PrepayAnswer = 0;
    in.print.PrepayPeriod = 1;
    EXPECT_EQ(prepayData(draw(in)), std::vector<std::string>{"T(49.7,49.8) 11.5 D \"■\""});
    in.print.PrepayAnswer = 2;
    EXPECT_EQ(prepayData(draw(in)), std::vector<std::string>{"T(49.7,49.8) 11.5 D \"■\""});

    // For the whole licence period.
    in.print.PrepayAnswer = 1;
    in.print.PrepayPeriod = 0;
    EXPECT_EQ(prepayData(draw(in)),
              (std::vector<std::string>{"T(37.2,49.8) 11.5 D \"■\"", "T(37.2,51.3) 11.5 D \"■\""}));

    // For a number of years, written as typed inside the parentheses.
    in.print.PrepayPeriod = 1;
    const Drawn years = draw(in);
    EXPECT_EQ(prepayData(years),
              (std::vector<std::string>{"T(37.2,49.8) 11.5 D \"■\"", "T(37.2,52.2) 11.5 D \"■\"",
                                        "T(52.2,52.2) 11.5 D \" 3 \""}));
    // Every mark is printed before the box that covers it.
    const auto position = [&](const std::string& line) {
        return std::find(years.lines.begin(), years.lines.end(), line) - years.lines.begin();
    };
    EXPECT_LT(position("T(37.2,52.2) 11.5 D \"■\""),
              position("T(37.2,52.2) 11.5 F \"□その他（　　　　年）\""));
    EXPECT_LT(position("T(37.2,49.8) 11.5 D \"■\""), position("T(37.2,49.8) 11.5 F \"□有\""));
}

TEST(FormLayout, CallSignAndLicenceNumberPrintUpperCaseFullWidth) {
    Inputs in = personalStation();
    in.print.PrintCallSign = QStringLiteral("ja1xvm");
    in.print.PrintLicenceNo = QStringLiteral(u"関第ab-12号");
    in.print.PrintLicenceDate = QStringLiteral(" 令和3年06月01日 ");
    const Drawn d = draw(in);
    EXPECT_EQ(linesAt(d, "T(40,37.5)"),
              std::vector<std::string>{"T(40,37.5) 11.5 D \"ＪＡ１ＸＶＭ\""});
    EXPECT_EQ(linesAt(d, "T(40,39.5)"),
              std::vector<std::string>{"T(40,39.5) 11.5 D \"関第ＡＢ－１２号\""});
    // The licence date and everything else is printed unchanged.
    EXPECT_EQ(linesAt(d, "T(40,41.5)"),
              std::vector<std::string>{"T(40,41.5) 11.5 D \" 令和3年06月01日 \""});
}

TEST(FormLayout, OffsetsMoveTheFormAcrossAndDownTheSwappedWay) {
    const Inputs base = personalStation();
    const Drawn before = draw(base);

    // YohakuTop moves the form across: the page's left edge lies 10 page units further from
    // the origin. On paper the origin moves 10 × W² / (W + a)² ≈ 8.4 twips, and a point further
    // right a little less, because the page's far corner stays where it is; each text that
    // continues a line moves with the start of its line, since text keeps its size on paper.
    const double width = 11906, height = 16838;
    const auto expectMoved = [&](const Drawn& moved, bool across) {
        ASSERT_EQ(moved.elements.size(), before.elements.size());
        EXPECT_EQ(moved.grid.x, before.grid.x);
        EXPECT_EQ(moved.grid.y, before.grid.y);
        double lineShift = 0;
        for (size_t i = 0; i < before.elements.size(); ++i) {
            const PageElement& a = before.elements[i];
            const PageElement& b = moved.elements[i];
            const double shift =
                across ? b.fromTwips.x() - a.fromTwips.x() : b.fromTwips.y() - a.fromTwips.y();
            const double still =
                across ? b.fromTwips.y() - a.fromTwips.y() : b.fromTwips.x() - a.fromTwips.x();
            // Strike-out lines lie on their words, so across they move with the line as well.
            const bool strikeOut = a.kind == PageElement::Kind::Line && a.colour == 0xC0C0C0;
            if (before.lines[i].rfind("T(+", 0) == 0 || (across && strikeOut)) {
                EXPECT_NEAR(shift, lineShift, 1e-6) << before.lines[i];
            } else {
                EXPECT_EQ(b.from, a.from) << before.lines[i];
                const double expected =
                    across
                        ? 10 * width * (width - a.from.x()) / ((width + 1100) * (width + 1110))
                        : 10 * height * (height - a.from.y()) / ((height + 700) * (height + 710));
                EXPECT_NEAR(shift, expected, 1e-6) << before.lines[i];
                lineShift = shift;
            }
            EXPECT_GT(shift, 0.5) << before.lines[i];
            EXPECT_LE(shift, 10) << before.lines[i];
            EXPECT_NEAR(still, 0, 1e-9) << before.lines[i];
        }
    };
    Inputs across = base;
    across.settings.YohakuTop = 1;
    const Drawn right = draw(across);
    expectMoved(right, true);
    const auto heading =
        std::find(before.lines.begin(), before.lines.end(), "T(0,47) 11.5 F \"４　電波利用料\"") -
        before.lines.begin();
    ASSERT_LT(size_t(heading), before.lines.size());
    EXPECT_NEAR(right.elements[size_t(heading)].fromTwips.x() -
                    before.elements[size_t(heading)].fromTwips.x(),
                8.4, 0.05);

    // YohakuLeft moves it down the same way.
    Inputs down = base;
    down.settings.YohakuLeft = 1;
    expectMoved(draw(down), false);

    // Negative offsets move the other way; the grid is measured anew at each scale.
    Inputs back = base;
    back.settings.YohakuTop = -110;
    back.settings.YohakuLeft = -70;
    const Drawn corner = draw(back);
    EXPECT_EQ(corner.grid.x, 110);
    EXPECT_EQ(corner.grid.y, 242);
    EXPECT_DOUBLE_EQ(corner.elements[0].fromTwips.x(), 56 * 110);
    EXPECT_DOUBLE_EQ(corner.elements[0].fromTwips.y(), 4 * 242);
}

TEST(FormLayout, OffsetsBeyondThirtyTwoBitsStopWithAnOverflow) {
    Inputs in = personalStation();
    in.settings.YohakuTop = 214748255; // 10 × that + 1100 passes 2^31 - 1
    fonts::installSubstitutions();
    RecordingSurface surface(pagesize::a4());
    const Result result = SaiMen(surface, 1, in.page());
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, pagearithmetic::overflowMessage());
    EXPECT_TRUE(surface.elements().empty());

    in.settings.YohakuTop = 214748254; // the largest that still fits
    EXPECT_TRUE(draw(in).result.ok);
}

TEST(FormLayout, PreviewAndPrinterReceiveTheSameElements) {
    Inputs in = personalStation();
    in.print.PrintDateFlag = 1;
    in.print.PrintAppDate = QStringLiteral(u"令和8年2月10日");
    EXPECT_EQ(draw(in, 3).elements, draw(in, 1).elements);
}

} // namespace
