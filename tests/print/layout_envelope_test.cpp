#include "layout_support.h"

#include <gtest/gtest.h>

namespace {

using namespace layouttest;

const std::map<quint32, QString> kColours{{0, QStringLiteral("K")},
                                          {0x0000FF, QStringLiteral("R")}};

const QString kBureauNote = QStringLiteral(u"アマチュア局 再免許申請書在中");
const QString kReturnNote = QStringLiteral(u"アマチュア局 免許状在中");

Inputs station() {
    Inputs in;
    // Colours of the form never reach the envelopes, which are black and red.
    in.settings.frmShoku = 0x112233;
    in.settings.MojiShoku = 0x445566;
    PrintData& p = in.print;
    p.PrintApplicantZip = QStringLiteral("100-0013");
    p.PrintApplicantAddr1 = QStringLiteral(u"東京都千代田区霞が関１－２－３");
    p.PrintApplicantAddr2 = QStringLiteral(u"ハイツ１０１号");
    p.PrintApplicantName = QStringLiteral(u"山田　太郎");
    p.RegisteredMail = 1;
    BureauValues& b = in.bureau;
    b.AreaZip = QStringLiteral(u"〒102-8795");
    b.AreaAdd = QStringLiteral(u"東京都千代田区九段南1-2-1");
    b.AreaAdd2 = QStringLiteral(u"九段第3合同庁舎");
    b.AreaName = QStringLiteral(u"関東総合通信局");
    b.AreaName2 = QStringLiteral(u"無線通信部　陸上第三課　御中");
    return in;
}

enum class Envelope { Bureau, Return };

struct Drawn {
    std::vector<PageElement> elements;
    std::vector<std::string> lines;
    Grid grid;
    QPointF corner; // user coordinates of the page's top-left corner
    int drawWidthAfter = 0;
    Result result;
};

Drawn draw(Envelope which, const Inputs& in, int mode = 3, const QString* note = nullptr,
           QSizeF page = pagesize::a4(), int drawWidthBefore = 1) {
    fonts::installSubstitutions();
    RecordingSurface surface(page);
    surface.setDrawWidth(drawWidthBefore);
    Drawn d;
    if (which == Envelope::Bureau)
        d.result = FutoSotu(surface, mode, note ? *note : kBureauNote, in.page());
    else
        d.result = FutoHenshin(surface, mode, note ? *note : kReturnNote, in.page());
    d.drawWidthAfter = surface.drawWidth();
    // The page's corner in user units: where the twip origin maps back to.
    const QPointF origin = surface.toTwips({0, 0});
    const QPointF unit = surface.toTwips({1, 1}) - origin;
    d.corner = QPointF(-origin.x() / unit.x(), -origin.y() / unit.y());
    surface.setFontName(fonts::mincho());
    surface.setFontSize(14);
    d.grid.x = pagearithmetic::roundHalfEven(surface.textWidth(QStringLiteral("M")));
    d.grid.y = pagearithmetic::roundHalfEven(surface.textHeight(QStringLiteral("M")));
    d.elements = surface.elements();
    d.lines = describe(d.elements, d.grid, kColours);
    return d;
}

const char* const kReturnEnvelope = R"golden(
T(0,0) 14 K "〒 100-0013"
T(0,1.5) 14 K "東京都千代田区霞が関１－２－３"
T(4,3) 14 K "ハイツ１０１号"
T(4,6.5) 20 K "山田　太郎　様"
T(2,11.5) 16 R "アマチュア局 免許状在中"
)golden";

const char* const kBureauEnvelope = R"golden(
T(0,0) 14 K "〒102-8795"
T(0,1.5) 14 K "東京都千代田区九段南1-2-1"
T(5,3) 14 K "九段第3合同庁舎"
T(0,5) 20 K "関東総合通信局"
T(3,7) 20 K "無線通信部　陸上第三課　御中"
T(32,10) 16 R "アマチュア局 再免許申請書在中"
B(30,12)-(65,17.5) 2 solid K
L(31,15.5)-(64,15.5) 1 dot K
L(31,17)-(64,17) 1 dot K
T(32,12.5) 10 K "〒 100-0013"
T(32,13.5) 10 K "東京都千代田区霞が関１－２－３"
T(36,14.5) 10 K "ハイツ１０１号"
T(32,15.75) 14 K "山田　太郎"
B(0.2,12.6)-(14.9,14.6) 2 solid R
T(2,13) 18 R "簡易書留"
)golden";

TEST(EnvelopeLayout, ReturnEnvelopeAddressesTheApplicant) {
    const Drawn d = draw(Envelope::Return, station());
    ASSERT_TRUE(d.result.ok);
    // The user coordinates run from (−3000, −1300) at the corner to the page's size in twips.
    EXPECT_NEAR(d.corner.x(), -3000, 1e-6);
    EXPECT_NEAR(d.corner.y(), -1300, 1e-6);
    // "M" at 14 points: 140 by 280 twips, in these slightly smaller units.
    EXPECT_EQ(d.grid.x, 175);
    EXPECT_EQ(d.grid.y, 302);
    EXPECT_EQ(d.lines, golden(kReturnEnvelope));
    EXPECT_EQ(d.drawWidthAfter, 2);
    EXPECT_EQ(draw(Envelope::Return, station(), 1).drawWidthAfter, 6);
}

TEST(EnvelopeLayout, ReturnEnvelopeLeavesOutWhatIsEmpty) {
    Inputs in = station();
    in.print.PrintApplicantZip.clear();
    Drawn d = draw(Envelope::Return, in);
    std::vector<std::string> expected = golden(kReturnEnvelope);
    expected.erase(expected.begin());
    EXPECT_EQ(d.lines, expected); // the address stays where it was

    in = station();
    in.print.PrintApplicantName.clear();
    d = draw(Envelope::Return, in);
    expected = golden(kReturnEnvelope);
    expected.erase(expected.begin() + 3);
    EXPECT_EQ(d.lines, expected);

    // No note: nothing red, and the pen keeps the width it had.
    const QString none;
    d = draw(Envelope::Return, station(), 3, &none, pagesize::a4(), 4);
    expected = golden(kReturnEnvelope);
    expected.pop_back();
    EXPECT_EQ(d.lines, expected);
    EXPECT_EQ(d.drawWidthAfter, 4);

    // The address lines are printed even when empty.
    in = station();
    in.print.PrintApplicantAddr1.clear();
    in.print.PrintApplicantAddr2.clear();
    d = draw(Envelope::Return, in);
    EXPECT_EQ(d.lines[1], "T(0,1.5) 14 K \"\"");
    EXPECT_EQ(d.lines[2], "T(4,3) 14 K \"\"");
}

TEST(EnvelopeLayout, BureauEnvelopeAddressesTheBureauFromTheApplicant) {
    const Drawn d = draw(Envelope::Bureau, station());
    ASSERT_TRUE(d.result.ok);
    EXPECT_NEAR(d.corner.x(), -3000, 1e-6);
    EXPECT_NEAR(d.corner.y(), -1000, 1e-6);
    EXPECT_EQ(d.grid.x, 175);
    EXPECT_EQ(d.grid.y, 297);
    EXPECT_EQ(d.lines, golden(kBureauEnvelope));
    EXPECT_EQ(d.drawWidthAfter, 2);
}

TEST(EnvelopeLayout, BureauEnvelopeFollowsItsConditions) {
    // One address line: it moves down to row 14.
    Inputs in = station();
    in.print.PrintApplicantAddr2.clear();
    Drawn d = draw(Envelope::Bureau, in);
    std::vector<std::string> expected = golden(kBureauEnvelope);
    expected[10] = "T(32,14) 10 K \"東京都千代田区霞が関１－２－３\"";
    expected.erase(expected.begin() + 11);
    EXPECT_EQ(d.lines, expected);

    // No registered mail (any value but 1): neither the red frame nor its words.
    for (qint16 mail : {0, 2}) {
        in = station();
        in.print.RegisteredMail = mail;
        d = draw(Envelope::Bureau, in);
        expected = golden(kBureauEnvelope);
        expected.resize(expected.size() - 2);
        EXPECT_EQ(d.lines, expected) << mail;
        EXPECT_EQ(d.drawWidthAfter, 1) << mail; // the width the sender's rules left
    }

    // The bureau's lines and the sender's postal mark are printed even when empty.
    in = station();
    in.bureau = BureauValues();
    in.print.PrintApplicantZip.clear();
    d = draw(Envelope::Bureau, in);
    ASSERT_EQ(d.lines.size(), golden(kBureauEnvelope).size());
    EXPECT_EQ(d.lines[0], "T(0,0) 14 K \"\"");
    EXPECT_EQ(d.lines[4], "T(3,7) 20 K \"\"");
    EXPECT_EQ(d.lines[9], "T(32,12.5) 10 K \"〒 \"");

    // Without a note the sender's frame takes the pen the surface had.
    const QString none;
    d = draw(Envelope::Bureau, station(), 3, &none, pagesize::a4(), 5);
    expected = golden(kBureauEnvelope);
    expected.erase(expected.begin() + 5);
    expected[5] = "B(30,12)-(65,17.5) 5 solid K";
    EXPECT_EQ(d.lines, expected);
}

TEST(EnvelopeLayout, PreviewAndPrinterDifferOnlyInPenWidths) {
    for (Envelope which : {Envelope::Bureau, Envelope::Return}) {
        const Drawn preview = draw(which, station(), 3);
        const Drawn printer = draw(which, station(), 1);
        ASSERT_EQ(preview.elements.size(), printer.elements.size());
        for (size_t i = 0; i < preview.elements.size(); ++i) {
            PageElement a = preview.elements[i];
            PageElement b = printer.elements[i];
            if (a.drawWidth != b.drawWidth) {
                EXPECT_EQ(a.drawWidth, 2);
                EXPECT_EQ(b.drawWidth, 6);
            }
            a.drawWidth = b.drawWidth = 0;
            EXPECT_EQ(a, b) << preview.lines[i];
        }
        EXPECT_EQ(preview.drawWidthAfter, 2);
        EXPECT_EQ(printer.drawWidthAfter, 6);
    }
    // Both thick frames of the bureau envelope differ; nothing else does.
    const Drawn preview = draw(Envelope::Bureau, station(), 3);
    const Drawn printer = draw(Envelope::Bureau, station(), 1);
    int differing = 0;
    for (size_t i = 0; i < preview.elements.size(); ++i)
        differing += preview.elements[i].drawWidth != printer.elements[i].drawWidth;
    EXPECT_EQ(differing, 2);
}

TEST(EnvelopeLayout, OffsetsMoveEverythingTenUnitsPerStep) {
    for (Envelope which : {Envelope::Bureau, Envelope::Return}) {
        const Drawn before = draw(which, station());
        Inputs moved = station();
        moved.settings.FutoLeft = 1;
        moved.settings.FutoTop = 1;
        const Drawn after = draw(which, moved);
        EXPECT_NEAR(after.corner.x(), before.corner.x() - 10, 1e-6);
        EXPECT_NEAR(after.corner.y(), before.corner.y() - 10, 1e-6);
        ASSERT_EQ(after.elements.size(), before.elements.size());
        EXPECT_EQ(after.grid.x, before.grid.x);
        EXPECT_EQ(after.grid.y, before.grid.y);
        for (size_t i = 0; i < before.elements.size(); ++i) {
            // Same user coordinates, so 10 units further from the page's corner each way.
            EXPECT_EQ(after.elements[i].from, before.elements[i].from) << before.lines[i];
            if (before.elements[i].kind != PageElement::Kind::Text) {
                EXPECT_EQ(after.elements[i].to, before.elements[i].to) << before.lines[i];
            }
            EXPECT_GT(after.elements[i].fromTwips.x(), before.elements[i].fromTwips.x());
            EXPECT_GT(after.elements[i].fromTwips.y(), before.elements[i].fromTwips.y());
        }
    }

    // Negative offsets that cancel the constants put the origin at the page's corner.
    Inputs corner = station();
    corner.settings.FutoLeft = -300;
    corner.settings.FutoTop = -130;
    const Drawn d = draw(Envelope::Return, corner);
    EXPECT_EQ(d.grid.x, 140);
    EXPECT_EQ(d.grid.y, 280);
    EXPECT_DOUBLE_EQ(d.elements[3].fromTwips.x(), 4 * 140);
    EXPECT_DOUBLE_EQ(d.elements[3].fromTwips.y(), 6.5 * 280);
}

TEST(EnvelopeLayout, FailuresStopTheDrawingWhereTheyHappen) {
    // The offset itself overflows 32 bits: nothing is drawn.
    Inputs in = station();
    in.settings.FutoLeft = 214748065; // 10 × that + 3000 passes 2^31 - 1
    Drawn d = draw(Envelope::Bureau, in);
    EXPECT_FALSE(d.result.ok);
    EXPECT_EQ(d.result.error, pagearithmetic::overflowMessage());
    EXPECT_TRUE(d.elements.empty());
    in.settings.FutoLeft = 214748064;
    EXPECT_TRUE(draw(Envelope::Bureau, in).result.ok);
    in.settings.FutoLeft = 0;
    in.settings.FutoTop = -214748365; // 10 × that + 1000 falls below -2^31
    EXPECT_FALSE(draw(Envelope::Bureau, in).result.ok);

    // On a narrow page a large offset makes w so large that 65 w overflows at the sender's
    // frame: the bureau's address and the note are already drawn, nothing after them.
    in = station();
    in.settings.FutoLeft = 3000000;
    d = draw(Envelope::Bureau, in, 3, nullptr, QSizeF(100, 100));
    EXPECT_FALSE(d.result.ok);
    EXPECT_EQ(d.result.error, pagearithmetic::overflowMessage());
    EXPECT_EQ(d.elements.size(), 6u);

    // Mode 0 has no pen width: the drawing stops after the note.
    d = draw(Envelope::Return, station(), 0);
    EXPECT_FALSE(d.result.ok);
    EXPECT_EQ(d.result.error, pagearithmetic::divisionMessage());
    EXPECT_EQ(d.elements.size(), 5u);
}

} // namespace
