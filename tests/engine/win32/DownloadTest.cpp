#include "engine/system/win32/Download.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/FileContent.h"
#include "tests/support/TempFolder.h"
#include "tests/support/win32/LocalHttpServer.h"

namespace {

// A body larger than one read and not a multiple of it.
std::string SampleBody() {
  std::string body;
  for (int i = 0; i < 20000; ++i) body += static_cast<char>(i * 7 % 256);
  return body;
}

}  // namespace

TEST(Download, WritesTheWholeAnswerToTheFile) {
  std::string body = SampleBody();
  LocalHttpServer server("200 OK", body);
  TempFolder folder;
  std::string file = folder.File("got.bin");
  bool noLibrary = true;
  ASSERT_TRUE(DownloadUrlToFile(server.Url("/sample.bin"), file, noLibrary));
  EXPECT_FALSE(noLibrary);
  EXPECT_EQ(ReadFileText(file), body);
}

TEST(Download, AnErrorAnswerIsAFailureAndWritesNoFile) {
  LocalHttpServer server("404 Not Found", "no such page");
  TempFolder folder;
  std::string file = folder.File("missing.bin");
  bool noLibrary = true;
  EXPECT_FALSE(DownloadUrlToFile(server.Url("/missing.bin"), file, noLibrary));
  EXPECT_FALSE(noLibrary);
  EXPECT_FALSE(PathExists(file));
}

TEST(Download, AFileThatCannotBeWrittenIsAFailure) {
  LocalHttpServer server("200 OK", "data");
  TempFolder folder;
  bool noLibrary = true;
  EXPECT_FALSE(DownloadUrlToFile(server.Url("/data"), folder.File("no-folder\\x.bin"), noLibrary));
  EXPECT_FALSE(noLibrary);
}

TEST(Download, AnErrorAnswerLeavesAnExistingFileAsItWas) {
  LocalHttpServer server("500 Internal Server Error", "broken");
  TempFolder folder;
  std::string file = folder.File("kept.bin");
  WriteFileText(file, "old content");
  bool noLibrary = true;
  EXPECT_FALSE(DownloadUrlToFile(server.Url("/kept.bin"), file, noLibrary));
  EXPECT_EQ(ReadFileText(file), "old content");
}

TEST(Download, AnAnswerCutShortIsAFailureAndLeavesTheFileAsItWas) {
  std::string body = SampleBody();
  LocalHttpServer server("200 OK", body, 10000);
  TempFolder folder;
  std::string file = folder.File("kept.bin");
  WriteFileText(file, "old content");
  bool noLibrary = true;
  EXPECT_FALSE(DownloadUrlToFile(server.Url("/short.bin"), file, noLibrary));
  EXPECT_EQ(ReadFileText(file), "old content");
}

TEST(Download, ASuccessfulDownloadReplacesTheFileAndLeavesNoTemporaryFile) {
  LocalHttpServer server("200 OK", "new");
  TempFolder folder;
  std::string file = folder.File("replaced.txt");
  WriteFileText(file, "old content that is longer");
  bool noLibrary = true;
  ASSERT_TRUE(DownloadUrlToFile(server.Url("/replaced.txt"), file, noLibrary));
  EXPECT_EQ(ReadFileText(file), "new");
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder.Path() + "\\*.tmp").c_str(), &found);
  EXPECT_EQ(search, INVALID_HANDLE_VALUE);
  if (search != INVALID_HANDLE_VALUE) FindClose(search);
}

TEST(Download, ARefusedConnectionIsAFailure) {
  TempFolder folder;
  std::string file = folder.File("refused.bin");
  bool noLibrary = true;
  EXPECT_FALSE(DownloadUrlToFile(RefusedLocalUrl("/x"), file, noLibrary));
  EXPECT_FALSE(noLibrary);
  EXPECT_FALSE(PathExists(file));
}
