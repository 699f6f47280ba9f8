#include "program/menu.h"

#include <shellapi.h>

#include "base/launcher_state.h"
#include "base/product.h"
#include "program/elevation.h"
#include "resources/resource_ids.h"
#include "setup/setup_options.h"

constexpr char WebSiteLinkText[] = "Thundra Website";

bool RunMenu()
{
    return DialogBoxParamA(LauncherInstance, MAKEINTRESOURCEA(IDD_MENU), nullptr, MenuDialogProc, 0) == IDC_PLAY;
}

// The link shows the piece of the picture under it, with its text over it.
static void DrawWebSiteLink(HWND dialog, const DRAWITEMSTRUCT* item)
{
    RECT link, picture;
    GetWindowRect(GetDlgItem(dialog, IDC_WEBSITE), &link);
    GetWindowRect(GetDlgItem(dialog, IDC_PICTURE), &picture);
    HDC memory = CreateCompatibleDC(item->hDC);
    HBITMAP bitmap = LoadBitmapA(LauncherInstance, MAKEINTRESOURCEA(IDB_MENU));
    HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
    BitBlt(item->hDC, item->rcItem.left, item->rcItem.top, item->rcItem.right - item->rcItem.left,
           item->rcItem.bottom - item->rcItem.top, memory, link.left - picture.left, link.top - picture.top, SRCCOPY);
    SelectObject(memory, oldBitmap);
    DeleteDC(memory);
    DeleteObject(bitmap);

    int oldMode = SetBkMode(item->hDC, TRANSPARENT);
    HFONT font = CreateFontA(15, 0, 0, 0, FW_DONTCARE, FALSE, TRUE, FALSE, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
    if (font != nullptr) {
        COLORREF oldColor = SetTextColor(item->hDC, RGB(255, 255, 255));
        HGDIOBJ oldFont = SelectObject(item->hDC, font);
        RECT text = item->rcItem;
        DrawTextA(item->hDC, WebSiteLinkText, -1, &text, 0);
        if (oldFont != nullptr)
            SelectObject(item->hDC, oldFont);
        DeleteObject(font);
        if (oldColor != CLR_INVALID)
            SetTextColor(item->hDC, oldColor);
    }
    if (oldMode != 0)
        SetBkMode(item->hDC, oldMode);
}

INT_PTR CALLBACK MenuDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: {
        static const int faces[][2] = {
            {IDC_PLAY, IDB_PLAY}, {IDC_SETUP, IDB_SETUP}, {IDC_NOTES, IDB_NOTES}, {IDCANCEL, IDB_EXIT}};
        for (const auto& face : faces) {
            HBITMAP bitmap = LoadBitmapA(LauncherInstance, MAKEINTRESOURCEA(face[1]));
            SendDlgItemMessageA(dialog, face[0], BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
        }
        return TRUE;
    }
    case WM_DRAWITEM:
        if (wParam != IDC_WEBSITE)
            return FALSE;
        DrawWebSiteLink(dialog, reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_SETUP:
            // The menu stays open: the user can press Play after installing.
            if (!HandOverToElevatedCopy(dialog, SetupSwitch))
                RunSetup(LauncherInstance, dialog);
            return FALSE;
        case IDC_NOTES:
            WinExec(NotesCommand, SW_SHOW);
            return FALSE;
        case IDC_WEBSITE:
            ShellExecuteA(dialog, nullptr, WebSiteAddress, nullptr, nullptr, SW_SHOW);
            return FALSE;
        default:
            EndDialog(dialog, LOWORD(wParam));
            return FALSE;
        }
    }
    return FALSE;
}
