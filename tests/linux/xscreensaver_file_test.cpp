// --add-to-xscreensaver on real files: one written by xscreensaver-settings,
// one that lists vantrel already, one with CRLF line ends, one whose list is
// empty, a read-only one, a missing one, a link to one, one saved while it is
// edited, a FIFO, one with two names, and other users' files before root.
#include "renderer/hack/xscreensaver_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <thread>

#include "renderer/hack/xscreensaver_programs.h"
#include "tests/common/temp_folder.h"

namespace vantrel {
namespace {

std::string slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void spill(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

std::string fixture(const std::string& name) {
  return slurp(std::string(VANTREL_TEST_DATA_DIR) + "/xscreensaver/" + name);
}

mode_t modeOf(const std::string& path) {
  struct stat info = {};
  EXPECT_EQ(stat(path.c_str(), &info), 0) << path;
  return info.st_mode & 07777;
}

class XScreenSaverFile : public ::testing::Test {
 protected:
  std::string place(const std::string& name, mode_t mode = 0644) {
    spill(path_, fixture(name));
    chmod(path_.c_str(), mode);
    return slurp(path_);
  }

  // The folder's entries, sorted, each after a '|'.
  std::string names() const {
    std::set<std::string> found;
    DIR* dir = opendir(folder_.path().c_str());
    if (dir == nullptr) return "no folder";
    while (const dirent* entry = readdir(dir)) {
      const std::string name = entry->d_name;
      if (name != "." && name != "..") found.insert(name);
    }
    closedir(dir);
    std::string joined;
    for (const std::string& name : found) joined += "|" + name;
    return joined;
  }

  test::TempFolder folder_;
  const std::string path_ = folder_.file(".xscreensaver");
};

TEST_F(XScreenSaverFile, AddsOnceToAFreshSettingsFileAndKeepsABackup) {
  const std::string before = place("fresh-settings.xscreensaver", 0600);
  ASSERT_NE(before.find("\nprograms:"), std::string::npos);
  const FileEditReport first = addToXScreenSaverFile(path_);
  EXPECT_EQ(first.exitCode, 0) << first.message;
  EXPECT_NE(first.message.find("added"), std::string::npos) << first.message;
  EXPECT_EQ(first.message.find('\n'), std::string::npos);
  const std::string after = slurp(path_);
  // Exactly one line more, right after the list's last entry.
  const std::string last = "squirtorus --root\t\t\t    \\n\\\n";
  const std::size_t end = before.find(last) + last.size();
  EXPECT_EQ(after, before.substr(0, end) + "  GL: vantrel --root \\n\\\n" +
                       before.substr(end));
  EXPECT_EQ(slurp(path_ + ".bak"), before);
  EXPECT_EQ(modeOf(path_), 0600u);
  EXPECT_EQ(modeOf(path_ + ".bak"), 0600u);
  EXPECT_EQ(names(), "|.xscreensaver|.xscreensaver.bak") << "temporary left";

  const FileEditReport second = addToXScreenSaverFile(path_);
  EXPECT_EQ(second.exitCode, 0);
  EXPECT_NE(second.message.find("already lists"), std::string::npos);
  EXPECT_EQ(slurp(path_), after);
  EXPECT_EQ(slurp(path_ + ".bak"), before) << "the backup is the original";
}

TEST_F(XScreenSaverFile, AListedFileIsLeftAsItIs) {
  const std::string before = place("listed.xscreensaver");
  EXPECT_EQ(addToXScreenSaverFile(path_).exitCode, 0);
  EXPECT_EQ(slurp(path_), before);
  EXPECT_NE(access((path_ + ".bak").c_str(), F_OK), 0);
}

TEST_F(XScreenSaverFile, CrlfAndEmptyListsGetTheirOwnLineEnds) {
  std::string before = place("crlf.xscreensaver");
  EXPECT_EQ(addToXScreenSaverFile(path_).exitCode, 0);
  std::string after = slurp(path_);
  EXPECT_EQ(after.size(), before.size() + 26);
  EXPECT_NE(after.find("attraction --root\t\t\t    \\n\\\r\n"
                       "  GL: vantrel --root \\n\\\r\n\r\n"),
            std::string::npos);
  EXPECT_EQ(after.find("\n", after.find("vantrel")),
            after.find("\r\n", after.find("vantrel")) + 1);

  before = place("empty-list.xscreensaver");
  EXPECT_EQ(addToXScreenSaverFile(path_).exitCode, 0);
  after = slurp(path_);
  EXPECT_NE(after.find("\nprograms:\\\n  GL: vantrel --root \\n\n\n"
                       "pointerHysteresis:  10\n"),
            std::string::npos)
      << after;
}

TEST_F(XScreenSaverFile, ReadOnlyMissingOrForeignFilesAreNotTouched) {
  const std::string before = place("fresh-settings.xscreensaver", 0444);
  FileEditReport result = addToXScreenSaverFile(path_);
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.message.find("read-only"), std::string::npos);
  EXPECT_EQ(slurp(path_), before);
  EXPECT_NE(access((path_ + ".bak").c_str(), F_OK), 0);

  const std::string missing = folder_.file("nothing/.xscreensaver");
  result = addToXScreenSaverFile(missing);
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.message.find("xscreensaver-settings"), std::string::npos);

  const std::string other = folder_.file(".Xdefaults");
  spill(other, "XTerm*background: black\n");
  result = addToXScreenSaverFile(other);
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.message.find("programs:"), std::string::npos);
  EXPECT_EQ(slurp(other), "XTerm*background: black\n");
}

TEST_F(XScreenSaverFile, NoBackupNoEdit) {
  const std::string before = place("empty-list.xscreensaver");
  ASSERT_EQ(mkdir((path_ + ".bak").c_str(), 0755), 0);  // cannot be replaced
  const FileEditReport result = addToXScreenSaverFile(path_);
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.message.find("backup"), std::string::npos) << result.message;
  EXPECT_EQ(slurp(path_), before);
  EXPECT_EQ(names(), "|.xscreensaver|.xscreensaver.bak") << "temporary left";
}

TEST_F(XScreenSaverFile, ALinkStaysALinkToTheEditedFile) {
  const std::string real = folder_.file("dotfiles-xscreensaver");
  spill(real, fixture("empty-list.xscreensaver"));
  ASSERT_EQ(symlink(real.c_str(), path_.c_str()), 0);
  EXPECT_EQ(addToXScreenSaverFile(path_).exitCode, 0);
  struct stat info = {};
  ASSERT_EQ(lstat(path_.c_str(), &info), 0);
  EXPECT_TRUE(S_ISLNK(info.st_mode));
  EXPECT_EQ(addToProgramsList(slurp(real)).outcome,
            ProgramsEdit::AlreadyListed);
}

TEST_F(XScreenSaverFile, ASaveMadeWhileEditingIsKeptOrNothingChanges) {
  place("fresh-settings.xscreensaver");
  std::string saved = slurp(path_) + "! saved meanwhile\n";
  // As xscreensaver-settings saves: a new file renamed over the old.
  const auto save = [&] {
    spill(path_ + ".tmp", saved);
    std::rename((path_ + ".tmp").c_str(), path_.c_str());
  };
  int saves = 0;
  FileEditReport result = addToXScreenSaverFile(path_, [&] {
    if (saves++ == 0) save();
  });
  EXPECT_EQ(result.exitCode, 0) << result.message;
  EXPECT_TRUE(slurp(path_) == addToProgramsList(saved).text) << "save lost";
  EXPECT_TRUE(slurp(path_ + ".bak") == saved);

  saved = place("empty-list.xscreensaver");
  ASSERT_EQ(unlink((path_ + ".bak").c_str()), 0);
  result = addToXScreenSaverFile(path_, [&] {
    saved += "! and again\n";
    save();
  });
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.message.find("changed"), std::string::npos)
      << result.message;
  EXPECT_EQ(result.message.find('\n'), std::string::npos);
  EXPECT_EQ(slurp(path_), saved);
  EXPECT_EQ(names(), "|.xscreensaver") << "no backup, no temporary";
}

TEST_F(XScreenSaverFile, OnlyARegularFileWithOneNameIsEdited) {
  ASSERT_EQ(mkfifo(path_.c_str(), 0644), 0);
  // Lets a reader stuck opening the FIFO go on, so the test fails, not hangs.
  std::atomic<bool> done{false};
  std::thread unblock([&] {
    while (!done) {
      const int fd = open(path_.c_str(), O_WRONLY | O_NONBLOCK);
      if (fd >= 0) close(fd);
      usleep(20000);
    }
  });
  FileEditReport result = addToXScreenSaverFile(path_);
  done = true;
  unblock.join();
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.message.find("not a regular file"), std::string::npos)
      << result.message;
  ASSERT_EQ(unlink(path_.c_str()), 0);

  const std::string before = place("fresh-settings.xscreensaver");
  const std::string other = folder_.file("dotfiles-xscreensaver");
  ASSERT_EQ(link(path_.c_str(), other.c_str()), 0);
  result = addToXScreenSaverFile(path_);
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.message.find("by hand"), std::string::npos)
      << result.message;
  EXPECT_TRUE(slurp(path_) == before);
  EXPECT_EQ(names(), "|.xscreensaver|dotfiles-xscreensaver");
}

TEST_F(XScreenSaverFile, RootEditsOnlyFilesRootOwnsAllTheWayDown) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root";
  const std::string before = place("fresh-settings.xscreensaver");
  ASSERT_EQ(chown(path_.c_str(), 65534, 65534), 0);
  FileEditReport result = addToXScreenSaverFile(path_);
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.message.find("root"), std::string::npos) << result.message;
  ASSERT_EQ(chown(path_.c_str(), 0, 0), 0);
  ASSERT_EQ(chown(folder_.path().c_str(), 65534, 65534), 0);
  result = addToXScreenSaverFile(path_);
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.message.find("root"), std::string::npos) << result.message;
  EXPECT_TRUE(slurp(path_) == before);
  EXPECT_EQ(names(), "|.xscreensaver");
}

TEST(XScreenSaverFilePath, FromHomeOrThePasswordDatabase) {
  EXPECT_EQ(xscreensaverFilePath("/home/ann"), "/home/ann/.xscreensaver");
  const std::string fallback = xscreensaverFilePath("");
  EXPECT_EQ(fallback, xscreensaverFilePath(nullptr));
  EXPECT_GT(fallback.size(), std::string("/.xscreensaver").size());
}

}  // namespace
}  // namespace vantrel
