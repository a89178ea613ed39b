#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>

#include "platform/registry/Store.h"
#include "tests/support/TempDir.h"
#include "widgets/store/cRegistry.h"

namespace velvara::widgets {
namespace {

constexpr const char* kSection = "Software\\Velvara\\Test";

class RegistryAccessorTest : public ::testing::Test {
 protected:
  RegistryAccessorTest() : store(dir.path() / "registry"), registry(strings, store) {
    registry.setClassKey(kHkeyCurrentUser);
    registry.setSectionKey(kSection);
  }

  registry::StoredValue stored(const std::string& name) const {
    registry::StoredValue value;
    EXPECT_EQ(store.queryValue(registry::kHkeyCurrentUser, kSection, name, value), registry::kSuccess) << name;
    return value;
  }

  void write(const std::string& name, std::int32_t type, const Variant& value) {
    registry.setValueKey(name);
    registry.setValueType(type);
    registry.setValue(value);
  }

  Variant read(const std::string& name) {
    registry.setValueKey(name);
    return registry.value();
  }

  // The error a call raises, checked to be a registry error.
  template <typename Call>
  RegistryError raised(Call call) {
    try {
      call();
    } catch (const RegistryError& error) {
      return error;
    }
    ADD_FAILURE() << "nothing raised";
    return RegistryError(0, "", "");
  }

  testing::TempDir dir;
  registry::Store store;
  i18n::StringService strings;
  cRegistry registry;
  const std::string source = std::filesystem::read_symlink("/proc/self/exe").stem().string() + ".cRegistry";
};

TEST_F(RegistryAccessorTest, ReadsThatFailGiveTheDefaultAndKeepTheType) {
  registry.setDefault(std::string("fallback"));
  registry.setValueType(7);
  EXPECT_FALSE(registry.keyExists());
  EXPECT_EQ(read("missing"), Variant(std::string("fallback")));
  EXPECT_EQ(registry.valueType(), 7);

  write("present", registry::kRegSz, std::string("x"));
  registry.setValueType(3);
  EXPECT_TRUE(registry.keyExists());
  EXPECT_EQ(read("absent"), Variant(std::string("fallback")));
  EXPECT_EQ(registry.valueType(), 3);

  cRegistry unaddressed(strings, store);
  EXPECT_FALSE(unaddressed.keyExists());
  EXPECT_EQ(unaddressed.value(), Variant());
  EXPECT_EQ(unaddressed.valueType(), 0);
}

TEST_F(RegistryAccessorTest, NumbersAreWrittenAsDwordsOnlyWhenTheyAreIntegers) {
  write("eight", registry::kRegDword, std::int32_t{8});
  EXPECT_EQ(stored("eight").data, (Bytes{8, 0, 0, 0}));
  EXPECT_EQ(stored("eight").type, registry::kRegDword);

  write("big", registry::kRegDwordBigEndian, std::int16_t{-2});
  EXPECT_EQ(stored("big").type, registry::kRegDword) << "big-endian writes store a plain dword";
  EXPECT_EQ(read("big"), Variant(std::int32_t{-2}));
  EXPECT_EQ(registry.valueType(), registry::kRegDword);

  write("text", registry::kRegDword, std::string("8"));
  write("double", registry::kRegDword, 8.0);
  std::vector<std::string> names;
  std::int32_t count = -1;
  ASSERT_TRUE(registry.enumerateValues(names, count));
  EXPECT_EQ(names, (std::vector<std::string>{"eight", "big"})) << "other kinds are silently not written";
  EXPECT_EQ(count, 2);

  ASSERT_EQ(store.setValue(registry::kHkeyCurrentUser, kSection, "stored big", registry::kRegDwordBigEndian,
                           Bytes{0, 0, 1, 2}),
            registry::kSuccess);
  EXPECT_EQ(read("stored big"), Variant(std::int32_t{258}));
  EXPECT_EQ(registry.valueType(), registry::kRegDwordBigEndian);
}

TEST_F(RegistryAccessorTest, TextsWithAReferenceAreStoredForExpansion) {
  setenv("VELVARA_ACCESSOR_TEST", "/tmp/expanded", 1);
  write("ref", registry::kRegSz, std::string("%VELVARA_ACCESSOR_TEST%/x"));
  EXPECT_EQ(stored("ref").type, registry::kRegExpandSz);
  EXPECT_EQ(read("ref"), Variant(std::string("/tmp/expanded/x")));
  EXPECT_EQ(registry.valueType(), registry::kRegExpandSz);

  write("unknown", registry::kRegSz, std::string("%NO_SUCH_VELVARA_VARIABLE%%VELVARA_ACCESSOR_TEST%"));
  EXPECT_EQ(read("unknown"), Variant(std::string("%NO_SUCH_VELVARA_VARIABLE%/tmp/expanded")));

  write("adjacent", registry::kRegExpandSz, std::string("100%% sure"));
  EXPECT_EQ(stored("adjacent").type, registry::kRegSz) << "two adjacent percent signs are no reference";
  write("single", registry::kRegExpandSz, std::string("50% off"));
  EXPECT_EQ(stored("single").type, registry::kRegSz);
  EXPECT_EQ(read("single"), Variant(std::string("50% off")));
  unsetenv("VELVARA_ACCESSOR_TEST");
}

TEST_F(RegistryAccessorTest, TextsAndBytesSurviveANewAccessor) {
  const std::string longText(300, 'a');
  const std::string german = "Größe\nmit\0Null";
  write("long", registry::kRegSz, longText);
  write("german", registry::kRegSz, german);
  write("number", registry::kRegSz, std::int32_t{-42});
  write("bytes", registry::kRegBinary, Bytes{0, 255, 10, 0});
  EXPECT_EQ(stored("long").data.size(), 301u);
  EXPECT_EQ(stored("german").data.size(), german.size() + 1);
  ASSERT_EQ(
      store.setValue(registry::kHkeyCurrentUser, kSection, "multi", registry::kRegMultiSz, Bytes{'a', 0, 'b', 0, 0}),
      registry::kSuccess);
  ASSERT_EQ(store.setValue(registry::kHkeyCurrentUser, kSection, "empty", registry::kRegSz, Bytes{}),
            registry::kSuccess);

  cRegistry reader(strings, registry::Store(dir.path() / "registry"));
  reader.setClassKey(kHkeyCurrentUser);
  reader.setSectionKey("SOFTWARE\\velvara\\test");
  auto readBack = [&](const std::string& name) {
    reader.setValueKey(name);
    return reader.value();
  };
  EXPECT_EQ(readBack("long"), Variant(longText));
  EXPECT_EQ(readBack("german"), Variant(german));
  EXPECT_EQ(readBack("number"), Variant(std::string("-42")));
  EXPECT_EQ(readBack("bytes"), Variant(Bytes{0, 255, 10, 0}));
  EXPECT_EQ(reader.valueType(), registry::kRegBinary);
  EXPECT_EQ(readBack("multi"), Variant(std::string("a\0b\0", 4)));
  EXPECT_EQ(readBack("empty"), Variant(std::string()));
}

TEST_F(RegistryAccessorTest, KeysAreCreatedListedAndDeleted) {
  std::vector<std::string> names{"stale"};
  std::int32_t count = 5;
  EXPECT_TRUE(registry.enumerateValues(names, count));
  EXPECT_EQ(count, 0);
  EXPECT_TRUE(names.empty());
  EXPECT_TRUE(registry.enumerateSections(names, count));
  EXPECT_EQ(count, 0);

  registry.setSectionKey("Software\\Velvara\\Test\\One");
  EXPECT_TRUE(registry.createKey());
  registry.setSectionKey("Software\\Velvara\\Test\\Two");
  EXPECT_TRUE(registry.createKey());
  registry.setSectionKey(kSection);
  EXPECT_TRUE(registry.enumerateSections(names, count));
  EXPECT_EQ(names, (std::vector<std::string>{"One", "Two"}));
  EXPECT_EQ(count, 2);

  write("v", registry::kRegSz, std::string("1"));
  EXPECT_TRUE(registry.deleteValue());
  EXPECT_EQ(read("v"), Variant());
  registry.setSectionKey("Software\\Velvara\\Test\\One");
  EXPECT_TRUE(registry.deleteKey());
  EXPECT_FALSE(registry.keyExists());
}

TEST_F(RegistryAccessorTest, FailuresRaiseTheirNumbersDescriptionsAndSource) {
  registry.setValueKey("v");
  registry.setValueType(9);
  RegistryError refused = raised([&] { registry.setValue(std::string("abc")); });
  EXPECT_EQ(refused.number(), static_cast<std::int32_t>(0x800469A9u));
  EXPECT_EQ(refused.description(),
            "Failed to set registry value Key: '-2147483647',Section: 'Software\\Velvara\\Test',Key: 'v' to value: "
            "'abc'");
  EXPECT_EQ(refused.source(), source);

  registry.setValueType(registry::kRegBinary);
  RegistryError notBytes = raised([&] { registry.setValue(std::string("abc")); });
  EXPECT_EQ(notBytes.number(), kErrRegistry);
  EXPECT_EQ(notBytes.description(), kDefaultErrorDescription);
  EXPECT_EQ(notBytes.source(), source.substr(0, source.size() - std::string(".cRegistry").size()));

  registry.setSectionKey("Software\\Velvara\\Closed");
  RegistryError noValue = raised([&] { registry.deleteValue(); });
  EXPECT_EQ(noValue.number(), kErrRegistry);
  EXPECT_EQ(noValue.description(),
            "Failed to open key '-2147483647',Section: 'Software\\Velvara\\Closed' for delete access");
  registry.setSectionKey(kSection);
  registry.createKey();
  EXPECT_EQ(raised([&] { registry.deleteValue(); }).description(),
            "Failed to delete registry Key: '-2147483647',Section: 'Software\\Velvara\\Test',Key: 'v");
  registry.setSectionKey("Software\\Velvara\\Missing");
  RegistryError noKey = raised([&] { registry.deleteKey(); });
  EXPECT_EQ(noKey.number(), kErrRegistry);
  EXPECT_EQ(noKey.description(), "Failed to delete registry Key: '-2147483647',Section: 'Software\\Velvara\\Missing");
  EXPECT_EQ(noKey.source(), source);

  registry.setClassKey(0);
  registry.setValueType(registry::kRegSz);
  RegistryError noRoot = raised([&] { registry.setValue(std::int32_t{5}); });
  EXPECT_EQ(noRoot.number(), kErrRegistry);
  EXPECT_EQ(noRoot.description(),
            "Failed to set registry value Key: '0',Section: 'Software\\Velvara\\Missing',Key: 'v' to value: '5'");
  EXPECT_EQ(raised([&] { registry.createKey(); }).description(),
            "Failed to create registry Key: 'Software\\Velvara\\Missing");
}

// A store that cannot take the new file (here: a file size limit) refuses
// the write; the old value stays and no temporary file is left.
TEST_F(RegistryAccessorTest, AWriteTheStoreRefusesRaisesAndKeepsTheOldValue) {
  write("v", registry::kRegSz, std::string("old"));
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  rlimit limited = saved;
  limited.rlim_cur = std::filesystem::file_size(store.file()) + 16;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
  const std::string text(100, 'x');
  const RegistryError refused = raised([&] { write("v", registry::kRegSz, text); });
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &saved), 0);

  EXPECT_EQ(refused.number(), kErrRegistrySetValue);
  EXPECT_TRUE(refused.description().ends_with("',Key: 'v' to value: '" + text + "'")) << refused.description();
  EXPECT_EQ(refused.source(), source);
  EXPECT_EQ(read("v"), Variant(std::string("old")));
  for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
    EXPECT_EQ(entry.path().filename().string().find(".tmp-"), std::string::npos) << entry.path();
  }
}

TEST_F(RegistryAccessorTest, LanguageAnnouncementsSetTheCurrentLanguage) {
  mlruntime::LanguageSupport dialog;
  dialog.raiseLanguageChanged(i18n::kGermanDe, "German (Germany)");
  EXPECT_EQ(strings.currentLangId(), i18n::kGermanDe);
}

}  // namespace
}  // namespace velvara::widgets
