#pragma once
// The network layer that the programs start before anything else (libcurl's global state).

namespace platform {

class NetworkLayer {
 public:
  NetworkLayer();
  NetworkLayer(const NetworkLayer&) = delete;
  NetworkLayer& operator=(const NetworkLayer&) = delete;
  ~NetworkLayer();
  bool started() const { return started_; }

 private:
  bool started_ = false;
};

}  // namespace platform
