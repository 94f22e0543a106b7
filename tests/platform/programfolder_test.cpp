#include "platform/programfolder.h"
#include "support/tempfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

const QString kBureau = QStringLiteral(u"総務省.dat");

// A prefix with the program in bin/, a bureau file beside it and, when installed, another in
// share/velmora/; the user's data folder does not exist yet.
struct Layout {
    TempFolder root;
    QString bin = root.file(QStringLiteral("prefix/bin"));
    QString shared = root.file(QStringLiteral("prefix/share/velmora"));
    QString dataHome = root.file(QStringLiteral("home/.local/share"));
    QString userFolder = dataHome + QStringLiteral("/Velmora");

    explicit Layout(bool installed) {
        QDir().mkpath(bin);
        write(bin + u'/' + kBureau, "beside");
        if (installed) {
            QDir().mkpath(shared);
            write(shared + u'/' + kBureau, "shared");
            QFile::setPermissions(shared + u'/' + kBureau, QFile::ReadOwner | QFile::ReadOther);
        }
    }
    programfolder::Situation situation(bool writable, bool installed) const {
        return {bin, writable, installed, dataHome};
    }
    static void write(const QString& path, const QByteArray& bytes) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    static QByteArray read(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
    }
};

struct Case {
    const char* name;
    bool writable;
    bool installed;
    const char* bureauFrom; // nullptr: the program stays beside itself
};

class ProgramFolderChoice : public testing::TestWithParam<Case> {};

TEST_P(ProgramFolderChoice, StaysBesideTheProgramOrSetsUpTheUsersFolder) {
    const Case c = GetParam();
    const Layout layout(c.installed);
    const QString folder =
        programfolder::settle(layout.situation(c.writable, c.installed), {kBureau});
    if (!c.bureauFrom) {
        EXPECT_EQ(folder, layout.bin);
        EXPECT_FALSE(QFileInfo::exists(layout.dataHome)) << "nothing made outside the program";
        return;
    }
    EXPECT_EQ(folder, layout.userFolder);
    EXPECT_EQ(Layout::read(folder + u'/' + kBureau), QByteArray(c.bureauFrom));
    EXPECT_TRUE(QFileInfo(folder + u'/' + kBureau).permissions() & QFile::WriteOwner)
        << "the user's copy is there to be edited";
}

INSTANTIATE_TEST_SUITE_P(
    Situations, ProgramFolderChoice,
    testing::Values(Case{"RunInstallOrPortableCopy", true, false, nullptr},
                    Case{"ReadOnlyPortableCopy", false, false, "beside"},
                    Case{"PackageInstalledAsUsrBin", false, true, "shared"},
                    Case{"PackageUnpackedIntoAWritableFolder", true, true, "shared"}),
    [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

TEST(ProgramFolder, KeepsWhatTheUserHasAndStartsWithoutAShippedFile) {
    const Layout layout(true);
    QDir().mkpath(layout.userFolder);
    Layout::write(layout.userFolder + u'/' + kBureau, "edited");
    const QString missing = QStringLiteral("missing.dat");
    EXPECT_EQ(programfolder::settle(layout.situation(false, true), {kBureau, missing}),
              layout.userFolder);
    EXPECT_EQ(Layout::read(layout.userFolder + u'/' + kBureau), QByteArray("edited"));
    EXPECT_FALSE(QFileInfo::exists(layout.userFolder + u'/' + missing));
}

TEST(ProgramFolder, ObservesAnInstalledLayoutBesideTheExecutable) {
    EXPECT_EQ(programfolder::sharedFolder(QStringLiteral("/usr/bin")),
              QStringLiteral("/usr/share/velmora"));
    const Layout plain(false);
    EXPECT_FALSE(programfolder::observe(plain.bin).installed);
    const Layout installed(true);
    const programfolder::Situation seen = programfolder::observe(installed.bin + u'/');
    EXPECT_TRUE(seen.installed);
    EXPECT_EQ(seen.executableFolder, installed.bin);
    EXPECT_FALSE(seen.dataHome.isEmpty());
}

TEST(ProgramFolder, WithoutAHomeStaysBesideTheProgram) {
    const Layout layout(true);
    programfolder::Situation situation = layout.situation(false, true);
    situation.dataHome.clear();
    EXPECT_EQ(programfolder::settle(situation, {kBureau}), layout.bin);
}

} // namespace
