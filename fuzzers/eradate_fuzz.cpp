// ParseEraDate and parseTypedDate: any text. A date either accepts is a supported date that
// formats and parses back; every era date ParseEraDate reads, parseTypedDate reads the same.
#include "record/eradate.h"
#include "record/serialdate.h"
#include "record/typeddate.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const QDate date = ParseEraDate(text);
    if (date.isValid()) {
        if (!serialdate::isSupported(date))
            std::abort();
        if (ParseEraDate(FormatEraDate(date)) != date ||
            ParseEraDate(FormatEraDate(date, EraPattern::Unpadded)) != date)
            std::abort();
        if (typeddate::parseTypedDate(text).date != date)
            std::abort();
    }
    const typeddate::TypedDate typed = typeddate::parseTypedDate(text);
    if (bool(typed) != typed.date.isValid())
        std::abort();
    if (typed) {
        if (!serialdate::isSupported(typed.date))
            std::abort();
        if (typeddate::parseTypedDate(FormatEraDate(typed.date)).date != typed.date ||
            typeddate::parseTypedDate(typed.date.toString(Qt::ISODate)).date != typed.date)
            std::abort();
    }
    return 0;
}
