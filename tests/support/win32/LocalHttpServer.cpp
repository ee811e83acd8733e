#include "tests/support/win32/LocalHttpServer.h"

#include <algorithm>

namespace {

// A socket listening on a free port of 127.0.0.1; the port is returned.
SOCKET ListenOnLoopback(unsigned short& port) {
  SOCKET listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in address = {};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = 0;
  bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address);
  listen(listener, 1);
  int size = sizeof address;
  getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size);
  port = ntohs(address.sin_port);
  return listener;
}

std::string LoopbackUrl(unsigned short port, const std::string& path) {
  return "http://127.0.0.1:" + std::to_string(port) + path;
}

}  // namespace

LocalHttpServer::LocalHttpServer(const std::string& status, const std::string& body, size_t sentBytes) {
  WSADATA wsa;
  WSAStartup(MAKEWORD(2, 2), &wsa);
  listener_ = ListenOnLoopback(port_);
  std::string answer = "HTTP/1.0 " + status + "\r\nContent-Type: application/octet-stream\r\n" +
                       "Content-Length: " + std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" +
                       body.substr(0, std::min(sentBytes, body.size()));
  thread_ = std::thread([this, answer] { Serve(answer); });
}

LocalHttpServer::~LocalHttpServer() {
  closesocket(listener_);
  thread_.join();
  WSACleanup();
}

std::string LocalHttpServer::Url(const std::string& path) const { return LoopbackUrl(port_, path); }

void LocalHttpServer::Serve(const std::string& answer) {
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

std::string RefusedLocalUrl(const std::string& path) {
  WSADATA wsa;
  WSAStartup(MAKEWORD(2, 2), &wsa);
  unsigned short port = 0;
  closesocket(ListenOnLoopback(port));
  WSACleanup();
  return LoopbackUrl(port, path);
}
