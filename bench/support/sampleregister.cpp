#include "support/sampleregister.h"

#include "platform/width.h"
#include "record/datafile.h"

#include <QTemporaryDir>
#include <algorithm>
#include <memory>
#include <random>

namespace bench {

namespace {

const char16_t* const kFamily[] = {u"山田", u"佐藤", u"鈴木", u"高橋", u"田中", u"渡辺",
                                   u"伊藤", u"中村", u"小林", u"加藤", u"吉田", u"松本"};
const char16_t* const kFamilyKana[] = {u"ﾔﾏﾀﾞ", u"ｻﾄｳ",  u"ｽｽﾞｷ",  u"ﾀｶﾊｼ", u"ﾀﾅｶ",  u"ﾜﾀﾅﾍﾞ",
                                       u"ｲﾄｳ",  u"ﾅｶﾑﾗ", u"ｺﾊﾞﾔｼ", u"ｶﾄｳ",  u"ﾖｼﾀﾞ", u"ﾏﾂﾓﾄ"};
const char16_t* const kGiven[] = {u"太郎", u"花子", u"一郎", u"美咲", u"健太", u"陽子"};
const char16_t* const kGivenKana[] = {u"ﾀﾛｳ", u"ﾊﾅｺ", u"ｲﾁﾛｳ", u"ﾐｻｷ", u"ｹﾝﾀ", u"ﾖｳｺ"};
const char16_t* const kCity[] = {u"東京都千代田区九段南",       u"大阪府大阪市中央区大手前",
                                 u"愛知県名古屋市東区白壁",     u"北海道札幌市北区北八条西",
                                 u"福岡県福岡市博多区博多駅東", u"宮城県仙台市青葉区本町"};
const char16_t* const kBureau[] = {u"関",   u"東海", u"近", u"中", u"四", u"九",
                                   u"東北", u"北海", u"陸", u"信", u"沖"};

QString pick(const char16_t* const* list, size_t n, std::mt19937& rng) {
    return QString::fromUtf16(list[rng() % n]);
}

} // namespace

std::vector<StationRecord> sampleRegister(int count, unsigned seed) {
    std::mt19937 rng(seed);
    std::vector<StationRecord> records;
    records.reserve(size_t(count));
    const QDate base(2024, 1, 1);
    for (int i = 0; i < count; ++i) {
        StationRecord r;
        const int area = int(rng() % 10);
        QString suffix;
        for (int k = 0; k < 3; ++k)
            suffix += QChar(char16_t(u'A' + rng() % 26));
        r.set(Field::CallSign, width::toFullWidth(QStringLiteral("JA%1%2").arg(area).arg(suffix)));
        r.set(Field::LicenceNo, QStringLiteral("%1第%2号")
                                    .arg(pick(kBureau, std::size(kBureau), rng))
                                    .arg(rng() % 99999));
        r.setExpiry(base.addDays(int(rng() % 3650)));
        r.set(Field::StationType, rng() % 3 ? u"固定局" : u"移動局");
        const size_t family = rng() % std::size(kFamily);
        const size_t given = rng() % std::size(kGiven);
        const QString name =
            QString::fromUtf16(kFamily[family]) + QString::fromUtf16(kGiven[given]);
        const QString kana =
            QString::fromUtf16(kFamilyKana[family]) + u' ' + QString::fromUtf16(kGivenKana[given]);
        r.set(Field::HolderName, name);
        r.set(Field::HolderKana, kana);
        if (rng() % 3 == 0) {
            r.set(Field::ClubName, QStringLiteral("第%1アマチュア無線クラブ").arg(rng() % 100));
            r.set(Field::ClubKana, QStringLiteral("ﾀﾞｲ%1ｱﾏﾁｭｱﾑｾﾝｸﾗﾌﾞ").arg(rng() % 100));
        }
        const QString zip = QStringLiteral("%1-%2")
                                .arg(rng() % 1000, 3, 10, QLatin1Char('0'))
                                .arg(rng() % 10000, 4, 10, QLatin1Char('0'));
        const QString address =
            pick(kCity, std::size(kCity), rng) +
            QStringLiteral("%1-%2-%3").arg(rng() % 9 + 1).arg(rng() % 20 + 1).arg(rng() % 30 + 1);
        r.set(Field::StationZip, zip);
        r.set(Field::StationAddr1, address);
        r.set(Field::StationAddr2,
              rng() % 2 ? QStringLiteral("第%1ビル%2号室").arg(rng() % 9 + 1).arg(rng() % 900 + 100)
                        : QString());
        r.set(Field::ApplicantZip, zip);
        r.set(Field::ApplicantAddr1, address);
        r.set(Field::ApplicantName, name);
        r.set(Field::ApplicantKana, kana);
        r.set(Field::ApplicantTel, QStringLiteral("0%1-%2-%3")
                                       .arg(rng() % 99 + 1)
                                       .arg(rng() % 9000 + 1000)
                                       .arg(rng() % 9000 + 1000));
        records.push_back(r);
    }
    return records;
}

std::vector<StationRecord> fullWidthRegister(int count) {
    std::vector<StationRecord> records = sampleRegister(count, 7);
    const QString kanji = QStringLiteral(
        "亜唖娃阿哀愛挨姶逢葵茜穐悪握渥旭葦芦鯵梓圧斡扱宛姐虻飴絢綾鮎或粟袷安庵按暗案闇鞍杏");
    for (StationRecord& r : records) {
        for (const FieldInfo& info : fieldTable()) {
            if (info.field != Field::ExpiryDate && info.field != Field::CallSign &&
                info.field != Field::LicenceNo)
                r.set(info.field, kanji.left(info.width / 2));
        }
    }
    return records;
}

std::vector<StationRecord> registerWithDuplicates(int count) {
    const int copies = count / 10;
    std::vector<StationRecord> records = sampleRegister(count - copies, 3);
    std::mt19937 rng(5);
    std::vector<StationRecord> extra;
    for (int i = 0; i < copies; ++i) {
        StationRecord copy = sampleRegister(1, 100 + unsigned(i)).front();
        const StationRecord& original = records[rng() % records.size()];
        copy.set(Field::CallSign, original.unpadded(Field::CallSign));
        copy.set(Field::LicenceNo, original.unpadded(Field::LicenceNo));
        copy.ExpiryDate = original.ExpiryDate;
        extra.push_back(copy);
    }
    records.insert(records.end(), extra.begin(), extra.end());
    std::shuffle(records.begin(), records.end(), rng);
    return records;
}

QString writeSampleFile(const std::vector<StationRecord>& records, const QString& name) {
    static std::vector<std::unique_ptr<QTemporaryDir>> folders;
    folders.push_back(std::make_unique<QTemporaryDir>());
    const QString path = folders.back()->filePath(name);
    datafile::writeFile(path, records);
    return path;
}

} // namespace bench
