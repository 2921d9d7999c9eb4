// The recent-file list: newest first, four at most, kept in "Recent File List".
#include <gtest/gtest.h>

#include "framework/MemorySettings.h"
#include "framework/RecentFileList.h"

namespace pixolan::test {
namespace {

using Paths = std::vector<std::string>;

TEST(RecentFileList, NewestFirstWithoutRepeatsCappedAndKeptInTheSettings) {
  CMemorySettings settings;
  CRecentFileList list(settings);
  for (const char* path : {"/a", "/b", "/c", "", "/d", "/e", "/c"}) list.Add(path);
  EXPECT_EQ(list.Entries(), (Paths{"/c", "/e", "/d", "/b"}));  // "/a" fell off, "" ignored, "/c" moved up
  list.Remove(1);
  list.Remove(7);
  EXPECT_EQ(list.Entries(), (Paths{"/c", "/d", "/b"}));

  settings.WriteProfileString("Recent File List", "File4", "/stale");
  list.Save();
  CRecentFileList loaded(settings);
  loaded.Load();
  EXPECT_EQ(loaded.Entries(), list.Entries());
  EXPECT_EQ(settings.GetProfileString("Recent File List", "File4", "?"), "");

  int n = 0;  // a damaged list: a repeat, a gap, a value behind it
  for (const char* path : {"/x", "/x", "/y", "", "/z"}) {
    settings.WriteProfileString("Recent File List", "File" + std::to_string(++n), path);
  }
  loaded.Load();
  EXPECT_EQ(loaded.Entries(), (Paths{"/x", "/y"}));
}

TEST(RecentFileList, MenuTextNumbersThePathAndElidesTheMiddleOfLongOnes) {
  const std::string longName = "/" + std::string(60, 'n') + ".pxo";
  const std::pair<std::string, std::string> cases[] = {
      {"/home/ann/R&D/walk.pxo", "&1 /home/ann/R&&D/walk.pxo"},
      {"/home/ann/projects/2026/game-boy/sprites/heroes/walk.pxo",
       "&1 /home/.../2026/game-boy/sprites/heroes/walk.pxo"},
      {"/home/ann/projects/2026/game-boy/sprites/very-long-folder-name-of-many-words/walk.pxo",
       "&1 /home/.../walk.pxo"},
      {"/home" + longName, "&1 /home" + longName},  // the name stays whole
  };
  for (const auto& [path, text] : cases) {
    CMemorySettings settings;
    CRecentFileList list(settings);
    list.Add(path);
    EXPECT_EQ(list.MenuText(0), text);
    EXPECT_EQ(list.MenuText(1), "");
  }
}

}  // namespace
}  // namespace pixolan::test
