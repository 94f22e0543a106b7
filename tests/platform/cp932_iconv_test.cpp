#include "platform/cp932.h"

#include <QProcess>
#include <QSet>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <memory>

// The codec against glibc's own CP932 converter, code by code. glibc follows Microsoft's table
// in both directions, including the code it writes for characters with several codes; it only
// rejects the single bytes 0x80, 0xA0 and 0xFD-0xFF, which the other tests cover.
namespace {

const QList<char> kBytesIconvRejects = {'\x80', '\xA0', '\xFD', '\xFE', '\xFF'};

bool isLeadByte(int b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

QByteArray runIconv(const QStringList& arguments, const QByteArray& input) {
    QProcess iconv;
    iconv.start(QStringLiteral("iconv"), arguments);
    if (!iconv.waitForStarted())
        return {};
    iconv.write(input);
    iconv.closeWriteChannel();
    iconv.waitForFinished(60000);
    if (iconv.exitStatus() != QProcess::NormalExit || iconv.exitCode() != 0)
        ADD_FAILURE() << "iconv " << arguments.join(u' ').toStdString() << ": "
                      << iconv.readAllStandardError().toStdString();
    return iconv.readAllStandardOutput();
}

struct Entry {
    QByteArray code;
    QString character; // empty when iconv has no character for the code
};

class Cp932AgainstIconv : public testing::Test {
protected:
    static void SetUpTestSuite() {
        if (QStandardPaths::findExecutable(QStringLiteral("iconv")).isEmpty())
            return;
        // Every single byte but the line feed, then every lead byte with every trail byte, one
        // code a line. With -c iconv skips what it cannot convert one byte at a time, so an
        // unassigned code leaves an empty line, an ASCII character or a half-width kana (its
        // trail byte read alone), which no double-byte code decodes to.
        QList<QByteArray> codes;
        for (int b = 0; b < 0x100; ++b) {
            if (b != '\n' && !isLeadByte(b) && !kBytesIconvRejects.contains(char(b)))
                codes.append(QByteArray(1, char(b)));
        }
        for (int lead = 0x81; lead <= 0xFC; ++lead) {
            for (int trail = 0x40; trail <= 0xFC && isLeadByte(lead); ++trail) {
                if (trail != 0x7F)
                    codes.append(QByteArray(1, char(lead)) + char(trail));
            }
        }
        const QByteArray output =
            runIconv({QStringLiteral("-c"), QStringLiteral("-f"), QStringLiteral("CP932"),
                      QStringLiteral("-t"), QStringLiteral("UTF-8")},
                     codes.join('\n') + '\n');
        const QList<QByteArray> lines = output.split('\n');
        if (lines.size() != codes.size() + 1)
            return;
        entries_ = std::make_unique<QList<Entry>>();
        for (qsizetype i = 0; i < codes.size(); ++i) {
            const QString text = QString::fromUtf8(lines[i]);
            const char16_t c = text.size() == 1 ? text.at(0).unicode() : 0;
            const bool assigned = codes[i].size() == 1 ? text.size() == 1
                                                       : c >= 0x80 && !(c >= 0xFF61 && c <= 0xFF9F);
            entries_->append({codes[i], assigned ? text : QString()});
        }
    }

    static void TearDownTestSuite() { entries_.reset(); }

    void SetUp() override {
        if (QStandardPaths::findExecutable(QStringLiteral("iconv")).isEmpty())
            GTEST_SKIP() << "no iconv on this machine";
        ASSERT_NE(entries_, nullptr) << "iconv gave one line per code";
    }

    static inline std::unique_ptr<QList<Entry>> entries_;
};

} // namespace

TEST_F(Cp932AgainstIconv, DecodesEveryCodeAsIconvDoes) {
    int assigned = 0;
    for (const Entry& entry : *entries_) {
        const QString expected = entry.character.isEmpty() ? QStringLiteral("・") : entry.character;
        EXPECT_EQ(cp932::decode(entry.code), expected) << entry.code.toHex().data();
        assigned += entry.character.isEmpty() ? 0 : 1;
    }
    // Microsoft's table: 190 single bytes (the five above and the line feed aside), 7,724
    // double-byte codes (JIS X 0208 6,879, NEC row 13 83, NEC-selected IBM 374, IBM 388) and
    // 1,880 user-defined ones.
    EXPECT_EQ(assigned, 190 + 7724 + 1880);
}

TEST_F(Cp932AgainstIconv, EncodesEveryCharacterAsIconvDoes) {
    QStringList characters;
    QSet<QString> seen;
    for (const Entry& entry : *entries_) {
        if (!entry.character.isEmpty() && !seen.contains(entry.character)) {
            seen.insert(entry.character);
            characters.append(entry.character);
        }
    }
    // A line feed never occurs in a double-byte code (trail bytes start at 0x40), so the
    // output splits back into one code per character.
    const QByteArray output = runIconv({QStringLiteral("-f"), QStringLiteral("UTF-8"),
                                        QStringLiteral("-t"), QStringLiteral("CP932")},
                                       characters.join(u'\n').toUtf8() + '\n');
    const QList<QByteArray> codes = output.split('\n');
    ASSERT_EQ(codes.size(), characters.size() + 1);
    for (qsizetype i = 0; i < characters.size(); ++i) {
        const cp932::EncodeResult result = cp932::encode(characters[i]);
        EXPECT_TRUE(result.ok());
        EXPECT_EQ(result.bytes, codes[i])
            << "U+" << QString::number(characters[i].at(0).unicode(), 16).toStdString();
    }
}
