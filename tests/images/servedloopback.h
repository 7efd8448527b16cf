#pragma once

#include "imagetestdata.h"
#include "loopbackserver.h"

// A started loopback server that, when it goes, first waits for its clients' hang-ups.
// Declare it before the clients (cache, downloader, application context) so it outlives them.
struct ServedLoopback {
    ServedLoopback() { server.start(); }
    ~ServedLoopback() { ImageTestData::waitForServerHangUps(server.port()); }
    ServedLoopback(const ServedLoopback &) = delete;
    ServedLoopback &operator=(const ServedLoopback &) = delete;

    LoopbackServer server;
};
