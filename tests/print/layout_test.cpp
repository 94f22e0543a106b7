#include "golden.h"
#include "platform/gui/fonts.h"
#include "print/core/bureaufile.h"
#include "print/core/pagearithmetic.h"
#include "print/core/pagesize.h"
#include "print/core/printfill.h"
#include "print/core/recordingsurface.h"

#include <QLineF>
#include <QRectF>
#include <cmath>
#include <functional>
#include <map>

// The printed pages, element by element, against tests/data/layout_*.txt. Each file holds the
// page of a sample station, then sections "== change" with what that change of the inputs
// does to the page: the test reads the changes from the file and draws each of them.

namespace {

using printfill::ApplicationForm;
using printfill::BureauEnvelope;
using printfill::ReturnEnvelope;

constexpr quint32 kForm = 0x112233;
constexpr quint32 kData = 0x445566;
constexpr quint32 kGrey = 0xC0C0C0;

struct Inputs {
    PrintData print;
    BureauValues bureau;
    SettingsValues settings;
    int mode = 3; // the preview's page buffer
    int pen = 1;  // the surface's draw width before the layout draws
};

// Applies "Name=value" settings, ";" between them: print data and settings by their names,
// "mode" and "pen" for the drawing, and "bureau=" for empty bureau values.
void apply(Inputs& in, const QString& change) {
    static const std::map<QString, QString PrintData::*> texts{
        {"PrintDest", &PrintData::PrintDest},
        {"PrintCallSign", &PrintData::PrintCallSign},
        {"PrintLicenceNo", &PrintData::PrintLicenceNo},
        {"PrintLicenceDate", &PrintData::PrintLicenceDate},
        {"PrintExpiry", &PrintData::PrintExpiry},
        {"PrintApplicantZip", &PrintData::PrintApplicantZip},
        {"PrintApplicantAddr1", &PrintData::PrintApplicantAddr1},
        {"PrintApplicantAddr2", &PrintData::PrintApplicantAddr2},
        {"PrintApplicantName", &PrintData::PrintApplicantName},
        {"PrintApplicantKana", &PrintData::PrintApplicantKana},
        {"PrintApplicantTel", &PrintData::PrintApplicantTel},
        {"PrintClubName", &PrintData::PrintClubName},
        {"PrintClubKana", &PrintData::PrintClubKana},
        {"PrintAppDate", &PrintData::PrintAppDate},
        {"PrepayYears", &PrintData::PrepayYears},
        {"BureauEnvelopeNote", &PrintData::BureauEnvelopeNote},
        {"ReturnEnvelopeNote", &PrintData::ReturnEnvelopeNote}};
    static const std::map<QString, qint16 PrintData::*> flags{
        {"PrintDateFlag", &PrintData::PrintDateFlag},
        {"PrintClubFlag", &PrintData::PrintClubFlag},
        {"DisposalHistory", &PrintData::DisposalHistory},
        {"PrepayAnswer", &PrintData::PrepayAnswer},
        {"PrepayPeriod", &PrintData::PrepayPeriod},
        {"RegisteredMail", &PrintData::RegisteredMail}};
    static const std::map<QString, qint32 SettingsValues::*> settings{
        {"YohakuTop", &SettingsValues::YohakuTop}, {"YohakuLeft", &SettingsValues::YohakuLeft},
        {"FutoLeft", &SettingsValues::FutoLeft},   {"FutoTop", &SettingsValues::FutoTop},
        {"frmShoku", &SettingsValues::frmShoku},   {"MojiShoku", &SettingsValues::MojiShoku}};
    for (const QString& item : change.split(u';')) {
        const QString name = item.section(u'=', 0, 0);
        const QString value = item.section(u'=', 1);
        if (texts.count(name))
            in.print.*texts.at(name) = value;
        else if (flags.count(name))
            in.print.*flags.at(name) = qint16(value.toInt());
        else if (settings.count(name))
            in.settings.*settings.at(name) = value.toInt(nullptr, 0);
        else if (name == u"mode" || name == u"pen")
            (name == u"mode" ? in.mode : in.pen) = value.toInt();
        else if (name == u"bureau")
            in.bureau = BureauValues();
        else
            ADD_FAILURE() << "no input called " << qPrintable(name);
    }
}

// The sample station of tests/data/layout_inputs.txt, addressed to the Kantō bureau.
Inputs sample() {
    Inputs in;
    in.bureau = bureaufile::readBureauFile(
                    QStringLiteral(VELMORA_SOURCE_DIR "/data/") + bureaufile::fileName(), 1)
                    .values;
    for (const QString& line : golden::read(QStringLiteral("layout_inputs.txt")))
        apply(in, line);
    return in;
}

struct Drawn {
    Result result;
    double cell = 1; // the grid's width
    std::vector<PageElement> elements;
    QStringList lines;
};

QString number(double value) {
    return QString::number(value, 'g', 6);
}

QString colourName(quint32 colour) {
    static const std::map<quint32, QString> names{
        {kForm, "form"}, {kData, "data"}, {kGrey, "grey"}, {0, "black"}, {0x0000FF, "red"}};
    const auto found = names.find(colour);
    return found != names.end() ? found->second
                                : QStringLiteral("#%1").arg(colour, 6, 16, QChar(u'0'));
}

// Draws doc on A4 and describes it: the page's corner in user units and the grid ("M" in
// "ＭＳ 明朝": 11 points with rows 1.1 times its height on the form, 14 points on the
// envelopes), each element with its position in grid cells, and how the drawing ended.
Drawn draw(int doc, const Inputs& in) {
    fonts::installSubstitutions();
    RecordingSurface surface(pagesize::a4());
    surface.setDrawWidth(in.pen);
    Drawn d;
    d.result = printfill::drawDocument(surface, doc, in.mode, {in.print, in.bureau, in.settings});
    d.elements = surface.elements();
    const int penAfter = surface.drawWidth();
    surface.setFontName(fonts::mincho());
    surface.setFontSize(doc == ApplicationForm ? 11 : 14);
    const double gx = d.cell = std::nearbyint(surface.textWidth(QStringLiteral("M")));
    const double gy = std::nearbyint((doc == ApplicationForm ? 1.1 : 1) *
                                     surface.textHeight(QStringLiteral("M")));
    const QPointF origin = surface.toTwips({0, 0});
    const QPointF unit = surface.toTwips({1, 1}) - origin;
    d.lines << QStringLiteral("page corner (%1, %2), grid %3 x %4")
                   .arg(number(-origin.x() / unit.x()), number(-origin.y() / unit.y()), number(gx),
                        number(gy));
    const PageElement* previous = nullptr;
    for (const PageElement& e : d.elements) {
        const auto at = [&](QPointF p, bool continued = false) {
            return QStringLiteral("(%1, %2)")
                .arg(continued ? QStringLiteral("+") : number(p.x() / gx), number(p.y() / gy));
        };
        if (e.kind == PageElement::Kind::Text) {
            const bool continued = previous && previous->kind == PageElement::Kind::Text &&
                                   previous->to.x() == e.from.x() &&
                                   previous->from.y() == e.from.y();
            d.lines << QStringLiteral("text %1 %2 %3 %4 \"%5\"%6")
                           .arg(at(e.from, continued), e.fontName, number(e.fontSize),
                                colourName(e.colour), e.text,
                                e.strikethru ? QStringLiteral(" struck") : QString());
        } else {
            d.lines << QStringLiteral("%1 %2-%3 width %4 %5 %6")
                           .arg(e.kind == PageElement::Kind::Box ? "box" : "line", at(e.from),
                                at(e.to), QString::number(e.drawWidth),
                                e.drawStyle == DrawingSurface::DrawStyle::Dot ? "dotted" : "solid",
                                colourName(e.colour));
        }
        previous = &e;
    }
    d.lines << (d.result ? QStringLiteral("end, draw width %1").arg(penAfter)
                         : QStringLiteral("failed: ") + d.result.error);
    return d;
}

class LayoutTest : public testing::TestWithParam<std::pair<int, const char*>> {};

TEST_P(LayoutTest, MatchesItsGoldenFile) {
    const auto [doc, name] = GetParam();
    const QString file = QStringLiteral("layout_%1.txt").arg(QLatin1String(name));
    QStringList lines = draw(doc, sample()).lines;
    const QStringList base = lines;
    for (const QString& line : golden::read(file)) {
        if (!line.startsWith(QStringLiteral("== ")))
            continue;
        Inputs in = sample();
        apply(in, line.mid(3));
        const QStringList changes = golden::diff(base, draw(doc, in).lines);
        lines << line << (changes.isEmpty() ? QStringList{QStringLiteral("(no change)")} : changes);
    }
    golden::expectFile(file, lines);
}

INSTANTIATE_TEST_SUITE_P(Documents, LayoutTest,
                         testing::Values(std::pair(ApplicationForm, "form"),
                                         std::pair(BureauEnvelope, "bureau_envelope"),
                                         std::pair(ReturnEnvelope, "return_envelope")),
                         [](const auto& info) { return std::string(info.param.second); });

std::vector<QRectF> cells(const Drawn& d, const std::function<bool(const PageElement&)>& which) {
    std::vector<QRectF> found;
    for (const PageElement& e : d.elements) {
        if (which(e))
            found.push_back(QRectF(e.from, e.to).normalized());
    }
    return found;
}

TEST(FormLayout, StrikeOutLinesLieOnGreyWordsOnly) {
    const Drawn d = draw(ApplicationForm, sample());
    const auto isText = [](const PageElement& e) { return e.kind == PageElement::Kind::Text; };
    const std::vector<QRectF> grey =
        cells(d, [&](const PageElement& e) { return isText(e) && e.colour == kGrey; });
    const std::vector<QRectF> other =
        cells(d, [&](const PageElement& e) { return isText(e) && e.colour != kGrey; });
    const std::vector<QRectF> strikes = cells(d, [](const PageElement& e) {
        return e.kind == PageElement::Kind::Line && e.colour == kGrey;
    });
    for (const QRectF& line : strikes) {
        EXPECT_TRUE(std::any_of(grey.begin(), grey.end(), [&](const QRectF& text) {
            return text.contains(line.topLeft()) && text.contains(line.bottomRight());
        })) << line.left();
        EXPECT_TRUE(std::none_of(other.begin(), other.end(), [&](const QRectF& text) {
            return line.top() > text.top() && line.top() < text.bottom() &&
                   std::max(line.left(), text.left()) < std::min(line.right(), text.right());
        })) << line.left();
    }
    EXPECT_EQ(strikes.size(), 6u);
}

// The fixed wording that starts inside a frame ends inside it, and no rule of the frame runs
// through it.
TEST(FormLayout, FixedWordingStaysInsideItsFrame) {
    const Drawn d = draw(ApplicationForm, sample());
    const std::vector<QRectF> frames =
        cells(d, [](const PageElement& e) { return e.kind == PageElement::Kind::Box; });
    std::vector<QRectF> rules = cells(d, [](const PageElement& e) {
        return e.kind == PageElement::Kind::Line && e.colour == kForm;
    });
    for (const QRectF& f : frames)
        rules.insert(rules.end(),
                     {QRectF(f.topLeft(), f.topRight()), QRectF(f.bottomLeft(), f.bottomRight()),
                      QRectF(f.topLeft(), f.bottomLeft()), QRectF(f.topRight(), f.bottomRight())});
    int framed = 0;
    for (const PageElement& e : d.elements) {
        const QRectF cell = QRectF(e.from, e.to).normalized();
        if (e.kind != PageElement::Kind::Text || e.colour == kData ||
            std::none_of(frames.begin(), frames.end(),
                         [&](const QRectF& frame) { return frame.contains(cell.topLeft()); }))
            continue;
        ++framed;
        // The form's positions leave two labels' last full-width cell a fifth of a cell past a
        // column rule, within the glyph's own margin: a quarter of a cell is allowed there.
        const double end = cell.right() - d.cell / 4;
        for (const QRectF& rule : rules) {
            EXPECT_FALSE(rule.left() < (rule.width() == 0 ? end : cell.right()) &&
                         rule.right() > cell.left() && rule.top() < cell.bottom() &&
                         rule.bottom() > cell.top())
                << qPrintable(e.text) << " crosses the rule at x = " << rule.left() / d.cell;
        }
    }
    EXPECT_GT(framed, 30);
}

// Offsets whose page arithmetic leaves 32 bits stop the drawing with an overflow.
TEST(PageLayouts, OffsetsBeyondThirtyTwoBitsStopWithAnOverflow) {
    const std::pair<int, QString> cases[] = {
        {ApplicationForm, "YohakuTop=214748254"},  {ApplicationForm, "YohakuTop=214748255"},
        {ApplicationForm, "YohakuLeft=214748294"}, {ApplicationForm, "YohakuLeft=214748295"},
        {BureauEnvelope, "FutoLeft=214748064"},    {BureauEnvelope, "FutoLeft=214748065"},
        {BureauEnvelope, "FutoTop=-214748364"},    {BureauEnvelope, "FutoTop=-214748365"},
        {ReturnEnvelope, "FutoTop=214748234"},     {ReturnEnvelope, "FutoTop=214748235"},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        Inputs in = sample();
        apply(in, cases[i].second);
        const Drawn d = draw(cases[i].first, in);
        const bool fits = i % 2 == 0; // the largest that fits, then one step beyond
        EXPECT_EQ(d.result.ok, fits) << qPrintable(cases[i].second);
        EXPECT_EQ(d.elements.empty(), !fits) << qPrintable(cases[i].second);
        EXPECT_EQ(d.result.error, fits ? QString() : pagearithmetic::overflowMessage());
    }
}

} // namespace
