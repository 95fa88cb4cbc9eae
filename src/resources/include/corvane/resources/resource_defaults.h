#pragma once
// The resource ids the add-in reads, their built-in defaults, and the one way every caller
// reads a string: with the standard maximum and falling back to the default.
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "corvane/resources/cls_resource.h"

namespace corvane::resources {

// Every string read passes this maximum (so at most 255 characters arrive).
inline constexpr long kMaxResourceStringLength = 256;

namespace resource_id {
inline constexpr int HomePage = 511;          // vendor home page address
inline constexpr int OrderPage = 512;         // vendor order page address
inline constexpr int SupportAddress = 513;    // support e-mail address
inline constexpr int DownloadPage = 514;      // update download page address
inline constexpr int ApplicationTitle = 515;  // title in every message box
inline constexpr int BrandMenuName = 517;     // brand menu in the menu bar, to find it
inline constexpr int BrandMenuCaption = 518;  // brand menu caption when created (access key)
inline constexpr int ProductName = 520;       // product name in menu item captions
inline constexpr int DataParentFolder = 521;  // top mail folder of the add-in's data
inline constexpr int DataFolder = 522;        // the product's data folder inside it
inline constexpr int ProductMenu = 523;       // product submenu, optionally "Parent/Name"
inline constexpr int NoticeLine = 524;        // notice line of the About box
inline constexpr int WizardPicture = 604;     // bitmap on the wizard's first page
inline constexpr int AccountListLogo = 605;   // bitmap on the account list dialog
}  // namespace resource_id

struct ResourceDefault {
    int id;
    std::string_view text;     // the default string; empty for a bitmap
    std::string_view meaning;  // what the add-in uses it for
    bool isBitmap;
};

// Every resource the add-in reads, in id order. Bitmaps have no built-in default.
std::span<const ResourceDefault> ResourceDefaults();

// The default string of a known string id; nothing for bitmaps and unknown ids.
std::optional<std::string_view> DefaultResourceString(int id);

// The string `id` read with the standard maximum, or its default when the read fails
// (missing library, missing or empty string). An id without a default gives "".
std::string LoadResourceString(clsResource& resource, int id);

}  // namespace corvane::resources
