#include "golden.h"
#include "platform/gui/fonts.h"
#include "print/core/bureaufile.h"
#include "print/core/pagearithmetic.h"
#include "print/core/pagesize.h"
#include "print/core/printfill.h"
#include "print/core/recordingsurface.h"

#include <QMap>
#include <cmath>

// The printed pages, element by element, against tests/data/layout_*.txt. Each file holds the
// page of a sample station, then sections "== change" with what that change of the inputs
// does to the page: the test reads the changes from the file and draws each of them.

namespace {

using namespace printfill;

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
#define P(name)                                                                                    \
    { #name, &PrintData::name }
    static const QMap<QString, QString PrintData::*> texts{
        P(PrintDest),           P(PrintCallSign),       P(PrintLicenceNo),
        P(PrintLicenceDate),    P(PrintExpiry),         P(PrintApplicantZip),
        P(PrintApplicantAddr1), P(PrintApplicantAddr2), P(PrintApplicantName),
        P(PrintApplicantKana),  P(PrintApplicantTel),   P(PrintClubName),
        P(PrintClubKana),       P(PrintAppDate),        P(PrepayYears),
        P(BureauEnvelopeNote),  P(ReturnEnvelopeNote)};
    static const QMap<QString, qint16 PrintData::*> flags{P(PrintDateFlag),   P(PrintClubFlag),
                                                          P(DisposalHistory), P(PrepayAnswer),
                                                          P(PrepayPeriod),    P(RegisteredMail)};
    // The settings are named by their keys in the settings file.
    static const QMap<QString, qint32 SettingsValues::*> settings{
        {"YohakuTop", &SettingsValues::formOffsetAcross},
        {"YohakuLeft", &SettingsValues::formOffsetDown},
        {"FutoLeft", &SettingsValues::envelopeOffsetAcross},
        {"FutoTop", &SettingsValues::envelopeOffsetDown},
        {"frmShoku", &SettingsValues::formColour},
        {"MojiShoku", &SettingsValues::dataColour}};
    for (const QString& item : change.split(u';')) {
        const QString name = item.section(u'=', 0, 0);
        const QString value = item.section(u'=', 1);
        if (texts.contains(name))
            in.print.*texts[name] = value;
        else if (flags.contains(name))
            in.print.*flags[name] = qint16(value.toInt());
        else if (settings.contains(name))
            in.settings.*settings[name] = value.toInt(nullptr, 0);
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

QString colourName(quint32 colour) {
    static const QMap<quint32, QString> names{
        {kForm, "form"}, {kData, "data"}, {kGrey, "grey"}, {0, "black"}, {0x0000FF, "red"}};
    return names.value(colour, QStringLiteral("#%1").arg(colour, 6, 16, QChar(u'0')));
}

// Draws doc on A4 and describes it: the page's corner in user units and the grid ("M" in
// "ＭＳ 明朝": 11 points with rows 1.1 times its height on the form, 14 points on the
// envelopes), each element with its position in grid cells, and how the drawing ended.
Drawn draw(int doc, const Inputs& in) {
    const auto number = [](double value) { return QString::number(value, 'g', 6); };
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

const char* const kFiles[] = {"form", "bureau_envelope", "return_envelope"}; // by document

class LayoutTest : public testing::TestWithParam<int> {};

TEST_P(LayoutTest, MatchesItsGoldenFile) {
    const int doc = GetParam();
    const QString file = QStringLiteral("layout_%1.txt").arg(QLatin1String(kFiles[doc]));
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

INSTANTIATE_TEST_SUITE_P(Documents, LayoutTest, testing::Range(0, 3),
                         [](const auto& info) { return std::string(kFiles[info.param]); });

// Offsets whose page arithmetic leaves 32 bits stop the drawing with an overflow: the largest
// offset that fits, then one step further out.
TEST(PageLayouts, OffsetsBeyondThirtyTwoBitsStopWithAnOverflow) {
    const std::tuple<int, const char*, int> cases[] = {{ApplicationForm, "YohakuLeft", 214748294},
                                                       {BureauEnvelope, "FutoTop", -214748364},
                                                       {ReturnEnvelope, "FutoTop", 214748234}};
    for (const auto& [doc, name, largest] : cases) {
        for (const int beyond : {0, 1}) {
            Inputs in = sample();
            const int offset = largest + (largest < 0 ? -beyond : beyond);
            apply(in, QStringLiteral("%1=%2").arg(QLatin1String(name)).arg(offset));
            const Drawn d = draw(doc, in);
            EXPECT_EQ(d.result.ok, !beyond) << name << " " << offset;
            EXPECT_EQ(d.elements.empty(), bool(beyond)) << name << " " << offset;
            EXPECT_EQ(d.result.error, beyond ? pagearithmetic::overflowMessage() : QString());
        }
    }
}

} // namespace
