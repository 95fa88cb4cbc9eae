// WinINet: the system's configured access, always from the server, redirects left to
// the caller.
#include <windows.h>
// windows.h first.
#include <wininet.h>

#include <algorithm>

#include "corvane/platform/error.h"
#include "corvane/platform/system_http.h"

namespace corvane::platform {
namespace {

class Handle {
public:
    explicit Handle(HINTERNET h) : h_(h) {}
    ~Handle() {
        if (h_) InternetCloseHandle(h_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HINTERNET get() const { return h_; }

private:
    HINTERNET h_;
};

[[noreturn]] void Fail(DWORD code) {
    if (code == ERROR_INTERNET_TIMEOUT) throw PlatformError(errors::HttpTimeout);
    if (code == 0 || code == ERROR_INTERNET_CANNOT_CONNECT) throw PlatformError(errors::HttpCannotConnect);
    throw PlatformError(static_cast<std::int32_t>(code), "The request to the server failed");
}

}  // namespace

HttpResponse SystemHttp::get(std::string_view url, std::chrono::milliseconds deadline) {
    Handle net(InternetOpenA(agent_.c_str(), INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    if (!net.get()) Fail(GetLastError());
    DWORD ms = static_cast<DWORD>(std::clamp<long long>(deadline.count(), 1, 0x7FFFFFFF));
    for (DWORD option :
         {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT, INTERNET_OPTION_RECEIVE_TIMEOUT})
        InternetSetOptionA(net.get(), option, &ms, sizeof ms);
    pump();

    const std::string address(url);
    Handle request(InternetOpenUrlA(net.get(), address.c_str(), nullptr, 0,
                                    INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE |
                                        INTERNET_FLAG_NO_AUTO_REDIRECT | INTERNET_FLAG_NO_UI,
                                    0));
    if (!request.get()) Fail(GetLastError());
    pump();

    HttpResponse response;
    DWORD status = 0;
    DWORD size = sizeof status;
    if (HttpQueryInfoA(request.get(), HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr))
        response.status = static_cast<int>(status);
    char location[2048];
    size = sizeof location;
    if (HttpQueryInfoA(request.get(), HTTP_QUERY_LOCATION, location, &size, nullptr))
        response.location.assign(location, size);

    char chunk[HttpChunkBytes];
    DWORD read = 0;
    while (response.body.size() <= MaxBodyBytes) {
        if (!InternetReadFile(request.get(), chunk, sizeof chunk, &read)) Fail(GetLastError());
        if (read == 0) break;
        const std::size_t room = MaxBodyBytes + 1 - response.body.size();
        response.body.append(chunk, std::min<std::size_t>(read, room));
        pump();
    }
    return response;
}

}  // namespace corvane::platform
