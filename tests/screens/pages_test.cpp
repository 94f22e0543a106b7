#include "platform/gui/fonts.h"
#include "print/core/bureaufile.h"
#include "print/core/layouts.h"
#include "print/core/pagesize.h"
#include "print/core/paintersurface.h"
#include "print/core/printfill.h"

#include <QDir>
#include <QImage>
#include <functional>
#include <gtest/gtest.h>

// The three printed pages of a sample station, with and without a club, as PNG at 150 dpi.

namespace {

constexpr double kDpi = 150;

StationRecord sampleStation(bool club) {
    StationRecord record;
    record.set(Field::CallSign,
               club ? QStringLiteral(u"ＪＡ１ＹＶＭ") : QStringLiteral(u"ＪＡ１ＸＶＭ"));
    record.set(Field::LicenceNo, QStringLiteral(u"関第２１０３４５号"));
    record.setExpiry(QDate(2026, 5, 31));
    record.set(Field::StationType, QStringLiteral(u"移動する局"));
    record.set(Field::HolderName, QStringLiteral(u"山田　太郎"));
    if (club) {
        record.set(Field::ClubName, QStringLiteral(u"ベルモラ無線クラブ"));
        record.set(Field::ClubKana, QStringLiteral(u"ベルモラムセンクラブ"));
    }
    record.set(Field::ApplicantZip, QStringLiteral("100-0013"));
    record.set(Field::ApplicantAddr1, QStringLiteral(u"東京都千代田区霞が関１－２－３"));
    record.set(Field::ApplicantAddr2, QStringLiteral(u"ベルモラハイツ１０１号"));
    record.set(Field::ApplicantName, QStringLiteral(u"山田　太郎"));
    record.set(Field::ApplicantKana, QStringLiteral(u"ヤマダ　タロウ"));
    record.set(Field::ApplicantTel, QStringLiteral("03-1234-5678"));
    return record;
}

struct Sample {
    PrintData print;
    BureauValues bureau;
    SettingsValues settings;
};

Sample sample(bool club) {
    const StationRecord record = sampleStation(club);
    Sample s;
    const int area = bureaufile::areaIndexForCallSign(record.unpadded(Field::CallSign));
    const auto read = bureaufile::readBureauFile(
        QStringLiteral(VELMORA_SOURCE_DIR "/data/") + bureaufile::fileName(), area);
    EXPECT_EQ(read.status, bureaufile::ReadOutcome::Status::Read);
    s.bureau = read.values;

    PrintData remembered;
    remembered.PrintDateFlag = 1;
    remembered.PrintAppDate = QStringLiteral(u"令和8年2月10日");
    remembered.PrepayAnswer = 1;
    remembered.PrepayPeriod = club ? 1 : 0;
    remembered.PrepayYears = club ? QStringLiteral("3") : QString();
    remembered.RegisteredMail = club ? 1 : 0;
    s.print = printfill::printDataForRecord(record, remembered, s.bureau, QDate(2026, 2, 10));
    s.settings.frmShoku = 0x000000;
    s.settings.MojiShoku = 0x8B0000; // dark blue, as users often choose for the entries
    return s;
}

int inkedPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                ++count;
    return count;
}

void renderPage(const QString& name, QSizeF page,
                const std::function<Result(DrawingSurface&)>& draw) {
    fonts::installSubstitutions();
    QImage image = pagesize::pageImage(page, kDpi);
    {
        PainterSurface surface(image, page);
        ASSERT_TRUE(surface.isActive());
        const Result drawn = draw(surface);
        EXPECT_TRUE(drawn.ok) << qPrintable(drawn.error);
    }
    ASSERT_TRUE(QDir().mkpath(QStringLiteral(VELMORA_SCREENS_DIR)));
    const QString path = QStringLiteral(VELMORA_SCREENS_DIR "/") + name + QStringLiteral(".png");
    ASSERT_TRUE(image.save(path)) << qPrintable(path);

    const QImage saved(path);
    ASSERT_FALSE(saved.isNull()) << qPrintable(path);
    EXPECT_EQ(saved.size(), image.size());
    // A page with its frame and wording inks well over a thousandth of its pixels.
    EXPECT_GT(inkedPixels(saved), saved.width() * saved.height() / 1000) << qPrintable(path);
}

class PagesTest : public testing::TestWithParam<bool> {};

TEST_P(PagesTest, RendersTheFormAndBothEnvelopes) {
    const bool club = GetParam();
    const Sample s = sample(club);
    const PageInputs inputs{s.print, s.bureau, s.settings};
    const QString suffix = club ? QStringLiteral("_club") : QStringLiteral("_station");

    renderPage(QStringLiteral("page_form") + suffix, pagesize::a4(),
               [&](DrawingSurface& surface) { return SaiMen(surface, 3, inputs); });
    renderPage(QStringLiteral("page_bureau_envelope") + suffix, pagesize::envelopeNaga3Landscape(),
               [&](DrawingSurface& surface) {
                   return FutoSotu(surface, 3, s.print.BureauEnvelopeNote, inputs);
               });
    renderPage(QStringLiteral("page_return_envelope") + suffix, pagesize::envelopeNaga3Landscape(),
               [&](DrawingSurface& surface) {
                   return FutoHenshin(surface, 3, s.print.ReturnEnvelopeNote, inputs);
               });
}

INSTANTIATE_TEST_SUITE_P(Stations, PagesTest, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) {
                             return info.param ? std::string("Club") : std::string("Personal");
                         });

} // namespace
