// A one-request HTTP server on 127.0.0.1 for download tests.
#pragma once

#include <winsock2.h>

#include <string>
#include <thread>

class LocalHttpServer {
 public:
  // Answers the first request with the status line and the body. With
  // sentBytes below the body's size, only that much of the body is sent
  // (the announced length stays the whole body's) before the connection is
  // closed.
  LocalHttpServer(const std::string& status, const std::string& body, size_t sentBytes = std::string::npos);
  ~LocalHttpServer();
  LocalHttpServer(const LocalHttpServer&) = delete;
  LocalHttpServer& operator=(const LocalHttpServer&) = delete;

  std::string Url(const std::string& path) const;

 private:
  void Serve(const std::string& answer);

  SOCKET listener_ = INVALID_SOCKET;
  unsigned short port_ = 0;
  std::thread thread_;
};

// A URL on 127.0.0.1 at a port where nothing listens (connections are refused).
std::string RefusedLocalUrl(const std::string& path);
