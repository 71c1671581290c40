// The install folders as Windows names them: they may lie on another drive or carry
// another name than "C:\Program Files" (a localised system, a changed setup).
#include <windows.h>
// The shell's folder ids need windows.h first.
#include <knownfolders.h>
#include <shlobj.h>

#include <cstdlib>

#include "savedata/install_folders.h"

namespace foalix::savedata {
namespace {

std::string utf8(const std::wstring& wide) {
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(size > 0 ? size - 1 : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, text.data(), size, nullptr, nullptr);
    return text;
}

// The folder, or empty text when this system has none of that kind.
std::wstring knownFolder(REFKNOWNFOLDERID id) {
    PWSTR path = nullptr;
    std::wstring folder;
    if (SUCCEEDED(SHGetKnownFolderPath(id, KF_FLAG_DEFAULT, nullptr, &path))) {
        folder = path;
    }
    CoTaskMemFree(path);
    return folder;
}

std::wstring environment(const wchar_t* name) {
    const wchar_t* value = _wgetenv(name);
    return value == nullptr ? std::wstring() : std::wstring(value);
}

}  // namespace

InstallFolders systemInstallFolders() {
    // The real Program Files folder (a 64-bit program may also learn it from ProgramW6432;
    // a 32-bit Windows has only the one FOLDERID_ProgramFiles names), then the 32-bit
    // programs' folder where a 64-bit Windows keeps one.
    std::wstring real;
    for (const std::wstring& folder :
         {knownFolder(FOLDERID_ProgramFilesX64), environment(L"ProgramW6432"),
          knownFolder(FOLDERID_ProgramFiles)}) {
        if (!folder.empty()) {
            real = folder;
            break;
        }
    }
    const std::wstring x86 = knownFolder(FOLDERID_ProgramFilesX86);
    InstallFolders folders;
    folders.ignoreCase = true;
    folders.programFiles.push_back(real.empty() ? "C:\\Program Files" : utf8(real));
    if (!x86.empty() &&
        CompareStringOrdinal(x86.c_str(), -1, real.c_str(), -1, TRUE) != CSTR_EQUAL) {
        folders.programFiles.push_back(utf8(x86));
    }
    const std::wstring local = knownFolder(FOLDERID_LocalAppData);
    if (!local.empty()) {
        folders.virtualStore = utf8(local) + "\\VirtualStore";
    }
    return folders;
}

std::string localAppDataFolder() {
    const std::wstring known = knownFolder(FOLDERID_LocalAppData);
    return utf8(known.empty() ? environment(L"LOCALAPPDATA") : known);
}

}  // namespace foalix::savedata
