// Reply parsing must survive any bytes a server sends.
#include "stats/HttpClient.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fw::HttpResponse response;
    if (fw::parseHttpReply(data, size, response)) {
        fw::statusClassOf(response);
        // The body is what follows the blank line, never more.
        if (response.body.size() + 4 > size) {
            __builtin_trap();
        }
    }
    return 0;
}
