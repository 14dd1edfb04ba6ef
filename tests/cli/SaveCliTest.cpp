#include <filesystem>
#include <string>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include <gtest/gtest.h>

#include "cli/CliRun.h"

namespace {

namespace fs = std::filesystem;
using ferrovane::testing::ReadFile;
using ferrovane::testing::WriteFile;

const std::string Layout = std::string(FERROVANE_TEST_DATA) + "/layout/good.fvl";
const std::string Catalogue = std::string(FERROVANE_TEST_DATA) + "/catalogue/good.rtr";

// Every writer of the program, driven as a user drives it.
enum class Writer { Layout, Catalogue, Image };

const char* FileNameOf(Writer writer) {
    return writer == Writer::Layout      ? "out.fvl"
           : writer == Writer::Catalogue ? "out.rtr"
                                         : "out.png";
}

bool HasLeftovers(const fs::path& folder) {
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().filename().string().find(".ferrovane-tmp-") != std::string::npos)
            return true;
    return false;
}

class SaveCli : public ferrovane::testing::CliRun {
protected:
    void SetUp() override {
        CliRun::SetUp();
        mWriters = {Writer::Layout, Writer::Catalogue};
        // Built without the Qt surfaces, the program has no render command.
        Run({"render"});
        if (Err.find("unknown command") == std::string::npos) mWriters.push_back(Writer::Image);
    }

    int Save(Writer writer, const std::string& target, const char* zoom = "25") {
        switch (writer) {
        case Writer::Layout:
            return RunScript("open " + Layout + "\nsave " + target + "\n");
        case Writer::Catalogue:
            return Run({"catalogue", Catalogue, "--write", target});
        case Writer::Image:
            break;
        }
        return Run({"render", Layout, target, "--zoom", zoom});
    }

    std::vector<Writer> mWriters;
};

TEST_F(SaveCli, SymbolicLinkStaysAndTheFileItPointsToIsReplaced) {
    fs::create_directory(Temp("real"));
    for (Writer writer : mWriters) {
        const std::string name = FileNameOf(writer);
        const std::string real = Temp("real/" + name), link = Temp(name);
        WriteFile(real, "old");
        fs::create_symlink("real/" + name, link);
        ASSERT_EQ(Save(writer, link), 0) << name << Err;
        EXPECT_TRUE(fs::is_symlink(link)) << name;
        EXPECT_NE(ReadFile(real), "old") << name;
        EXPECT_GT(ReadFile(real).size(), 3u) << name;
        EXPECT_FALSE(HasLeftovers(Temp("real")));
        EXPECT_FALSE(HasLeftovers(Temp("")));
    }
}

TEST_F(SaveCli, OwnerGroupAndPermissionsAreKept) {
    if (::geteuid() != 0) GTEST_SKIP() << "giving a file away needs root";
    const uid_t nobody = 65534;
    for (Writer writer : mWriters) {
        const std::string target = Temp(FileNameOf(writer));
        WriteFile(target, "old");
        ASSERT_EQ(::chown(target.c_str(), nobody, nobody), 0);
        ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
        ASSERT_EQ(Save(writer, target), 0) << target << Err;
        struct stat st {};
        ASSERT_EQ(::stat(target.c_str(), &st), 0);
        EXPECT_NE(ReadFile(target), "old");
        EXPECT_EQ(st.st_uid, nobody) << target;
        EXPECT_EQ(st.st_gid, nobody) << target;
        EXPECT_EQ(st.st_mode & 07777, 0640u) << target;
    }
}

TEST_F(SaveCli, ReadOnlyFileOrDirectoryIsRefusedAndLeftAlone) {
    fs::create_directory(Temp("folder"));
    for (Writer writer : mWriters) {
        // Refused even for root, who could write it, as the user made it read-only.
        const std::string target = Temp(FileNameOf(writer));
        WriteFile(target, "old");
        ASSERT_EQ(::chmod(target.c_str(), 0444), 0);
        EXPECT_EQ(Save(writer, target), 2) << target;
        EXPECT_NE(Err.find("書き込みが禁止されています。 (" + target + ")"), std::string::npos)
            << Err;
        EXPECT_EQ(ReadFile(target), "old");

        EXPECT_EQ(Save(writer, Temp("folder") + "/"), 2) << target;
        EXPECT_NE(Err.find("フォルダーです。 (" + Temp("folder") + "/)"), std::string::npos) << Err;
        EXPECT_FALSE(HasLeftovers(Temp("")));
    }
}

TEST_F(SaveCli, LeftoversOfFinishedProcessesGoOthersStay) {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ASSERT_GT(child, 0);
    ::waitpid(child, nullptr, 0);
    for (Writer writer : mWriters) {
        const std::string name = FileNameOf(writer);
        const std::string dead = Temp("." + name + ".ferrovane-tmp-" + std::to_string(child));
        const std::string alive = Temp("." + name + ".ferrovane-tmp-1");
        const std::string other = Temp(".other.fvl.ferrovane-tmp-" + std::to_string(child));
        for (const auto& path : {dead, alive, other})
            WriteFile(path, "half");
        ASSERT_EQ(Save(writer, Temp(name)), 0) << name << Err;
        EXPECT_FALSE(fs::exists(dead)) << name;
        EXPECT_TRUE(fs::exists(alive)) << name;
        EXPECT_TRUE(fs::exists(other)) << name; // not beside this target
    }
}

TEST_F(SaveCli, HardLinkedTargetGetsANewFileAndTheOtherNameKeepsTheOld) {
    for (Writer writer : mWriters) {
        const std::string target = Temp(FileNameOf(writer)), other = Temp("other");
        WriteFile(target, "old");
        fs::create_hard_link(target, other);
        ASSERT_EQ(Save(writer, target), 0) << target << Err;
        EXPECT_EQ(ReadFile(other), "old") << target;
        EXPECT_NE(ReadFile(target), "old") << target;
        EXPECT_EQ(fs::hard_link_count(target), 1u) << target;
        fs::remove(other);
    }
}

// A small file system of its own, when the process may mount one.
class SmallDiskCli : public SaveCli {
protected:
    void SetUp() override {
        SaveCli::SetUp();
        mDisk = Temp("disk");
        fs::create_directory(mDisk);
        if (::mount("tmpfs", mDisk.c_str(), "tmpfs", 0, "size=512k") != 0)
            GTEST_SKIP() << "cannot mount a small file system here";
        mMounted = true;
    }
    void TearDown() override {
        if (mMounted) ::umount2(mDisk.c_str(), MNT_DETACH);
        SaveCli::TearDown();
    }

    // Leaves `room` bytes free on the disk.
    void Fill(std::size_t room) {
        struct statvfs fs {};
        ASSERT_EQ(::statvfs(mDisk.c_str(), &fs), 0);
        const std::size_t free = static_cast<std::size_t>(fs.f_bavail) * fs.f_bsize;
        ASSERT_GT(free, room);
        WriteFile(mDisk + "/filler", std::string(free - room, 'x'));
    }

    std::string mDisk;
    bool mMounted = false;
};

TEST_F(SmallDiskCli, ImageOnANearlyFullDiskFailsAndKeepsTheOldImage) {
    if (mWriters.back() != Writer::Image) GTEST_SKIP() << "no render command";
    const std::string image = mDisk + "/plan.png";
    ASSERT_EQ(Save(Writer::Image, image, "25"), 0) << Err;
    const std::string old = ReadFile(image);
    Fill(8192);
    EXPECT_EQ(Save(Writer::Image, image, "100"), 2);
    EXPECT_NE(Err.find("画像を保存できませんでした。"), std::string::npos) << Err;
    EXPECT_NE(Err.find("ディスクの空き容量が不足しています。 (" + image + ")"), std::string::npos)
        << Err;
    EXPECT_EQ(ReadFile(image), old);
    EXPECT_FALSE(HasLeftovers(mDisk));
}

TEST_F(SmallDiskCli, ReadOnlyFileSystemIsRefused) {
    for (Writer writer : mWriters)
        WriteFile(mDisk + "/" + FileNameOf(writer), "old");
    ASSERT_EQ(::mount("tmpfs", mDisk.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=512k"), 0);
    for (Writer writer : mWriters) {
        const std::string target = mDisk + "/" + FileNameOf(writer);
        EXPECT_EQ(Save(writer, target), 2) << target;
        EXPECT_NE(Err.find("書き込みが禁止されたドライブです。 (" + target + ")"),
                  std::string::npos)
            << Err;
        EXPECT_EQ(ReadFile(target), "old");
    }
}

} // namespace
