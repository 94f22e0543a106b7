// ParseEraDate: any text. A date it accepts is a supported date that formats and parses back.
#include "record/eradate.h"
#include "record/serialdate.h"

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
    }
    return 0;
}
