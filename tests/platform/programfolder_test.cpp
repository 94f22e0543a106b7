#include "platform/programfolder.h"
#include "support/tempfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <tuple>

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

TEST(ProgramFolder, StaysBesideTheProgramOrSetsUpTheUsersFolder) {
    // Program folder writable, installed layout, a home, a bureau file the user already has,
    // and where the user's bureau file comes from (nullptr: the program stays beside itself).
    const QList<std::tuple<bool, bool, bool, const char*, const char*>> cases = {
        {true, false, true, nullptr, nullptr},   // run install or portable copy
        {false, false, true, nullptr, "beside"}, // read-only portable copy
        {false, true, true, nullptr, "shared"},  // package installed as /usr/bin
        {true, true, true, nullptr, "shared"},   // package unpacked into a writable folder
        {false, true, true, "edited", "edited"}, {false, true, false, nullptr, nullptr},
    };
    for (const auto& [writable, installed, home, userHas, bureauFrom] : cases) {
        SCOPED_TRACE(testing::Message() << writable << installed << home << bool(userHas));
        const Layout layout(installed);
        if (userHas) {
            QDir().mkpath(layout.userFolder);
            layout.root.write(u"home/.local/share/Velmora/"_qs + kBureau, userHas);
        }
        const QString folder =
            programfolder::settle({layout.bin, writable, installed, home ? layout.dataHome : ""},
                                  {kBureau, u"missing.dat"_qs});
        if (!bureauFrom) {
            EXPECT_EQ(folder, layout.bin);
            EXPECT_FALSE(QFileInfo::exists(layout.dataHome)) << "nothing made outside the program";
            continue;
        }
        EXPECT_EQ(folder, layout.userFolder);
        EXPECT_EQ(layout.root.read(u"home/.local/share/Velmora/"_qs + kBureau), bureauFrom);
        EXPECT_TRUE(QFileInfo(folder + u'/' + kBureau).permissions() & QFile::WriteOwner)
            << "the user's copy is there to be edited";
        EXPECT_FALSE(QFileInfo::exists(folder + u"/missing.dat"_qs));
    }
}

TEST(ProgramFolder, ObservesAnInstalledLayoutBesideTheExecutable) {
    const Layout layout(true);
    const programfolder::Situation seen = programfolder::observe(layout.bin + u'/');
    EXPECT_TRUE(seen.installed);
    EXPECT_EQ(seen.executableFolder, layout.bin);
    EXPECT_FALSE(seen.dataHome.isEmpty());
    EXPECT_FALSE(programfolder::observe(Layout(false).bin).installed);
}

} // namespace
