// The student's own data root, made from an installed tree that is never written.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "app/shell.h"
#include "app/wiring.h"
#include "core/testing/test_adapters.h"

namespace velondo {
namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void Write(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path) << text;
}

// Every path below a folder with its size and contents, links as their targets.
std::map<std::string, std::string> Snapshot(const fs::path& dir) {
    std::map<std::string, std::string> all;
    for (const auto& e : fs::recursive_directory_iterator(dir)) {
        const std::string key = fs::relative(e.path(), dir).string();
        if (e.is_symlink())
            all[key] = "-> " + fs::read_symlink(e.path()).string();
        else if (e.is_regular_file())
            all[key] = Read(e.path());
        else
            all[key] = "/";
    }
    return all;
}

class DataRootTest : public ::testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() /
               ("velondo_data_root_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        installed = Installed(root / "usr/share/velondo");
        user = (root / "home/.local/share/velondo/").string();
        InstallAll(p());
        p().dataPlaces = DataPlaces{{installed}, user, ""};
        before = Snapshot(installed);
    }
    void TearDown() override {
        fs::permissions(root, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(root);
    }
    // A delivered tree: the marker and a state file, an example profile, one file per
    // picture and sound folder.
    std::string Installed(const fs::path& dir) {
        Write(dir / std::string(app::kMarker), "Velondo\n");
        Write(dir / "Velondo7/Dati/Default.txt", "installato\n");
        Write(dir / "Velondo7/Impostazioni/00000 - Esempio da non cancellare.txt", "esempio\n");
        for (const char* f : {"Grafica/Ch01.gif", "Piano/01do.wav", "Suoni/Tic.WAV"})
            Write(dir / "Velondo7" / f, f);
        return dir.string() + "/";
    }
    Program& p() { return *rig.program; }
    void ExpectInstalledUntouched() { EXPECT_EQ(Snapshot(installed), before); }

    testing::TestRig rig;
    fs::path root;
    std::string installed, user;
    std::map<std::string, std::string> before;
};

TEST_F(DataRootTest, FirstStartCopiesTheStudentsFilesAndLinksThePictures) {
    EXPECT_EQ(app::PrepareDataRoot(p()), "");
    EXPECT_TRUE(p().dataWritable());
    EXPECT_EQ(app::FindDataRoot(p()), user);  // the later candidate now matches
    const fs::path mine = fs::path(user) / "Velondo7";
    for (const char* copied : {"Dati", "Impostazioni"}) {
        EXPECT_TRUE(fs::is_directory(fs::symlink_status(mine / copied))) << copied;
    }
    EXPECT_EQ(Read(mine / "Dati/Default.txt"), "installato\n");
    EXPECT_EQ(Read(mine / "Impostazioni/00000 - Esempio da non cancellare.txt"), "esempio\n");
    for (const char* linked : {"Grafica", "Piano", "Suoni"}) {
        ASSERT_TRUE(fs::is_symlink(mine / linked)) << linked;
        EXPECT_EQ(fs::read_symlink(mine / linked), fs::path(installed) / "Velondo7" / linked);
    }
    EXPECT_EQ(Read(mine / "Grafica/Ch01.gif"), "Grafica/Ch01.gif");
    EXPECT_TRUE(app::WritableRoot(user));
    EXPECT_TRUE(rig.log.errors.empty());
    ExpectInstalledUntouched();
}

TEST_F(DataRootTest, StartUpTakesTheStudentsRootForBothWindows) {
    p().call("frmSplashVelondo7", "Load");
    EXPECT_EQ(p().state.Dir, user);
    rig.time.advance(2400, p());
    ASSERT_TRUE(p().mainLoaded);
    EXPECT_EQ(p().state.Dir, user);
    EXPECT_EQ(p().main.ImgChiave.picture, user + "Velondo7/Grafica/Ch01.gif");
    EXPECT_FALSE(p().main.lblFineProva.visible);
    ExpectInstalledUntouched();
}

TEST_F(DataRootTest, LaterStartsKeepWhatTheStudentChanged) {
    ASSERT_EQ(app::PrepareDataRoot(p()), "");
    const fs::path mine = fs::path(user) / "Velondo7";
    Write(mine / "Dati/Default.txt", "mio\n");
    fs::remove(mine / "Impostazioni/00000 - Esempio da non cancellare.txt");
    fs::remove(mine / "Suoni");                                         // a link gone
    Write(fs::path(installed) / "Velondo7/Dati/Nuovo.txt", "nuovo\n");  // a newer install
    before = Snapshot(installed);

    EXPECT_EQ(app::PrepareDataRoot(p()), "");
    EXPECT_EQ(app::FindDataRoot(p()), user);
    EXPECT_EQ(Read(mine / "Dati/Default.txt"), "mio\n");
    EXPECT_FALSE(fs::exists(mine / "Impostazioni/00000 - Esempio da non cancellare.txt"));
    EXPECT_TRUE(fs::is_symlink(mine / "Suoni"));
    EXPECT_EQ(Read(mine / "Dati/Nuovo.txt"), "nuovo\n");
    ExpectInstalledUntouched();
}

TEST_F(DataRootTest, LinksToAnEarlierInstallFollowTheInstalledTree) {
    const std::string old = Installed(root / "opt/velondo");
    ASSERT_EQ(app::MakeUserDataRoot(old, user), "");
    fs::remove_all(old);  // the earlier install is gone
    ASSERT_EQ(app::PrepareDataRoot(p()), "");
    EXPECT_EQ(fs::read_symlink(fs::path(user) / "Velondo7/Piano"),
              fs::path(installed) / "Velondo7/Piano");
    EXPECT_TRUE(fs::is_regular_file(fs::path(user) / "Velondo7/Piano/01do.wav"));
}

TEST_F(DataRootTest, ReadOnlyInstalledFilesBecomeTheStudentsToChange) {
    const fs::path example =
        fs::path(installed) / "Velondo7/Impostazioni/00000 - Esempio da non cancellare.txt";
    fs::permissions(example,
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    ASSERT_EQ(app::PrepareDataRoot(p()), "");
    const fs::perms copied =
        fs::status(fs::path(user) / "Velondo7/Impostazioni" / example.filename()).permissions();
    EXPECT_NE(copied & fs::perms::owner_write, fs::perms::none);
}

struct NoRootCase {
    const char* name;
    bool noHome;  // else the home's place is taken by a plain file
};

class NoUserRootTest : public DataRootTest, public ::testing::WithParamInterface<NoRootCase> {};

TEST_P(NoUserRootTest, RunsOnTheInstalledFilesWritingNothing) {
    if (GetParam().noHome) {
        p().dataPlaces->perUser = "";
    } else {
        Write(root / "home", "un file, non una cartella");
        before = Snapshot(installed);
    }
    int writes = 0;
    p().hooks.writeSmallStateFiles = [&](Program&) { ++writes; };
    p().call("frmSplashVelondo7", "Load");
    EXPECT_FALSE(p().dataWritable());
    EXPECT_EQ(p().state.Dir, installed);
    ASSERT_EQ(rig.log.errors.size(), 1u);  // what failed, for whoever looks after the machine
    EXPECT_TRUE(rig.log.errors[0].starts_with(app::kNoUserDataText)) << rig.log.errors[0];
    rig.time.advance(2400, p());
    ASSERT_TRUE(p().mainLoaded);
    EXPECT_EQ(p().state.Dir, installed);
    EXPECT_TRUE(p().main.fraLogo.visible);
    EXPECT_TRUE(p().main.lblFineProva.visible);
    EXPECT_EQ(p().main.lblFineProva.caption, std::string(app::kNoUserDataText));
    app::Farewell(p());
    rig.time.advance(1500, p());
    EXPECT_TRUE(p().ended);
    EXPECT_EQ(writes, 0);
    ExpectInstalledUntouched();
}

INSTANTIATE_TEST_SUITE_P(Cases, NoUserRootTest,
                         ::testing::Values(NoRootCase{"no_home", true},
                                           NoRootCase{"home_is_a_file", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DataRootTest, AWritableWorkingTreeIsUsedAsItIs) {
    const std::string working = Installed(root / "src/data");
    p().dataPlaces->working = working;
    EXPECT_EQ(app::PrepareDataRoot(p()), "");
    EXPECT_TRUE(p().dataWritable());
    EXPECT_EQ(app::FindDataRoot(p()), working);
    EXPECT_FALSE(fs::exists(user));
}

TEST_F(DataRootTest, TheSessionsEndWritesTheStateFilesOnlyOnceTheyWereRead) {
    int writes = 0;
    p().hooks.writeSmallStateFiles = [&](Program&) { ++writes; };
    p().call("frmSplashVelondo7", "Load");
    app::EndSession(p());  // during the splash: the defaults must not replace the files
    EXPECT_TRUE(p().ended);
    EXPECT_EQ(writes, 0);

    rig.reset();
    InstallAll(p());
    p().dataPlaces = DataPlaces{{installed}, user, ""};
    p().hooks.writeSmallStateFiles = [&](Program&) { ++writes; };
    p().call("frmSplashVelondo7", "Load");
    rig.time.advance(2400, p());
    app::EndSession(p());
    app::EndSession(p());
    EXPECT_EQ(writes, 1);
    EXPECT_TRUE(p().ended);
}

struct HomeCase {
    const char* name;
    const char* xdg;  // nullptr: unset
    const char* home;
    const char* expected;
};

class UserDataRootTest : public ::testing::TestWithParam<HomeCase> {
protected:
    void TearDown() override {
        ::unsetenv("XDG_DATA_HOME");
        ::unsetenv("HOME");
        if (!savedHome.empty()) ::setenv("HOME", savedHome.c_str(), 1);
    }
    std::string savedHome = std::getenv("HOME") ? std::getenv("HOME") : "";
};

TEST_P(UserDataRootTest, FollowsTheBaseDirectoryRules) {
    const HomeCase& c = GetParam();
    if (c.xdg)
        ::setenv("XDG_DATA_HOME", c.xdg, 1);
    else
        ::unsetenv("XDG_DATA_HOME");
    if (c.home)
        ::setenv("HOME", c.home, 1);
    else
        ::unsetenv("HOME");
    EXPECT_EQ(app::UserDataRoot(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UserDataRootTest,
    ::testing::Values(HomeCase{"xdg", "/dati/utente", "/home/mario", "/dati/utente/velondo/"},
                      HomeCase{"xdg_slash", "/dati/", "/home/mario", "/dati/velondo/"},
                      HomeCase{"relative_xdg_ignored", "dati", "/home/mario",
                               "/home/mario/.local/share/velondo/"},
                      HomeCase{"home", nullptr, "/home/mario/",
                               "/home/mario/.local/share/velondo/"},
                      HomeCase{"nothing", nullptr, nullptr, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DataRootTest, AnInstalledProgramFindsTheTreeBesideItsFolder) {
    ::unsetenv("VELONDO_DATA_ROOT");
    const std::string prefix = Installed(root / "prefisso/share/velondo");
    const DataPlaces places = app::PlatformPlaces((root / "prefisso/bin").string());
    EXPECT_EQ(places.installed.back(), prefix);
    EXPECT_EQ(places.working, "");  // the source tree is not the installed program's
    const DataPlaces build = app::PlatformPlaces((root / "build/view").string());
    EXPECT_EQ(build.installed.size(), 1u);
    EXPECT_EQ(build.working, std::string(VELONDO_SOURCE_DATA_DIR));
}

}  // namespace
}  // namespace velondo
