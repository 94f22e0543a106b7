// The bureau file reader: any decoded text, any area.
#include "platform/cp932.h"
#include "print/core/bureaufile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text =
        cp932::decode(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    for (int area = -1; area <= 11; ++area)
        (void)bureaufile::parseBureauText(text, area);
    (void)bureaufile::areaIndexForCallSign(text);
    return 0;
}
