// Server is the stand-in's HTTP front: it listens on 127.0.0.1 only, accepts
// one connection at a time on one thread, and serves every request of that
// connection for as long as the client keeps it alive (HTTP/1.0 keep-alive
// included). With a certificate and key it speaks https. It counts the TCP
// connections it accepts.
#pragma once

#include "Options.h"
#include "Service.h"

namespace pelwin {

class Server {
public:
    Server(const Options& options, Service& service);
    // Binds, prints "listening on 127.0.0.1:PORT" and serves until killed.
    int run();

private:
    const Options& options_;
    Service& service_;
};

} // namespace pelwin
