#include <windows.h>

#include <cstdint>
#include <cstring>

#include "corvane/resources/resource_dll.h"
#include "corvane/text/wide.h"

namespace corvane::resources {
namespace {

// The .bmp file of a bitmap resource: a resource holds the DIB without the file header.
std::string BitmapFile(const BYTE* dib, DWORD size) {
    BITMAPINFOHEADER info{};
    if (size < sizeof info) return {};
    std::memcpy(&info, dib, sizeof info);
    DWORD colors = info.biClrUsed != 0 ? info.biClrUsed : (info.biBitCount <= 8 ? 1u << info.biBitCount : 0u);
    DWORD masks = info.biCompression == BI_BITFIELDS ? 3 * sizeof(DWORD) : 0;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfSize = static_cast<DWORD>(sizeof file) + size;
    file.bfOffBits = static_cast<DWORD>(sizeof file) + info.biSize + masks + colors * sizeof(RGBQUAD);
    std::string out(reinterpret_cast<const char*>(&file), sizeof file);
    out.append(reinterpret_cast<const char*>(dib), size);
    return out;
}

class ResourceDll final : public ResourceLibrary {
public:
    ResourceDll(HMODULE module, std::string path) : module_(module), path_(std::move(path)) {}
    ~ResourceDll() override { FreeLibrary(module_); }
    ResourceDll(const ResourceDll&) = delete;
    ResourceDll& operator=(const ResourceDll&) = delete;

    std::optional<std::string> loadString(int id) override {
        const wchar_t* chars = nullptr;  // with no room given, LoadStringW points into the resource
        int length = LoadStringW(module_, static_cast<UINT>(id), reinterpret_cast<LPWSTR>(&chars), 0);
        if (length <= 0 || chars == nullptr) return std::nullopt;
        return text::Utf8FromWide({chars, static_cast<std::size_t>(length)});
    }

    std::optional<ResourceBitmap> loadBitmap(int id) override {
        HRSRC found = FindResourceW(module_, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(2));  // RT_BITMAP
        if (found == nullptr) return std::nullopt;
        HGLOBAL loaded = LoadResource(module_, found);
        const auto* dib = static_cast<const BYTE*>(loaded != nullptr ? LockResource(loaded) : nullptr);
        if (dib == nullptr) return std::nullopt;
        std::string bytes = BitmapFile(dib, SizeofResource(module_, found));
        if (bytes.empty()) return std::nullopt;
        return ResourceBitmap{id, path_, std::move(bytes)};
    }

private:
    HMODULE module_;
    std::string path_;
};

}  // namespace

std::unique_ptr<ResourceLibrary> OpenResourceDll(const std::string& path) {
    HMODULE module = LoadLibraryExW(text::WideFromUtf8(path).c_str(), nullptr,
                                    LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (module == nullptr) return nullptr;
    return std::make_unique<ResourceDll>(module, path);
}

}  // namespace corvane::resources
