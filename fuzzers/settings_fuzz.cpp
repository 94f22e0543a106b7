// The settings reader: any bytes. What it reads, written and read again, gives the same values.
#include "record/settingsfile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    SettingsValues values;
    settingsfile::parseSettings(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)),
                                values);
    // Every key has some value once written, so compare against a fully written copy.
    SettingsValues written = values;
    for (auto* v : {&written.MainLeft, &written.MainTop, &written.MainWidth, &written.MainHeight})
        if (!v->has_value())
            *v = 0.0f;
    for (auto& w : written.Grid)
        if (!w.has_value())
            w = 0;
    // Text that code page 932 decodes always encodes again, except for what a line end cuts.
    written.DataFile = written.DataFile.section(QLatin1Char('\r'), 0, 0);
    SettingsValues back;
    settingsfile::parseSettings(settingsfile::formatSettings(written), back);
    if (!(back == written))
        std::abort();
    return 0;
}
