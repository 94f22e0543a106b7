#pragma once

#include <QFile>
#include <QStringList>
#include <gtest/gtest.h>
#include <vector>

// Long expected outputs kept as text files in tests/data/, one item a line. A mismatch prints
// the lines that differ; with VELMORA_UPDATE_GOLDEN=1 the test writes the file anew instead.
namespace golden {

// What turns a into b: "- " for lines only in a, "+ " for lines only in b, along their longest
// common subsequence. A change after a section line of a ("== ...") is headed by "@@ " and it.
inline QStringList diff(const QStringList& a, const QStringList& b) {
    const size_t n = size_t(a.size()), m = size_t(b.size());
    std::vector<std::vector<int>> common(n + 1, std::vector<int>(m + 1));
    for (size_t i = n; i-- > 0;)
        for (size_t j = m; j-- > 0;)
            common[i][j] = a[qsizetype(i)] == b[qsizetype(j)]
                               ? common[i + 1][j + 1] + 1
                               : std::max(common[i + 1][j], common[i][j + 1]);
    QStringList out;
    QString section, headed;
    for (size_t i = 0, j = 0; i < n || j < m;) {
        const bool same = i < n && j < m && a[qsizetype(i)] == b[qsizetype(j)];
        const bool removed = !same && (j == m || (i < n && common[i + 1][j] >= common[i][j + 1]));
        if (!same && section != headed)
            out << QStringLiteral("@@ ") + (headed = section);
        if ((same || removed) && a[qsizetype(i)].startsWith(QStringLiteral("== ")))
            section = a[qsizetype(i)];
        if (same)
            ++i, ++j;
        else if (removed)
            out << QStringLiteral("- ") + a[qsizetype(i++)];
        else
            out << QStringLiteral("+ ") + b[qsizetype(j++)];
    }
    return out;
}

inline QString path(const QString& name) {
    return QStringLiteral(VELMORA_TEST_DATA "/") + name;
}

// The lines of tests/data/name; none when it is missing.
inline QStringList read(const QString& name) {
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly)
               ? QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts)
               : QStringList();
}

// Compares lines with tests/data/name, or writes them there with VELMORA_UPDATE_GOLDEN=1.
inline void expectFile(const QString& name, const QStringList& lines) {
    if (qEnvironmentVariableIntValue("VELMORA_UPDATE_GOLDEN") == 1) {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write((lines.join(u'\n') + u'\n').toUtf8());
        return;
    }
    const QStringList changes = diff(read(name), lines);
    EXPECT_TRUE(changes.isEmpty()) << qPrintable(path(name))
                                   << " differs (- the file, + now); VELMORA_UPDATE_GOLDEN=1 "
                                      "rewrites it:\n"
                                   << qPrintable(changes.join(u'\n'));
}

} // namespace golden
