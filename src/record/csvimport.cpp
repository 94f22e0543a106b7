#include "record/csvimport.h"

#include "platform/cp932.h"
#include "record/csvcolumns.h"
#include "record/eradate.h"
#include "record/gridcolumns.h"
#include "record/recordstore.h"
#include "record/serialdate.h"
#include "record/stationkey.h"
#include "record/typeddate.h"
#include "record/wholefile.h"

#include <QDir>
#include <QStringList>
#include <algorithm>
#include <array>
#include <csv.h>
#include <optional>

namespace csvfile {

namespace {

// The first errors are listed; a file with more is not read any further.
constexpr int kMaxErrors = 10;
// Larger than any register's CSV by far; reading stops before memory runs out.
constexpr qint64 kMaxFileSize = qint64(256) << 20;
constexpr qsizetype kChunk = 1 << 16;
// The widest text field, in bytes.
constexpr int kLongestField = 50;

QString withPath(const QString& error, const QString& path) {
    return error + QLatin1Char('\n') + QDir::toNativeSeparators(path);
}

// Captions compare after compatibility normalisation, without spaces at the ends and case.
QString headerKey(QStringView caption) {
    return trimSpaces(caption).normalized(QString::NormalizationForm_KC).toCaseFolded();
}

// Place of a text field among the sixteen, in record order.
size_t textSlot(Field field) {
    return size_t(field) < size_t(Field::ExpiryDate) ? size_t(field) : size_t(field) - 1;
}

QStringView withoutPadding(QStringView text) {
    while (!text.isEmpty() && text.back() == u' ')
        text.chop(1);
    return text;
}

class Reader {
public:
    explicit Reader(QByteArrayView bytes) {
        if (bytes.startsWith("\xEF\xBB\xBF")) {
            bytes = bytes.sliced(3);
            utf8_ = true;
            checkUtf8_ = true;
        } else {
            utf8_ = bytes.isValidUtf8();
        }
        bytes_ = bytes;
    }

    Imported run();

    // libcsv's callbacks.
    static void fieldEnd(void* data, size_t size, void* self) {
        static_cast<Reader*>(self)->field(
            QByteArrayView(static_cast<const char*>(data), qsizetype(size)));
    }
    static void rowEnd(int c, void* self) { static_cast<Reader*>(self)->endRow(c); }

private:
    void field(QByteArrayView bytes) {
        row_.append(bytes);
        ends_.push_back(row_.size());
    }
    void endRow(int c);
    // Field i of the row; a row may end before the header's last columns, which are then empty
    // (spreadsheet programs leave trailing empty fields out).
    QByteArrayView fieldBytes(size_t i) const {
        if (i >= ends_.size())
            return {};
        const qsizetype start = i == 0 ? 0 : ends_[i - 1];
        return QByteArrayView(row_).sliced(start, ends_[i] - start);
    }
    bool blankRow() const { return row_.isEmpty(); }
    void readHeader();
    void readRecord();
    std::optional<QString> decode(size_t column);
    std::optional<QString> text(size_t column, Field field);
    // The expiry comes from the ISO cell when it is not empty, else from the era text; the
    // column it comes from (or that is missing it).
    size_t expiryColumn() const;
    std::optional<double> expiry(size_t column);

    QString at(size_t column) const;
    void error(const QString& where, const QString& what);
    void checkLostZero(size_t column, Field field, QStringView text);

    QByteArrayView bytes_;
    bool utf8_ = false;
    bool checkUtf8_ = false;

    // The row being read: its fields one after another, and where each ends.
    QByteArray row_;
    std::vector<qsizetype> ends_;
    int line_ = 1;
    bool afterCr_ = false;

    bool haveHeader_ = false;
    QStringList headers_;                 // as the file writes them
    std::vector<const Column*> columnOf_; // per column of the file; null when ignored
    std::optional<size_t> era_, iso_;     // the file's expiry columns
    std::vector<StationRecord> records_;
    std::vector<int> rows_;
    std::array<bool, kFieldCount> hasField_{};
    QStringList errors_;
    QStringList warnings_;
    bool stop_ = false;
};

QString Reader::at(size_t column) const {
    return QStringLiteral("%1 行目 %2 列目「%3」：")
        .arg(line_)
        .arg(column + 1)
        .arg(headers_[qsizetype(column)]);
}

void Reader::error(const QString& where, const QString& what) {
    errors_.append(where + what);
    if (errors_.size() >= kMaxErrors)
        stop_ = true;
}

void Reader::endRow(int c) {
    // CR LF ends one row; libcsv reports the LF after the CR as a row of its own.
    if (c == '\n' && afterCr_ && ends_.empty()) {
        afterCr_ = false;
        return;
    }
    afterCr_ = c == '\r';
    // A row of empty fields is as good as a blank one.
    if (!stop_ && !blankRow()) {
        if (!haveHeader_)
            readHeader();
        else
            readRecord();
    }
    row_.truncate(0); // keeps its memory for the next row
    ends_.clear();
    ++line_;
}

std::optional<QString> Reader::decode(size_t column) {
    const QByteArrayView bytes = fieldBytes(column);
    if (utf8_) {
        if (checkUtf8_ && !bytes.isValidUtf8()) {
            error(at(column), QStringLiteral("UTF-8 として読めないバイトがあります。"));
            return std::nullopt;
        }
        return QString::fromUtf8(bytes);
    }
    if (const qsizetype bad = cp932::firstUndecodable(bytes); bad >= 0) {
        error(at(column),
              QStringLiteral("コードページ932 の文字として読めないバイト（0x%1）があります。")
                  .arg(uchar(bytes[bad]), 2, 16, QLatin1Char('0')));
        return std::nullopt;
    }
    return cp932::decode(bytes);
}

void Reader::readHeader() {
    haveHeader_ = true;
    // Every caption first, so that messages can name any column.
    std::vector<QString> keys;
    for (size_t i = 0; i < ends_.size(); ++i) {
        const QByteArrayView bytes = fieldBytes(i);
        headers_.append(utf8_ ? QString::fromUtf8(bytes) : cp932::decode(bytes));
        keys.push_back(headerKey(headers_.back()));
    }
    columnOf_.assign(ends_.size(), nullptr);
    std::vector<std::optional<size_t>> found(columns().size());
    for (size_t i = 0; i < keys.size(); ++i) {
        for (size_t c = 0; c < columns().size(); ++c) {
            if (keys[i] != headerKey(columns()[c].header))
                continue;
            if (found[c]) {
                error(at(i),
                      QStringLiteral("同じ見出しの列が %1 列目にもあります。").arg(*found[c] + 1));
                break;
            }
            found[c] = i;
            columnOf_[i] = &columns()[c];
            hasField_[size_t(columns()[c].field)] = true;
            if (columns()[c].kind == ColumnKind::EraExpiry)
                era_ = i;
            if (columns()[c].kind == ColumnKind::IsoExpiry)
                iso_ = i;
        }
    }
    const QString where = QStringLiteral("%1 行目：").arg(line_);
    for (size_t c = 0; c < columns().size(); ++c) {
        const Column& column = columns()[c];
        const bool required = column.field == Field::CallSign || column.field == Field::LicenceNo;
        if (required && !found[c])
            error(where, QStringLiteral("「%1」の列がありません。").arg(column.header));
    }
    if (!era_ && !iso_) {
        error(where, QStringLiteral("「%1」または「%2」の列がありません。")
                         .arg(columnHeader(3), isoHeader()));
    }
    // Without its columns no row can be read.
    if (!errors_.isEmpty())
        stop_ = true;
}

std::optional<QString> Reader::text(size_t column, Field field) {
    std::optional<QString> decoded = decode(column);
    if (!decoded)
        return std::nullopt;
    decoded->truncate(withoutPadding(*decoded).size());
    const QStringView kept = *decoded;
    const cp932::EncodeResult encoded = cp932::encode(kept);
    if (!encoded.ok()) {
        error(at(column),
              QStringLiteral("保存できない文字「%1」があります。")
                  .arg(cp932::firstUnmappableCharacter(kept.sliced(encoded.firstUnmappable))));
        return std::nullopt;
    }
    const int width = fieldInfo(field).width;
    if (encoded.bytes.size() > width) {
        error(at(column),
              QStringLiteral("長すぎます（%1 バイト）。この欄は %2 バイト（全角 %3 文字）"
                             "までです。")
                  .arg(encoded.bytes.size())
                  .arg(width)
                  .arg(width / 2));
        return std::nullopt;
    }
    // Some characters are stored as a look-alike (〜 U+301C as ～ U+FF5E): that would change
    // the text, so it is refused and the message says what to write instead. Every character
    // gives one code and every code one character, so the texts are equally long.
    Q_ASSERT(width <= kLongestField);
    std::array<char16_t, kLongestField> buffer;
    const QStringView back(buffer.data(), cp932::decodeInto(encoded.bytes, buffer.data()));
    if (back != kept) {
        qsizetype i = 0;
        while (i + 1 < kept.size() && i + 1 < back.size() && back[i] == kept[i])
            ++i;
        error(at(column), QStringLiteral("文字「%1」はそのまま保存できません（「%2」になります）。"
                                         "「%2」に直してください。")
                              .arg(kept.sliced(i, 1).toString(), back.sliced(i, 1).toString()));
        return std::nullopt;
    }
    return decoded;
}

size_t Reader::expiryColumn() const {
    const auto filled = [this](std::optional<size_t> column) {
        if (!column)
            return false;
        const QByteArrayView cell = fieldBytes(*column);
        return std::any_of(cell.begin(), cell.end(), [](char c) { return c != ' '; });
    };
    if (filled(iso_) || (!filled(era_) && iso_))
        return *iso_;
    return *era_;
}

std::optional<double> Reader::expiry(size_t column) {
    const std::optional<QString> cell = decode(column);
    if (!cell)
        return std::nullopt;
    if (trimmedSpaces(*cell).isEmpty()) {
        error(at(column), QStringLiteral("免許期限がありません。"));
        return std::nullopt;
    }
    // What the export writes is read the quick way; other forms, and the reason a text is no
    // date, come from the typed-date reader.
    if (column == iso_) {
        if (const std::optional<double> value = parseIsoExpiry(*cell))
            return value;
    } else if (const QDate date = ParseEraDate(*cell); date.isValid()) {
        return serialdate::fromDate(date);
    }
    const typeddate::TypedDate date = typeddate::parseTypedDate(*cell);
    if (date)
        return serialdate::fromDate(date.date);
    if (date.problem != typeddate::Problem::Unreadable) {
        error(at(column), typeddate::problemText(date, *cell));
        return std::nullopt;
    }
    error(at(column), column == iso_
                          ? QStringLiteral("日付として読めません（「%1」）。2024-03-31 の形で"
                                           "書いてください。")
                                .arg(*cell)
                          : QStringLiteral("日付として読めません（「%1」）。令和6年03月31日 の形で"
                                           "書いてください。")
                                .arg(*cell));
    return std::nullopt;
}

void Reader::checkLostZero(size_t column, Field field, QStringView text) {
    const bool zip = field == Field::StationZip || field == Field::ApplicantZip;
    if (!zip && field != Field::ApplicantTel)
        return;
    // Full-width digits count as digits.
    const QString normal = matchText(text);
    if (normal.isEmpty())
        return;
    if (zip) {
        const bool digitsOnly = std::all_of(normal.begin(), normal.end(),
                                            [](QChar c) { return c >= u'0' && c <= u'9'; });
        if (digitsOnly && normal.size() <= 6)
            warnings_.append(at(column) + QStringLiteral("郵便番号「%1」は 7 桁に足りません。"
                                                         "表計算ソフトが先頭の 0 を落とした"
                                                         "かもしれません。")
                                              .arg(text));
    } else if (normal.front() != u'0' && normal.front() != u'+') {
        warnings_.append(at(column) + QStringLiteral("電話番号「%1」が 0 で始まっていません。"
                                                     "表計算ソフトが先頭の 0 を落とした"
                                                     "かもしれません。")
                                          .arg(text));
    }
}

void Reader::readRecord() {
    for (size_t i = size_t(headers_.size()); i < ends_.size(); ++i) {
        if (!fieldBytes(i).isEmpty()) {
            error(QStringLiteral("%1 行目 %2 列目：").arg(line_).arg(i + 1),
                  QStringLiteral("見出しのない列に値があります。"));
            return;
        }
    }
    if (records_.size() >= size_t(RecordStore::kMaxRecords)) {
        error(QStringLiteral("%1 行目：").arg(line_),
              QStringLiteral("データが %1 件を超えています。一度に取り込めるのは %1 件までです。")
                  .arg(RecordStore::kMaxRecords));
        stop_ = true;
        return;
    }
    // The texts in record order (the date's place skipped), set all at once.
    std::array<QString, kTextFieldCount> texts;
    double expiryValue = 0.0;
    bool good = true;
    // Column by column, so that the errors come in the order of the row.
    const size_t dateColumn = expiryColumn();
    for (size_t i = 0; i < columnOf_.size(); ++i) {
        const Column* column = columnOf_[i];
        if (i == dateColumn) {
            if (const std::optional<double> value = expiry(i))
                expiryValue = *value;
            else
                good = false;
        } else if (column && column->kind == ColumnKind::Text) {
            if (std::optional<QString> value = text(i, column->field)) {
                checkLostZero(i, column->field, *value);
                texts[textSlot(column->field)] = std::move(*value);
            } else {
                good = false;
            }
        }
    }
    // Once anything is wrong nothing is imported; the rest is only read for its errors.
    if (!good || !errors_.isEmpty())
        return;
    std::array<QStringView, kTextFieldCount> views;
    std::copy(texts.begin(), texts.end(), views.begin());
    StationRecord& record = records_.emplace_back();
    record.setTexts(views);
    record.ExpiryDate = expiryValue;
    rows_.push_back(line_);
}

Imported Reader::run() {
    csv_parser parser;
    if (csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI | CSV_REPALL_NL) != 0)
        return {Result::failure(QStringLiteral("メモリが足りません。")), {}};
    // Spaces are part of a field (RFC 4180): never trim them.
    csv_set_space_func(&parser, [](unsigned char) { return 0; });
    csv_set_blk_size(&parser, 4096);
    bool parsed = true;
    for (qsizetype at = 0; at < bytes_.size() && !stop_; at += kChunk) {
        const size_t size = size_t(qMin(kChunk, bytes_.size() - at));
        if (csv_parse(&parser, bytes_.data() + at, size, &Reader::fieldEnd, &Reader::rowEnd,
                      this) != size) {
            parsed = false;
            break;
        }
    }
    if (parsed && !stop_ && csv_fini(&parser, &Reader::fieldEnd, &Reader::rowEnd, this) != 0)
        parsed = false;
    if (!parsed) {
        const int code = csv_error(&parser);
        const QString where = QStringLiteral("%1 行目 %2 列目：").arg(line_).arg(ends_.size() + 1);
        if (code == CSV_EPARSE)
            error(where,
                  QStringLiteral("引用符（\"）の使い方が正しくありません。値に \" を含めるときは"
                                 "値全体を \" で囲み、中の \" を二つ重ねてください（\"\"）。"));
        else
            error(where, QString::fromLatin1(csv_strerror(code)));
    }
    csv_free(&parser);

    if (!haveHeader_ && errors_.isEmpty())
        error(QStringLiteral("1 行目："),
              QStringLiteral("見出しの行がありません。1 行目に列の見出しが必要です。"));
    if (!errors_.isEmpty()) {
        QString message = errors_.join(QLatin1Char('\n'));
        if (stop_)
            message += QStringLiteral("\n（誤りが多いため、ここで読むのをやめました。）");
        return {Result::failure(message), {}};
    }
    hasField_[size_t(Field::ExpiryDate)] = true;
    return {Result::success(), std::move(records_), std::move(rows_), hasField_,
            std::move(warnings_)};
}

} // namespace

Imported importCsv(QByteArrayView bytes) {
    // Spreadsheet programs save their own formats as a ZIP archive (.xlsx, .ods) or an OLE
    // compound file (.xls); read as CSV, such a file only gives a puzzling quoting error.
    if (bytes.startsWith("PK\x03\x04") || bytes.startsWith("\xD0\xCF\x11\xE0"))
        return {Result::failure(QStringLiteral("Excel などの表計算の形式です。CSV 形式で保存して"
                                               "から取り込んでください。")),
                {},
                {},
                {},
                {}};
    return Reader(bytes).run();
}

Imported readCsv(const QString& path) {
    const ReadBytes read = readAtMost(path, kMaxFileSize);
    if (!read.result)
        return {read.result, {}};
    Imported imported = importCsv(read.bytes);
    if (!imported.result)
        imported.result.error = withPath(imported.result.error, path);
    return imported;
}

} // namespace csvfile
