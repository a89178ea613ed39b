// The main of every widget test program: a QApplication on the offscreen
// platform (unless the environment names another), then every GoogleTest
// test in it. Each program, and each pool size it runs with, keeps its
// configuration and its cache in folders of the build of its own, so that no
// test ever touches the user's own and runs side by side never meet.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/shell/Locale.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  const char* workers = std::getenv("VELVARA_WORKERS");
  const std::string config = std::string(VELVARA_BINARY_DIR) + "/test-config/" +
                             std::filesystem::path(argv[0]).filename().string() + "-" +
                             (workers != nullptr ? workers : "default");
  setenv("XDG_CONFIG_HOME", config.c_str(), 1);
  setenv("XDG_CACHE_HOME", (config + "-cache").c_str(), 1);
  ::testing::InitGoogleTest(&argc, argv);
  QApplication application(argc, argv);
  // As the program does.
  velvara::shell::keepPortableNumbers();
  return RUN_ALL_TESTS();
}
