// The resources that exist on Windows alone, as the system loads them from a program that
// links them: every icon size, each bitmap pixel for pixel against its PNGs (decoded by the
// system's own imaging component), the version record, and what the manifest asks for.

// Before <windows.h>, whose IDOK and IDCANCEL macros would replace the names of two ids.
#include "res/resource_ids.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <wincodec.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/kavel_version.h"
#include "res/win32/toolbar_images.h"

namespace kavel {
namespace {

// Rows of 0xRRGGBB pixels, top row first.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

constexpr std::uint32_t kMask = win32res::kToolbarMaskRed << 16 |
                                win32res::kToolbarMaskGreen << 8 | win32res::kToolbarMaskBlue;

HMODULE Self() { return GetModuleHandleW(nullptr); }

// A PNG of res/images; its transparent pixels as the toolbar's mask colour.
Picture DecodePng(const std::string& name) {
    const std::wstring path = KAVEL_IMAGES_DIR L"/" + std::wstring(name.begin(), name.end()) + L".png";
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    IWICImagingFactory* factory = nullptr;
    IWICBitmapDecoder* decoder = nullptr;
    IWICBitmapFrameDecode* frame = nullptr;
    IWICBitmapSource* converted = nullptr;
    Picture picture;
    if (SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_PPV_ARGS(&factory))) &&
        SUCCEEDED(factory->CreateDecoderFromFilename(path.c_str(), nullptr, GENERIC_READ,
                                                     WICDecodeMetadataCacheOnDemand, &decoder)) &&
        SUCCEEDED(decoder->GetFrame(0, &frame)) &&
        SUCCEEDED(WICConvertBitmapSource(GUID_WICPixelFormat32bppBGRA, frame, &converted))) {
        UINT width = 0, height = 0;
        converted->GetSize(&width, &height);
        picture = {static_cast<int>(width), static_cast<int>(height),
                   std::vector<std::uint32_t>(width * height)};
        converted->CopyPixels(nullptr, width * 4, width * height * 4,
                              reinterpret_cast<BYTE*>(picture.pixels.data()));
        for (auto& pixel : picture.pixels) pixel = pixel >> 24 == 0 ? kMask : pixel & 0xFFFFFF;
    }
    for (IUnknown* object : {static_cast<IUnknown*>(converted), static_cast<IUnknown*>(frame),
                             static_cast<IUnknown*>(decoder), static_cast<IUnknown*>(factory)}) {
        if (object != nullptr) object->Release();
    }
    return picture;
}

// A bitmap resource as the panel and the toolbar load it, read back at 32 bits.
Picture LoadBitmapResource(int id, int& bits_per_pixel) {
    const auto bitmap = static_cast<HBITMAP>(
        LoadImageW(Self(), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    DIBSECTION section{};
    if (bitmap == nullptr || GetObjectW(bitmap, sizeof section, &section) == 0) return {};
    bits_per_pixel = section.dsBm.bmBitsPixel;
    Picture picture{section.dsBm.bmWidth, section.dsBm.bmHeight,
                    std::vector<std::uint32_t>(section.dsBm.bmWidth * section.dsBm.bmHeight)};
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    const HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, picture.height, picture.pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    DeleteObject(bitmap);
    for (auto& pixel : picture.pixels) pixel &= 0xFFFFFF;
    return picture;
}

// The PNGs side by side, as a toolbar strip holds its buttons.
Picture SideBySide(const std::vector<std::string>& names) {
    std::vector<Picture> parts;
    Picture strip;
    for (const auto& name : names) {
        parts.push_back(DecodePng(name));
        strip.width += parts.back().width;
        strip.height = parts.back().height;
    }
    for (int y = 0; y < strip.height; ++y) {
        for (const auto& part : parts) {
            const auto row = part.pixels.begin() + y * part.width;
            strip.pixels.insert(strip.pixels.end(), row, row + part.width);
        }
    }
    return strip;
}

TEST(Win32Resources, BitmapsAreTheirPicturesPixelForPixel) {
    struct Case {
        int id;
        int bits;
        std::vector<std::string> pngs;
    };
    const Case cases[] = {
        {ids::IDB_USB_CONNECTED, 4, {"usb_connected"}},
        {ids::IDB_USB_DISCONNECTED, 4, {"usb_disconnected"}},
        {ids::IDR_MAINFRAME, 4, {"tb16_cut", "tb16_copy", "tb16_paste", "tb16_about"}},
        {ids::IDR_MAINFRAME_256, 24, {"tb_cut", "tb_copy", "tb_paste", "tb_about"}},
    };
    for (const Case& c : cases) {
        int bits = 0;
        const Picture loaded = LoadBitmapResource(c.id, bits);
        const Picture expected = SideBySide(c.pngs);
        ASSERT_FALSE(expected.pixels.empty()) << c.pngs[0];
        EXPECT_EQ(bits, c.bits) << c.id;
        EXPECT_EQ(loaded.width, expected.width) << c.id;
        EXPECT_TRUE(loaded.pixels == expected.pixels) << c.id;
    }
}

TEST(Win32Resources, IconHoldsEachSize) {
    const HRSRC group = FindResourceW(Self(), MAKEINTRESOURCEW(ids::IDR_MAINFRAME), RT_GROUP_ICON);
    ASSERT_NE(group, nullptr);
    auto* directory = static_cast<BYTE*>(LockResource(LoadResource(Self(), group)));
    for (const int size : {KAVEL_ICON_SIZES}) {
        const int id = LookupIconIdFromDirectoryEx(directory, TRUE, size, size, LR_DEFAULTCOLOR);
        const HRSRC entry = FindResourceW(Self(), MAKEINTRESOURCEW(id), RT_ICON);
        ASSERT_NE(entry, nullptr) << size;
        const HICON icon = CreateIconFromResourceEx(
            static_cast<BYTE*>(LockResource(LoadResource(Self(), entry))),
            SizeofResource(Self(), entry), TRUE, 0x00030000, 0, 0, LR_DEFAULTCOLOR);
        ICONINFO info{};
        BITMAP colour{};
        ASSERT_TRUE(icon != nullptr && GetIconInfo(icon, &info)) << size;
        GetObjectW(info.hbmColor, sizeof colour, &colour);
        EXPECT_EQ(colour.bmWidth, size);
        EXPECT_EQ(colour.bmHeight, size);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
}

std::wstring VersionString(const std::vector<BYTE>& record, const wchar_t* name) {
    wchar_t* value = nullptr;
    UINT length = 0;
    const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
    VerQueryValueW(record.data(), path.c_str(), reinterpret_cast<void**>(&value), &length);
    return value != nullptr ? value : L"";
}

TEST(Win32Resources, VersionRecordAndManifest) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    DWORD ignored = 0;
    std::vector<BYTE> record(GetFileVersionInfoSizeW(path, &ignored));
    ASSERT_TRUE(GetFileVersionInfoW(path, 0, record.size(), record.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(record.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    const std::string number =
        std::to_string(HIWORD(fixed->dwFileVersionMS)) + "." +
        std::to_string(LOWORD(fixed->dwFileVersionMS)) + "." +
        std::to_string(HIWORD(fixed->dwFileVersionLS)) + "." + std::to_string(LOWORD(fixed->dwFileVersionLS));
    EXPECT_EQ(number, KAVEL_VERSION);
    EXPECT_EQ(VersionString(record, L"FileDescription"), L"Kavel");
    EXPECT_EQ(VersionString(record, L"OriginalFilename"), L"Kavel.exe");
    EXPECT_EQ(VersionString(record, L"ProductName"), L"Kavel");

    // The manifest, as the loader took it: common controls 6 and DPI awareness (Wine makes
    // every program DPI-aware, so the setting itself is read).
    ACTCTX_SECTION_KEYED_DATA controls{};
    controls.cbSize = sizeof controls;
    EXPECT_TRUE(FindActCtxSectionStringW(0, nullptr, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION,
                                         L"comctl32.dll", &controls));
    wchar_t dpi_aware[16] = {};
    EXPECT_TRUE(QueryActCtxSettingsW(0, nullptr,
                                     L"http://schemas.microsoft.com/SMI/2005/WindowsSettings",
                                     L"dpiAware", dpi_aware, 16, nullptr));
    EXPECT_STREQ(dpi_aware, L"true");
}

}  // namespace
}  // namespace kavel
