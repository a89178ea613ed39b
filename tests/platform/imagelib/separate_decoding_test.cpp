#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

#include "platform/imagelib/InProcess.h"
#include "platform/imagelib/Library.h"
#include "platform/imagelib/SeparateDecoding.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestImages.h"

namespace velvara::imagelib {
namespace {

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void writeFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// Points the library at another helper for the lifetime of the object.
class HelperOverride {
 public:
  explicit HelperOverride(const std::string& path) {
    if (const char* old = std::getenv(kName)) old_ = old;
    setenv(kName, path.c_str(), 1);
  }
  ~HelperOverride() {
    if (old_) {
      setenv(kName, old_->c_str(), 1);
    } else {
      unsetenv(kName);
    }
  }

 private:
  static constexpr const char* kName = "VELVARA_DECODE_HELPER";
  std::optional<std::string> old_;
};

class SeparateDecodingTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(libraryInit()); }

  std::string write(const std::string& name, const testing::TestImage& image = {96, 64}) {
    std::string path = dir.file(name);
    testing::writeTestImage(path, image);
    return path;
  }

  // A bare JPEG 2000 codestream: the contents of a JP2 file's last box.
  std::string writeCodestream(const std::string& name, const testing::TestImage& image = {96, 64}) {
    std::string jp2 = readFile(write(name + ".jp2", image));
    std::string path = dir.file(name);
    writeFile(path, jp2.substr(jp2.find("\xFF\x4F\xFF\x51")));
    return path;
  }

  std::string script(const std::string& name, const std::string& body) {
    std::string path = dir.file(name);
    writeFile(path, "#!/bin/sh\n" + body + "\n");
    chmod(path.c_str(), 0755);
    return path;
  }

  // All three readers fail on path with a read error naming the decoder.
  void expectDecoderFailure(const std::string& path, const std::string& why) {
    ImageInfo info;
    Bitmap bitmap, small;
    for (const Status& status :
         {readImageInfo(path, info), loadBitmap(path, bitmap), loadResized(path, 30, 20, small)}) {
      EXPECT_EQ(status.code, ErrorCode::ReadError) << why << ": " << status.text;
      EXPECT_TRUE(status.text.starts_with(errorString(ErrorCode::ReadError) + ": the JPEG 2000 decoder"))
          << why << ": " << status.text;
    }
    EXPECT_FALSE(bitmap.hasData()) << why;
    EXPECT_FALSE(small.hasData()) << why;
  }

  testing::TempDir dir;
};

TEST_F(SeparateDecodingTest, Jpeg2000IsRecognisedByItsContentAndNothingElseLeavesTheProcess) {
  std::string jp2 = write("plain.jp2");
  std::string codestream = writeCodestream("plain.j2k");
  std::string disguised = dir.file("photo.jpg");
  std::filesystem::copy_file(jp2, disguised);
  std::string jpegNamedJp2 = dir.file("photo.jp2");
  std::filesystem::copy_file(write("real.jpg"), jpegNamedJp2);

  EXPECT_TRUE(detail::decodedSeparately(jp2));
  EXPECT_TRUE(detail::decodedSeparately(codestream));
  EXPECT_TRUE(detail::decodedSeparately(disguised));
  EXPECT_FALSE(detail::decodedSeparately(jpegNamedJp2));
  for (const char* name : {"a.png", "a.tif", "a.webp", "a.gif", "a.bmp", "a.heic"}) {
    EXPECT_FALSE(detail::decodedSeparately(write(name))) << name;
  }
  EXPECT_FALSE(detail::decodedSeparately(dir.file("missing.jp2")));

  // With no helper to run, only what is decoded separately fails.
  HelperOverride none(dir.file("no-such-helper"));
  Bitmap bitmap;
  EXPECT_TRUE(loadBitmap(jpegNamedJp2, bitmap).ok());
  expectDecoderFailure(disguised, "JPEG 2000 named .jpg");
  expectDecoderFailure(codestream, "codestream");
  EXPECT_EQ(loadBitmap(dir.file("missing.jp2"), bitmap).code, ErrorCode::FileNotFound);
}

TEST_F(SeparateDecodingTest, TheHelperGivesTheSamePicturesAsDecodingInProcess) {
  for (std::string name : {"plain.jp2", "plain.j2k"}) {
    testing::TestImage image{150, 100, testing::TestColor::Rgb};
    std::string path = name.ends_with(".jp2") ? write(name, image) : writeCodestream(name, image);
    ImageInfo here, there;
    ASSERT_TRUE(detail::readImageInfoInProcess(path, here).ok());
    Status status = readImageInfo(path, there);
    ASSERT_TRUE(status.ok()) << name << ": " << status.text;
    EXPECT_EQ(there.width, 150);
    EXPECT_EQ(there.height, here.height);
    EXPECT_EQ(there.bitsPerComponent, here.bitsPerComponent);
    EXPECT_EQ(there.componentsPerPixel, here.componentsPerPixel);

    Bitmap full, fullHere;
    ASSERT_TRUE(detail::loadBitmapInProcess(path, fullHere).ok());
    status = loadBitmap(path, full);
    ASSERT_TRUE(status.ok()) << name << ": " << status.text;
    EXPECT_EQ(full.width, 150);
    EXPECT_EQ(full.bytesPerLine, fullHere.bytesPerLine);
    EXPECT_EQ(full.pixels, fullHere.pixels) << name;

    Bitmap small, smallHere;
    ASSERT_TRUE(detail::loadResizedInProcess(path, 45, 30, smallHere).ok());
    status = loadResized(path, 45, 30, small);
    ASSERT_TRUE(status.ok()) << name << ": " << status.text;
    EXPECT_EQ(small.width, 45);
    EXPECT_EQ(small.height, 30);
    EXPECT_EQ(small.pixels, smallHere.pixels) << name;
  }
}

TEST_F(SeparateDecodingTest, RefusalsReadAsTheyDoInProcess) {
  std::string path = write("plain.jp2");
  Bitmap bitmap;
  Status bad = loadResized(path, 0, 20, bitmap);
  EXPECT_EQ(bad.code, ErrorCode::BadParameters);
  EXPECT_EQ(bad.text, detail::loadResizedInProcess(path, 0, 20, bitmap).text);
  EXPECT_EQ(loadResized(path, 100000, 100000, bitmap).code, ErrorCode::TooLarge);

  // A JPEG 2000 signature with nothing behind it: the decoder reports it.
  std::string stub = dir.file("stub.jp2");
  writeFile(stub, readFile(path).substr(0, 12));
  Status stubStatus = loadBitmap(stub, bitmap);
  EXPECT_EQ(stubStatus.code, ErrorCode::ReadError);
  EXPECT_EQ(stubStatus.text, detail::loadBitmapInProcess(stub, bitmap).text);
  EXPECT_FALSE(bitmap.hasData());
}

TEST_F(SeparateDecodingTest, DamagedJpeg2000FilesAreReadErrorsAndTheProgramGoesOn) {
  std::string whole = readFile(write("whole.jp2", {256, 192}));
  std::vector<std::pair<std::string, std::string>> damaged;
  for (std::size_t length : {whole.size() / 4, whole.size() / 2, whole.size() - 100}) {
    damaged.emplace_back("cut to " + std::to_string(length), whole.substr(0, length));
  }
  // The codestream's first marker after its start and size markers: the
  // coding style, which no longer says how the tiles are coded.
  std::size_t codingStyle = whole.find("\xFF\x52");
  ASSERT_NE(codingStyle, std::string::npos);
  std::string scrambled = whole;
  for (std::size_t i = codingStyle + 4; i < codingStyle + 14; ++i) scrambled[i] = '\xFF';
  damaged.emplace_back("coding style scrambled", scrambled);

  for (const auto& [why, bytes] : damaged) {
    std::string path = dir.file("damaged.jp2");
    writeFile(path, bytes);
    Bitmap bitmap, small;
    Status full = loadBitmap(path, bitmap);
    Status resized = loadResized(path, 64, 48, small);
    EXPECT_EQ(full.code, ErrorCode::ReadError) << why << ": " << full.text;
    EXPECT_EQ(resized.code, ErrorCode::ReadError) << why << ": " << resized.text;
    EXPECT_FALSE(bitmap.hasData()) << why;
    EXPECT_FALSE(small.hasData()) << why;
  }
  // Still here, and still decoding.
  Bitmap after;
  EXPECT_TRUE(loadBitmap(write("after.jp2"), after).ok());
}

TEST_F(SeparateDecodingTest, AHelperThatCannotStartCrashesFailsOrBabblesGivesAReadError) {
  std::string path = write("plain.jp2");
  std::string notExecutable = dir.file("plain-file");
  writeFile(notExecutable, "#!/bin/sh\n");
  const std::vector<std::pair<std::string, std::string>> helpers = {
      {dir.file("missing-helper"), "missing"},
      {notExecutable, "not executable"},
      {script("segv.sh", "kill -SEGV $$"), "killed by a signal"},
      {script("half.sh", "printf 'VVD1\\000'; kill -ABRT $$"), "dies halfway through its answer"},
      {script("fails.sh", "exit 3"), "fails"},
      {script("babbles.sh", "echo this is no frame"), "malformed answer"},
      {script("silent.sh", "exit 0"), "empty answer"},
      {script("endless.sh", "yes"), "answer without end"},
  };
  for (const auto& [helper, why] : helpers) {
    HelperOverride use(helper);
    expectDecoderFailure(path, why);
  }
  // The helper's crash is seen even when the calling thread blocks the
  // signal, as the helper does not inherit that.
  HelperOverride segv(dir.file("segv.sh"));
  sigset_t blocked, before;
  sigemptyset(&blocked);
  sigaddset(&blocked, SIGSEGV);
  pthread_sigmask(SIG_BLOCK, &blocked, &before);
  Bitmap bitmap;
  Status status = loadBitmap(path, bitmap);
  pthread_sigmask(SIG_SETMASK, &before, nullptr);
  EXPECT_EQ(status.text,
            errorString(ErrorCode::ReadError) + ": the JPEG 2000 decoder failed on this file (it ended by signal 11)");
}

}  // namespace
}  // namespace velvara::imagelib
