#include "corvane/resources/resource_defaults.h"

#include <array>

namespace corvane::resources {

namespace {

namespace id = resource_id;

// The old brand (Brackenfold) stays as the fallback so that a missing library still finds
// the data folder and menu an older installation created; the vendor addresses are
// Kelderon's.
constexpr std::array<ResourceDefault, 14> kDefaults{{
    {id::HomePage, "https://www.kelderon.example/", "home page address", false},
    {id::OrderPage, "https://www.kelderon.example/corvane/order.asp", "order page address", false},
    {id::SupportAddress, "support@kelderon.example", "support e-mail address", false},
    {id::DownloadPage, "https://www.kelderon.example/corvane/download_process.asp", "update download page address",
     false},
    {id::ApplicationTitle, "Corvane", "application title", false},
    {id::BrandMenuName, "Brackenfold", "name of the brand menu in the menu bar", false},
    {id::BrandMenuCaption, "Bracken&fold", "caption of the brand menu when it is created", false},
    {id::ProductName, "Corvane", "product name in menu item captions", false},
    {id::DataParentFolder, "Brackenfold Settings", "name of the top data folder", false},
    {id::DataFolder, "Corvane", "name of the product's data folder", false},
    {id::ProductMenu, "Corvane", "name of the product submenu (optionally Parent/Name)", false},
    {id::NoticeLine, "Copyright (C) Kelderon Ltd. All rights reserved.", "notice line of the About box", false},
    {id::WizardPicture, "", "picture on the wizard's first page", true},
    {id::AccountListLogo, "", "logo of the account list dialog", true},
}};

}  // namespace

std::span<const ResourceDefault> ResourceDefaults() { return kDefaults; }

std::optional<std::string_view> DefaultResourceString(int resourceId) {
    for (const auto& d : kDefaults)
        if (d.id == resourceId && !d.isBitmap) return d.text;
    return std::nullopt;
}

std::string LoadResourceString(clsResource& resource, int resourceId) {
    std::string s;
    if (resource.DLL_LoadString(resourceId, s, kMaxResourceStringLength)) return s;
    return std::string(DefaultResourceString(resourceId).value_or(""));
}

}  // namespace corvane::resources
