#include "platform/cp932.h"

#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

// The codec against glibc's own CP932 converter, code by code. glibc follows Microsoft's table
// in both directions, including the code it writes for characters with several codes; it only
// rejects the single bytes 0x80, 0xA0 and 0xFD-0xFF, which cp932_test covers.
namespace {

QByteArray runIconv(const QString& from, const QString& to, const QByteArray& input) {
    QProcess iconv;
    iconv.start(QStringLiteral("iconv"), {QStringLiteral("-c"), "-f", from, "-t", to});
    iconv.write(input);
    iconv.closeWriteChannel();
    iconv.waitForFinished(60000);
    return iconv.readAllStandardOutput();
}

bool isLeadByte(int b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

} // namespace

TEST(Cp932AgainstIconv, DecodesEveryCodeAndEncodesEveryCharacterAsIconvDoes) {
    if (QStandardPaths::findExecutable(QStringLiteral("iconv")).isEmpty())
        GTEST_SKIP() << "no iconv on this machine";
    // Every single byte but the line feed, and every lead byte with every trail byte, one code
    // a line. With -c iconv skips what it cannot convert one byte at a time, so an unassigned
    // code leaves an empty line, an ASCII character or a half-width kana (its trail byte read
    // alone), which no double-byte code decodes to.
    QList<QByteArray> codes;
    for (int b = 0; b < 0x100; ++b) {
        if (b != '\n' && b != 0x80 && b != 0xA0 && b < 0xFD && !isLeadByte(b))
            codes.append(QByteArray(1, char(b)));
        for (int trail = 0x40; trail <= 0xFC && isLeadByte(b); ++trail) {
            if (trail != 0x7F)
                codes.append(QByteArray(1, char(b)) + char(trail));
        }
    }
    const QList<QByteArray> lines =
        runIconv(QStringLiteral("CP932"), QStringLiteral("UTF-8"), codes.join('\n') + '\n')
            .split('\n');
    ASSERT_EQ(lines.size(), codes.size() + 1);
    QStringList characters; // of every assigned code, the shared ones more than once
    for (qsizetype i = 0; i < codes.size(); ++i) {
        const QString text = QString::fromUtf8(lines[i]);
        const char16_t c = text.size() == 1 ? text.at(0).unicode() : 0;
        const bool assigned =
            codes[i].size() == 1 ? text.size() == 1 : c >= 0x80 && !(c >= 0xFF61 && c <= 0xFF9F);
        EXPECT_EQ(cp932::decode(codes[i]), assigned ? text : u"・"_qs) << codes[i].toHex().data();
        if (assigned)
            characters.append(text);
    }
    // Microsoft's table: 190 single bytes (the five above and the line feed aside), 7,724
    // double-byte codes and 1,880 user-defined ones.
    EXPECT_EQ(characters.size(), 190 + 7724 + 1880);

    // A line feed never occurs in a double-byte code (trail bytes start at 0x40), so the output
    // splits back into one code per character.
    const QList<QByteArray> written = runIconv(QStringLiteral("UTF-8"), QStringLiteral("CP932"),
                                               characters.join(u'\n').toUtf8() + '\n')
                                          .split('\n');
    ASSERT_EQ(written.size(), characters.size() + 1);
    for (qsizetype i = 0; i < characters.size(); ++i) {
        const cp932::EncodeResult result = cp932::encode(characters[i]);
        EXPECT_TRUE(result.ok());
        EXPECT_EQ(result.bytes, written[i]) << written[i].toHex().data();
    }
}
