// The code page 932 decoder: any bytes. Every byte gives a character, everything decoded can be
// encoded again, and valid text survives the round trip.
#include "platform/cp932.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString text = cp932::decode(bytes);
    if (text.size() > bytes.size() || (size > 0 && text.isEmpty()))
        std::abort();
    const cp932::EncodeResult encoded = cp932::encode(text);
    if (!encoded.ok())
        std::abort();
    if (cp932::decode(encoded.bytes) != text)
        std::abort();
    // Fields of any width never split a character and always have their width.
    for (int width : {1, 2, 6, 12, 50}) {
        const cp932::EncodeResult field = cp932::encodeField(text, width);
        if (field.bytes.size() != width)
            std::abort();
    }
    return 0;
}
