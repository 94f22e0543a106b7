#include "print/core/layouts.h"
#include "platform/gui/fonts.h"
#include "print/core/pagesize.h"
#include "print/core/paintersurface.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

// Drawing the pages as the preview and the printer do: the application form into the page
// buffer at screen resolution (target 30 ms), and as a one-page PDF file (target 150 ms).

namespace {

struct Sample {
    PrintData print;
    BureauValues bureau;
    SettingsValues settings;

    Sample() {
        print.PrintDest = QStringLiteral(u"関東総合通信局長　殿");
        print.PrintCallSign = QStringLiteral(u"ＪＡ１ＸＶＭ");
        print.PrintLicenceNo = QStringLiteral(u"関第２１０３４５号");
        print.PrintLicenceDate = QStringLiteral(u"令和3年06月01日");
        print.PrintApplicantZip = QStringLiteral("100-0013");
        print.PrintApplicantAddr1 = QStringLiteral(u"東京都千代田区霞が関１－２－３");
        print.PrintApplicantAddr2 = QStringLiteral(u"ベルモラハイツ１０１号");
        print.PrintApplicantName = QStringLiteral(u"山田　太郎");
        print.PrintApplicantKana = QStringLiteral(u"ヤマダ　タロウ");
        print.PrintApplicantTel = QStringLiteral("03-1234-5678");
        print.PrintDateFlag = 1;
        print.PrintAppDate = QStringLiteral(u"令和8年02月10日");
        print.PrepayAnswer = 1;
        print.BureauEnvelopeNote = QStringLiteral(u"アマチュア局 再免許申請書在中");
        print.RegisteredMail = 1;
        bureau.AreaZip = QStringLiteral(u"〒102-8795");
        bureau.AreaAdd = QStringLiteral(u"東京都千代田区九段南1-2-1");
        bureau.AreaAdd2 = QStringLiteral(u"九段第3合同庁舎");
        bureau.AreaName = QStringLiteral(u"関東総合通信局");
        bureau.AreaName2 = QStringLiteral(u"無線通信部　陸上第三課　御中");
    }
    PageInputs inputs() const { return {print, bureau, settings}; }
};

constexpr double kScreenDpi = 96;

// The preview: erase the page buffer and draw a page into it.
template <typename Draw> void intoPreviewBuffer(benchmark::State& state, Draw draw) {
    const QSizeF page = pagesize::a4();
    QImage buffer = pagesize::pageImage(page, kScreenDpi);
    for (auto _ : state) {
        PainterSurface surface(buffer, page);
        surface.erase();
        draw(surface);
        surface.finish();
        benchmark::DoNotOptimize(buffer.constBits());
    }
}

void FormIntoPreviewBuffer(benchmark::State& state) {
    const Sample sample;
    intoPreviewBuffer(
        state, [&](PainterSurface& surface) { drawApplicationForm(surface, 3, sample.inputs()); });
}
BENCHMARK(FormIntoPreviewBuffer)->Unit(benchmark::kMillisecond);

// The printer: the form as a one-page PDF file at 600 dpi.
void FormAsPdfFile(benchmark::State& state) {
    const Sample sample;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("form.pdf"));
    for (auto _ : state) {
        QPdfWriter writer(path);
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        writer.setResolution(600);
        PainterSurface surface(writer, pagesize::a4());
        drawApplicationForm(surface, 1, sample.inputs());
        if (!surface.finish())
            state.SkipWithError("the PDF could not be written");
    }
}
BENCHMARK(FormAsPdfFile)->Unit(benchmark::kMillisecond);

// The bureau envelope into the page buffer, for comparison.
void BureauEnvelopeIntoPreviewBuffer(benchmark::State& state) {
    const Sample sample;
    intoPreviewBuffer(state, [&](PainterSurface& surface) {
        drawBureauEnvelope(surface, 3, sample.print.BureauEnvelopeNote, sample.inputs());
    });
}
BENCHMARK(BureauEnvelopeIntoPreviewBuffer)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    fonts::installSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
