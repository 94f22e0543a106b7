// The application date box the two print dialogs share.
#include "print/applicationdatebox.h"

#include "record/eradate.h"
#include "record/typeddate.h"

DateBox* newApplicationDateBox(const QString& objectName, QWidget* parent) {
    auto* box = new DateBox(parent);
    box->setObjectName(objectName);
    box->setAccessibleName(QStringLiteral("申請日"));
    box->setReader(readTypedApplicationDate);
    return box;
}

DateBox::Reading readTypedApplicationDate(const QString& typed) {
    const typeddate::TypedDate date = typeddate::parseTypedDate(typed);
    if (!date)
        return {{}, typeddate::problemText(date, typed)};
    return {FormatEraDate(date.date, EraPattern::Unpadded), {}};
}
