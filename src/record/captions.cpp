#include "record/captions.h"

#include <array>

QString fieldCaption(Field field) {
    switch (field) {
    case Field::CallSign:
        return QStringLiteral(u"コールサイン");
    case Field::LicenceNo:
        return QStringLiteral(u"免許番号");
    case Field::ExpiryDate:
        return QStringLiteral(u"免許期限");
    case Field::StationType:
        return QStringLiteral(u"免許種別");
    case Field::HolderName:
        return QStringLiteral(u"氏名");
    case Field::HolderKana:
        return QStringLiteral(u"フリガナ");
    case Field::ClubName:
        return QStringLiteral(u"社団名");
    case Field::ClubKana:
        return QStringLiteral(u"社団名カナ");
    case Field::StationZip:
        return QStringLiteral(u"郵便番号");
    case Field::StationAddr1:
        return QStringLiteral(u"設置(常置)場所1");
    case Field::StationAddr2:
        return QStringLiteral(u"設置(常置)場所2");
    case Field::ApplicantZip:
        return QStringLiteral(u"申請者の郵便番号");
    case Field::ApplicantAddr1:
        return QStringLiteral(u"申請書住所1");
    case Field::ApplicantAddr2:
        return QStringLiteral(u"申請書住所2");
    case Field::ApplicantName:
        return QStringLiteral(u"申請者の氏名");
    case Field::ApplicantKana:
        return QStringLiteral(u"申請者のフリガナ");
    case Field::ApplicantTel:
        return QStringLiteral(u"電話番号");
    }
    return {};
}
