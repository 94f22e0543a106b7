#include "platform/programfolder.h"
#include "support/tempfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

const QString kBureau = u"総務省.dat"_qs;

// A prefix with the program in bin/, a bureau file beside it and, when installed, a read-only
// one in share/velmora/; the user's data folder does not exist yet.
struct Layout {
    TempFolder root;
    QString bin = root.file(u"prefix/bin"_qs);
    QString dataHome = root.file(u"home/.local/share"_qs);
    QString userFolder = dataHome + u"/Velmora"_qs;

    explicit Layout(bool installed) {
        QDir().mkpath(bin);
        root.write(u"prefix/bin/"_qs + kBureau, "beside");
        if (installed) {
            QDir().mkpath(root.file(u"prefix/share/velmora"_qs));
            const QString shared = root.write(u"prefix/share/velmora/"_qs + kBureau, "shared");
            QFile::setPermissions(shared, QFile::ReadOwner | QFile::ReadOther);
        }
    }
};

struct Case {
    const char* name;
    bool writable;
    bool installed;
    bool home;
    const char* bureauFrom; // nullptr: the program stays beside itself
};

class ProgramFolderChoice : public testing::TestWithParam<Case> {};

TEST_P(ProgramFolderChoice, StaysBesideTheProgramOrSetsUpTheUsersFolder) {
    const Case c = GetParam();
    const Layout layout(c.installed);
    const QString home = c.home ? layout.dataHome : QString();
    const QString folder = programfolder::settle({layout.bin, c.writable, c.installed, home},
                                                 {kBureau, u"missing.dat"_qs});
    if (!c.bureauFrom) {
        EXPECT_EQ(folder, layout.bin);
        EXPECT_FALSE(QFileInfo::exists(layout.dataHome)) << "nothing made outside the program";
        return;
    }
    EXPECT_EQ(folder, layout.userFolder);
    EXPECT_EQ(layout.root.read(u"home/.local/share/Velmora/"_qs + kBureau), c.bureauFrom);
    EXPECT_TRUE(QFileInfo(folder + u'/' + kBureau).permissions() & QFile::WriteOwner)
        << "the user's copy is there to be edited";
    EXPECT_FALSE(QFileInfo::exists(folder + u"/missing.dat"_qs));
}

INSTANTIATE_TEST_SUITE_P(
    Situations, ProgramFolderChoice,
    testing::Values(Case{"RunInstallOrPortableCopy", true, false, true, nullptr},
                    Case{"ReadOnlyPortableCopy", false, false, true, "beside"},
                    Case{"PackageInstalledAsUsrBin", false, true, true, "shared"},
                    Case{"PackageUnpackedIntoAWritableFolder", true, true, true, "shared"},
                    Case{"NoHome", false, true, false, nullptr}),
    [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

TEST(ProgramFolder, KeepsWhatTheUserHasAndObservesAnInstalledLayout) {
    const Layout layout(true);
    QDir().mkpath(layout.userFolder);
    layout.root.write(u"home/.local/share/Velmora/"_qs + kBureau, "edited");
    EXPECT_EQ(programfolder::settle({layout.bin, false, true, layout.dataHome}, {kBureau}),
              layout.userFolder);
    EXPECT_EQ(layout.root.read(u"home/.local/share/Velmora/"_qs + kBureau), "edited");

    const programfolder::Situation seen = programfolder::observe(layout.bin + u'/');
    EXPECT_TRUE(seen.installed);
    EXPECT_EQ(seen.executableFolder, layout.bin);
    EXPECT_FALSE(seen.dataHome.isEmpty());
    EXPECT_FALSE(programfolder::observe(Layout(false).bin).installed);
}

} // namespace
