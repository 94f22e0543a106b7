// The entry dialogs' texts apart from any widget: checks, stored forms and the record.
#include "entry/entryform.h"

#include "platform/cp932.h"
#include "platform/width.h"
#include "record/captions.h"

namespace entryform {

namespace {

const std::array<Field, kBoxCount> kFields{
    Field::CallSign,       Field::LicenceNo,      Field::HolderName,    Field::HolderKana,
    Field::StationZip,     Field::StationAddr1,   Field::StationAddr2,  Field::ClubName,
    Field::ClubKana,       Field::ApplicantName,  Field::ApplicantKana, Field::ApplicantZip,
    Field::ApplicantAddr1, Field::ApplicantAddr2, Field::ApplicantTel,
};

bool widened(int box) {
    return box == 0 || box == 1;
}

// "「𠮷」(U+20BB7)": the character and its code, since some (joiners, variation selectors)
// cannot be seen.
QString describe(const QString& character) {
    const QList<uint> points = character.toUcs4();
    const uint code = points.isEmpty() ? 0 : points.front();
    return QStringLiteral(u"「%1」(U+%2)")
        .arg(character, QString::number(code, 16).toUpper().rightJustified(4, u'0'));
}

} // namespace

Field fieldOfBox(int box) {
    return kFields[size_t(box)];
}

QString boxName(int box) {
    return fieldCaption(fieldOfBox(box));
}

QString missingFieldsMessage(const Texts& texts, QStringView addressPiece) {
    const std::array<QStringView, 4> pieces{u"コールサイン  ", u"免許番号　", u"氏名　",
                                            addressPiece};
    QString message;
    for (size_t i = 0; i < kRequiredBoxes.size(); ++i) {
        if (trimSpaces(texts[size_t(kRequiredBoxes[i])]).isEmpty())
            message += pieces[i];
    }
    if (!message.isEmpty())
        message += u"を入力してください";
    return message;
}

QString storedText(const Texts& texts, int box) {
    return asStored(box, texts[size_t(box)]);
}

QString asStored(int box, const QString& text) {
    return widened(box) ? trimSpaces(width::toFullWidth(text)) : trimSpaces(text);
}

int storedByteLimit(int box) {
    return fieldInfo(fieldOfBox(box)).width;
}

QString overlongMessage(const Texts& texts, QStringView stationType, const BoxNames& names) {
    const auto message = [](const QString& name, int bytes) {
        return QStringLiteral(u"「%1」は全角%2文字（%3バイト）までです。")
            .arg(name)
            .arg(bytes / 2)
            .arg(bytes);
    };
    for (int box = 0; box < kBoxCount; ++box) {
        const int bytes = storedByteLimit(box);
        if (cp932::encodedLength(storedText(texts, box)) > bytes)
            return message(names[size_t(box)], bytes);
    }
    const int typeBytes = fieldInfo(Field::StationType).width;
    if (cp932::encodedLength(stationType) > typeBytes)
        return message(fieldCaption(Field::StationType), typeBytes);
    return {};
}

QString unstorableMessage(const Texts& texts, QStringView stationType) {
    const QString tail = QStringLiteral(
        u"データファイルに保存できない文字%1があります。別の文字に置き換えてください。");
    for (int box = 0; box < kBoxCount; ++box) {
        const QString bad = cp932::firstUnmappableCharacter(storedText(texts, box));
        if (!bad.isEmpty())
            return QStringLiteral(u"「%1」に").arg(boxName(box)) + tail.arg(describe(bad));
    }
    const QString bad = cp932::firstUnmappableCharacter(stationType);
    if (!bad.isEmpty())
        return QStringLiteral(u"「%1」に").arg(fieldCaption(Field::StationType)) +
               tail.arg(describe(bad));
    return {};
}

StationRecord toRecord(const Texts& texts, QDate expiry, QStringView stationType) {
    StationRecord record;
    for (int box = 0; box < kBoxCount; ++box)
        record.set(fieldOfBox(box), storedText(texts, box));
    record.set(Field::StationType, stationType);
    record.setExpiry(expiry);
    return record;
}

} // namespace entryform
