// Tests of the photo editor's registration in the user's settings file.
#include "host/runner/editor_settings.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "host/runner/runner.h"
#include "host/runner/testing/fake_env.h"
#include "host/runner/testing/scripted_posix_platform.h"
#include "host/runner/testing/temp_folder.h"

namespace vmx::host {
namespace {

using testing::FakeEnv;
using testing::TempFolder;

TEST(EditorSettingsTest, FileFollowsTheConfigDirectoryRules) {
  EXPECT_EQ(EditorSettingsPath(FakeEnv({{"XDG_CONFIG_HOME", "/c"}, {"HOME", "/h"}})),
            "/c/vimox/settings.ini");
  EXPECT_EQ(EditorSettingsPath(FakeEnv({{"XDG_CONFIG_HOME", ""}, {"HOME", "/h"}})),
            "/h/.config/vimox/settings.ini");
  EXPECT_EQ(EditorSettingsPath(FakeEnv({{"XDG_CONFIG_HOME", "rel"}, {"HOME", "/h"}})),
            "/h/.config/vimox/settings.ini");
  EXPECT_EQ(EditorSettingsPath(FakeEnv({})), std::nullopt);
}

TEST(EditorSettingsTest, InstallPathIsReadFromItsSection) {
  struct Case {
    std::string text, path;
  } cases[] = {
      {"[Software\\Vimox]\nInstall Path=/opt/vimox\n", "/opt/vimox"},
      {"[software\\VIMOX]\r\ninstall path = /opt/My Apps/vimox \r\n", "/opt/My Apps/vimox"},
      {"\xef\xbb\xbf[Software\\Vimox]\nInstall Path=/a", "/a"},
      {"; comment\n# comment\n\n  [ Software\\Vimox ]\nOther=1\nInstall Path=/b\nInstall Path=/c",
       "/b"},
      {"[Other]\nInstall Path=/wrong\n[Software\\Vimox]\nVersion=2\n", ""},
      {"Install Path=/outside\n", ""},
      {"[Software\\Vimox]\nInstall Path=\n", ""},
      {"[Software\\Vimox]\nInstall Path\n", ""},
      {"", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(InstallPathFromSettings(c.text), c.path);
  }
}

// The real platform reads the file where the configuration directory points, and the runner
// decides from the folder it names.
TEST(EditorSettingsTest, EditorIsFoundThroughTheSettingsFile) {
  TempFolder config;
  TempFolder editor;
  testing::ScriptedPosixPlatform platform({}, FakeEnv({{"XDG_CONFIG_HOME", config.path()}}));

  EXPECT_EQ(platform.EditorInstallPath(), "");
  EXPECT_FALSE(IsPhotoEditorInstalled(platform));

  std::filesystem::create_directories(config / "vimox");
  testing::WriteText(config / "vimox/settings.ini",
                     "[Software\\Vimox]\nInstall Path=" + editor.path() + "\n");
  EXPECT_EQ(platform.EditorInstallPath(), editor.path());
  EXPECT_FALSE(IsPhotoEditorInstalled(platform));

  testing::WriteText(editor / "vimox.exe", "");
  EXPECT_TRUE(IsPhotoEditorInstalled(platform));
}

}  // namespace
}  // namespace vmx::host
