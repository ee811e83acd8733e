#include "engine/win32/Download.h"

#include <winsock2.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "tests/support/FileContent.h"
#include "tests/support/TempFolder.h"

namespace {

// A one-request HTTP server on 127.0.0.1 that answers with a fixed status
// line and body.
class LocalHttpServer {
 public:
  LocalHttpServer(const std::string& status, const std::string& body) {
    WSADATA wsa;
    WSAStartup(MAKEWORD(2, 2), &wsa);
    listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
    listen(listener_, 1);
    int size = sizeof address;
    getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size);
    port_ = ntohs(address.sin_port);
    std::string answer = "HTTP/1.0 " + status + "\r\nContent-Type: application/octet-stream\r\n" +
                         "Content-Length: " + std::to_string(body.size()) +
                         "\r\nConnection: close\r\n\r\n" + body;
    thread_ = std::thread([this, answer] { Serve(answer); });
  }
  ~LocalHttpServer() {
    closesocket(listener_);
    thread_.join();
    WSACleanup();
  }

  std::string Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
  }

 private:
  void Serve(const std::string& answer) {
    SOCKET client = accept(listener_, nullptr, nullptr);
    if (client == INVALID_SOCKET) return;
    std::string request;
    char chunk[1024];
    while (request.find("\r\n\r\n") == std::string::npos) {
      int got = recv(client, chunk, sizeof chunk, 0);
      if (got <= 0) break;
      request.append(chunk, static_cast<size_t>(got));
    }
    size_t sent = 0;
    while (sent < answer.size()) {
      int n = send(client, answer.data() + sent, static_cast<int>(answer.size() - sent), 0);
      if (n <= 0) break;
      sent += static_cast<size_t>(n);
    }
    shutdown(client, SD_SEND);
    closesocket(client);
  }

  SOCKET listener_ = INVALID_SOCKET;
  unsigned short port_ = 0;
  std::thread thread_;
};

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
