// Code page 932 over a full register: decoding and encoding the sixteen text fields of
// 32,767 records of 449 bytes, field by field, as the data file reader and writer do.
#include "platform/cp932.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <benchmark/benchmark.h>

#include <array>

namespace {

constexpr int kRecords = 32767;
constexpr int kRecordSize = 449;
constexpr int kDateSize = 8;

// The text fields in file order (the date sits after the second one).
constexpr std::array<int, 16> kWidths = {12, 20, 6, 16, 20, 50, 50, 8,
                                         50, 50, 8, 50, 50, 16, 20, 15};
constexpr int kDateAfterField = 2;

struct Field {
    int offset;
    int width;
};

std::array<Field, 16> fieldLayout() {
    std::array<Field, 16> fields{};
    int offset = 0;
    for (std::size_t i = 0; i < kWidths.size(); ++i) {
        if (int(i) == kDateAfterField)
            offset += kDateSize;
        fields[i] = {offset, kWidths[i]};
        offset += kWidths[i];
    }
    return fields;
}

QString pick(const QStringList& list, int n) {
    return list[n % list.size()];
}

// The sixteen texts of record n, space-filled to their widths as the register holds them:
// full-width call signs and licence numbers, kanji names and addresses, half-width kana
// readings, and a club on one record in five.
QStringList sampleTexts(int n) {
    static const QStringList names = {QStringLiteral("山田太郎"), QStringLiteral("佐藤花子"),
                                      QStringLiteral("髙橋一郎"), QStringLiteral("渡邉美咲")};
    static const QStringList kana = {QStringLiteral("ﾔﾏﾀﾞ ﾀﾛｳ"), QStringLiteral("ｻﾄｳ ﾊﾅｺ"),
                                     QStringLiteral("ﾀｶﾊｼ ｲﾁﾛｳ"), QStringLiteral("ﾜﾀﾅﾍﾞ ﾐｻｷ")};
    static const QStringList addresses = {QStringLiteral("東京都千代田区霞が関１－３－２"),
                                          QStringLiteral("大阪府大阪市中央区大手前４丁目１番"),
                                          QStringLiteral("北海道札幌市北区北８条西２丁目")};
    const QChar a(u'Ａ' + n % 26), b(u'Ａ' + n / 26 % 26), c(u'Ａ' + n / 676 % 26);
    const QChar digit(u'０' + n % 10);
    const bool club = n % 5 == 0;
    QStringList texts = {
        QStringLiteral("ＪＡ") + digit + a + b + c,
        QStringLiteral("関第") + QString::number(10000 + n) + QStringLiteral("号"),
        n % 3 == 0 ? QStringLiteral("移動局") : QStringLiteral("固定局"),
        pick(names, n),
        pick(kana, n),
        club ? QStringLiteral("〇〇アマチュア無線クラブ") : QString(),
        club ? QStringLiteral("ﾏﾙﾏﾙ ｱﾏﾁｭｱ ﾑｾﾝ ｸﾗﾌﾞ") : QString(),
        QStringLiteral("100-0013"),
        pick(addresses, n),
        QStringLiteral("ハイツ霞５０") + QString::number(n % 10) + QStringLiteral("号室"),
        QStringLiteral("100-0013"),
        pick(addresses, n + 1),
        QString(),
        pick(names, n + 1),
        pick(kana, n + 1),
        QStringLiteral("03-3580-%1").arg(n % 10000, 4, 10, QChar(u'0')),
    };
    for (std::size_t i = 0; i < kWidths.size(); ++i)
        texts[qsizetype(i)] = texts[qsizetype(i)].leftJustified(kWidths[i], u' ', true);
    return texts;
}

QByteArray sampleFile() {
    const auto fields = fieldLayout();
    QByteArray file(qsizetype(kRecords) * kRecordSize, '\0');
    for (int n = 0; n < kRecords; ++n) {
        const QStringList texts = sampleTexts(n);
        char* record = file.data() + qsizetype(n) * kRecordSize;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            const QByteArray bytes = cp932::encodeField(texts[qsizetype(i)], fields[i].width).bytes;
            std::copy(bytes.begin(), bytes.end(), record + fields[i].offset);
        }
    }
    return file;
}

void DecodeRegister(benchmark::State& state) {
    const QByteArray file = sampleFile();
    const auto fields = fieldLayout();
    for (auto _ : state) {
        for (int n = 0; n < kRecords; ++n) {
            const char* record = file.constData() + qsizetype(n) * kRecordSize;
            for (const Field& field : fields) {
                QString text = cp932::decode(QByteArrayView(record + field.offset, field.width));
                benchmark::DoNotOptimize(text);
            }
        }
    }
    state.SetBytesProcessed(state.iterations() * file.size());
    state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(DecodeRegister)->Unit(benchmark::kMillisecond);

void EncodeRegister(benchmark::State& state) {
    QList<QStringList> register_;
    register_.reserve(kRecords);
    for (int n = 0; n < kRecords; ++n)
        register_.append(sampleTexts(n));
    const auto fields = fieldLayout();
    QByteArray file(qsizetype(kRecords) * kRecordSize, '\0');
    for (auto _ : state) {
        for (int n = 0; n < kRecords; ++n) {
            char* record = file.data() + qsizetype(n) * kRecordSize;
            const QStringList& texts = register_[n];
            for (std::size_t i = 0; i < fields.size(); ++i) {
                const cp932::EncodeResult result =
                    cp932::encodeField(texts[qsizetype(i)], fields[i].width);
                std::copy(result.bytes.begin(), result.bytes.end(), record + fields[i].offset);
            }
        }
        benchmark::DoNotOptimize(file.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * file.size());
    state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(EncodeRegister)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
