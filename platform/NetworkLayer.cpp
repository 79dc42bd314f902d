#include "platform/NetworkLayer.h"

#include <curl/curl.h>

namespace platform {

NetworkLayer::NetworkLayer() : started_(curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK) {}

NetworkLayer::~NetworkLayer() {
  if (started_) curl_global_cleanup();
}

}  // namespace platform
