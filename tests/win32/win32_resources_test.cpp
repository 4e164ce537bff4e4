// The resources that exist on Windows alone, as the system loads them from a program that
// links them: each bitmap pixel for pixel against its PNGs (decoded by the system's GDI+),
// every icon size, the version record, and what the manifest asks for.

// Before <windows.h>, whose IDOK and IDCANCEL macros would replace the names of two ids.
#include "res/resource_ids.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <gdiplus.h>

#include <string>
#include <vector>

#include "app/kavel_version.h"
#include "res/win32/toolbar_images.h"

namespace kavel {
namespace {

HMODULE Self() { return GetModuleHandleW(nullptr); }

// A pixel of a PNG as a bitmap resource holds it: transparent ones in the toolbar's mask colour.
COLORREF AsResourcePixel(const Gdiplus::Color& colour) {
    return colour.GetA() == 0 ? RGB(win32res::kToolbarMaskRed, win32res::kToolbarMaskGreen,
                                    win32res::kToolbarMaskBlue)
                              : colour.ToCOLORREF();
}

TEST(Win32Resources, BitmapsAreTheirPicturesPixelForPixel) {
    struct Case {
        int id;
        WORD bits;
        std::vector<std::wstring> pngs;  // side by side
    };
    const Case cases[] = {
        {ids::IDB_USB_CONNECTED, 4, {L"usb_connected"}},
        {ids::IDB_USB_DISCONNECTED, 4, {L"usb_disconnected"}},
        {ids::IDR_MAINFRAME, 4, {L"tb16_cut", L"tb16_copy", L"tb16_paste", L"tb16_about"}},
        {ids::IDR_MAINFRAME_256, 24, {L"tb_cut", L"tb_copy", L"tb_paste", L"tb_about"}},
    };
    ULONG_PTR token = 0;
    const Gdiplus::GdiplusStartupInput startup;
    ASSERT_EQ(Gdiplus::GdiplusStartup(&token, &startup, nullptr), Gdiplus::Ok);
    for (const Case& c : cases) {
        // As the panel draws it: selected into a memory DC.
        const auto bitmap = static_cast<HBITMAP>(
            LoadImageW(Self(), MAKEINTRESOURCEW(c.id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        BITMAP loaded{};
        ASSERT_NE(GetObjectW(bitmap, sizeof loaded, &loaded), 0) << c.id;
        EXPECT_EQ(loaded.bmBitsPixel, c.bits) << c.id;
        const HDC memory = CreateCompatibleDC(nullptr);
        const HGDIOBJ old = SelectObject(memory, bitmap);
        int left = 0;
        for (const auto& name : c.pngs) {
            Gdiplus::Bitmap png((KAVEL_IMAGES_DIR L"/" + name + L".png").c_str());
            const int width = static_cast<int>(png.GetWidth());
            ASSERT_GT(width, 0);
            for (int y = 0; y < static_cast<int>(png.GetHeight()); ++y) {
                for (int x = 0; x < width; ++x) {
                    Gdiplus::Color colour;
                    png.GetPixel(x, y, &colour);
                    ASSERT_EQ(GetPixel(memory, left + x, y), AsResourcePixel(colour))
                        << c.id << " at " << left + x << ", " << y;
                }
            }
            left += width;
        }
        EXPECT_EQ(left, loaded.bmWidth) << c.id;
        SelectObject(memory, old);
        DeleteDC(memory);
        DeleteObject(bitmap);
    }
    Gdiplus::GdiplusShutdown(token);
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

TEST(Win32Resources, VersionRecordAndManifest) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    DWORD ignored = 0;
    std::vector<BYTE> record(GetFileVersionInfoSizeW(path, &ignored));
    ASSERT_TRUE(GetFileVersionInfoW(path, 0, record.size(), record.data()));
    const auto value = [&](const std::wstring& name) {
        void* found = nullptr;
        UINT length = 0;
        VerQueryValueW(record.data(), name.c_str(), &found, &length);
        return found;
    };
    const auto* fixed = static_cast<VS_FIXEDFILEINFO*>(value(L"\\"));
    ASSERT_NE(fixed, nullptr);
    const auto part = [](DWORD bits, int shift) { return std::to_string(bits >> shift & 0xFFFF); };
    EXPECT_EQ(part(fixed->dwFileVersionMS, 16) + "." + part(fixed->dwFileVersionMS, 0) + "." +
                  part(fixed->dwFileVersionLS, 16) + "." + part(fixed->dwFileVersionLS, 0),
              KAVEL_VERSION);
    for (const auto& [name, text] : {std::pair{L"FileDescription", L"Kavel"},
                                     {L"OriginalFilename", L"Kavel.exe"},
                                     {L"ProductName", L"Kavel"}}) {
        const auto* found =
            static_cast<wchar_t*>(value(L"\\StringFileInfo\\040904B0\\" + std::wstring(name)));
        EXPECT_STREQ(found != nullptr ? found : L"", text);
    }

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
