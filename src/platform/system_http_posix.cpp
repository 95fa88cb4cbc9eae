// libcurl: one easy handle per request, redirects left to the caller.
#include <curl/curl.h>

#include <algorithm>
#include <memory>

#include "corvane/platform/error.h"
#include "corvane/platform/system_http.h"

namespace corvane::platform {
namespace {

struct Reading {
    std::string body;
    bool full = false;
    const std::function<void()>* pump = nullptr;
};

std::size_t Append(char* data, std::size_t size, std::size_t count, void* user) {
    auto* r = static_cast<Reading*>(user);
    const std::size_t length = size * count;
    const std::size_t room = MaxBodyBytes + 1 - r->body.size();
    r->body.append(data, std::min(length, room));
    if (*r->pump) (*r->pump)();
    if (length < room) return length;
    // One byte past the limit is enough to tell: stop the transfer here.
    r->full = true;
    return 0;
}

struct CurlDeleter {
    void operator()(CURL* c) const { curl_easy_cleanup(c); }
};
struct ListDeleter {
    void operator()(curl_slist* l) const { curl_slist_free_all(l); }
};

}  // namespace

HttpResponse SystemHttp::get(std::string_view url, std::chrono::milliseconds deadline) {
    std::unique_ptr<CURL, CurlDeleter> curl(curl_easy_init());
    if (!curl) throw PlatformError(errors::HttpCannotConnect);
    CURL* c = curl.get();
    const std::string address(url);
    std::unique_ptr<curl_slist, ListDeleter> headers(curl_slist_append(nullptr, "Cache-Control: no-cache"));
    headers.reset(curl_slist_append(headers.release(), "Pragma: no-cache"));
    Reading reading;
    reading.pump = &betweenReads_;

    curl_easy_setopt(c, CURLOPT_URL, address.c_str());
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(c, CURLOPT_USERAGENT, agent_.c_str());
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, headers.get());
    curl_easy_setopt(c, CURLOPT_TIMEOUT_MS, static_cast<long>(deadline.count()));
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_BUFFERSIZE, static_cast<long>(HttpChunkBytes));
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, &Append);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &reading);

    pump();
    const CURLcode result = curl_easy_perform(c);
    if (result == CURLE_OPERATION_TIMEDOUT) throw PlatformError(errors::HttpTimeout);
    if (result != CURLE_OK && !(result == CURLE_WRITE_ERROR && reading.full))
        throw PlatformError(errors::HttpCannotConnect, std::string(" (") + curl_easy_strerror(result) + ")");

    HttpResponse response;
    long status = 0;
    curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &status);
    response.status = static_cast<int>(status);
    char* location = nullptr;
    if (curl_easy_getinfo(c, CURLINFO_REDIRECT_URL, &location) == CURLE_OK && location) response.location = location;
    response.body = std::move(reading.body);
    pump();
    return response;
}

}  // namespace corvane::platform
