#pragma once

#include <QFile>
#include <QStringList>
#include <gtest/gtest.h>

// Long expected outputs kept as text files in tests/data/, one item a line. A mismatch prints
// the lines that differ; with VELMORA_UPDATE_GOLDEN=1 the test writes the file anew instead.
namespace golden {

// What turns a into b: "- " for lines only in a, "+ " for lines only in b, along their longest
// common subsequence.
inline QStringList diff(const QStringList& a, const QStringList& b) {
    const qsizetype n = a.size(), m = b.size();
    QList<QList<int>> common(n + 1, QList<int>(m + 1));
    for (qsizetype i = n; i-- > 0;)
        for (qsizetype j = m; j-- > 0;)
            common[i][j] = a[i] == b[j] ? common[i + 1][j + 1] + 1
                                        : std::max(common[i + 1][j], common[i][j + 1]);
    QStringList out;
    for (qsizetype i = 0, j = 0; i < n || j < m;) {
        if (i < n && j < m && a[i] == b[j])
            ++i, ++j;
        else if (j == m || (i < n && common[i + 1][j] >= common[i][j + 1]))
            out << QStringLiteral("- ") + a[i++];
        else
            out << QStringLiteral("+ ") + b[j++];
    }
    return out;
}

// The lines of tests/data/name; none when it is missing.
inline QStringList read(const QString& name) {
    QFile file(QStringLiteral(VELMORA_TEST_DATA "/") + name);
    return file.open(QIODevice::ReadOnly)
               ? QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts)
               : QStringList();
}

// Compares lines with tests/data/name, or writes them there with VELMORA_UPDATE_GOLDEN=1.
inline void expectFile(const QString& name, const QStringList& lines) {
    if (qEnvironmentVariableIntValue("VELMORA_UPDATE_GOLDEN") == 1) {
        QFile file(QStringLiteral(VELMORA_TEST_DATA "/") + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write((lines.join(u'\n') + u'\n').toUtf8());
        return;
    }
    const QStringList changes = diff(read(name), lines);
    EXPECT_TRUE(changes.isEmpty())
        << "tests/data/" << qPrintable(name)
        << " (-) differs from now (+); VELMORA_UPDATE_GOLDEN=1 rewrites it:\n"
        << qPrintable(changes.join(u'\n'));
}

} // namespace golden
