// HTTP for the ranking: the desktop game and the headless player share it.
#pragma once

#include <string>

#include "platform/platform.h"

namespace kestrilon {

// One synchronous exchange with time-outs of 10 s; a body makes it a POST. Only http and
// https addresses are followed, and a reply above 1 MiB fails.
HttpReply HttpExchange(const std::string& url, const std::string* body);

}  // namespace kestrilon
