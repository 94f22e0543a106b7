// The single-instance request line and the server name of a program folder.
#include "platform/singleinstance.h"

#include <gtest/gtest.h>

TEST(SingleInstance, RequestLinesReadBackAsSentAndForeignLinesAreRefused) {
    for (const QString& path : {QString(), u"/home/山田/LIST.stn"_qs, u"with space.stn"_qs}) {
        const QByteArray line = SingleInstance::requestLine(path);
        EXPECT_TRUE(line.endsWith('\n') && line.count('\n') == 1) << line.constData();
        const SingleInstance::Request request = SingleInstance::parseRequest(line);
        EXPECT_TRUE(request.valid);
        EXPECT_EQ(request.filePath, path);
    }
    // Foreign lines are not valid requests.
    for (const char* line : {"", "\n", "open \n", "open", "raise now\n", "RAISE\n",
                             "GET / HTTP/1.1\r\n", "open a\nb\n"})
        EXPECT_FALSE(SingleInstance::parseRequest(line).valid) << line;
}

TEST(SingleInstance, OneNamePerFolderWhateverItsSpelling) {
    const QString name = SingleInstance::serverName(u"/tmp"_qs);
    EXPECT_EQ(SingleInstance::serverName(u"/tmp/../tmp/"_qs), name);
    EXPECT_NE(SingleInstance::serverName(u"/var"_qs), name);
    EXPECT_LE(name.size(), 30); // well inside a local socket's 107 bytes with /tmp/
}
