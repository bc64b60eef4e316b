#include "files/ShellLink.h"

#include <objbase.h>
#include <shlobj.h>
#include <windows.h>

namespace waybill::launcher {

namespace {

// Releases a COM interface when it goes out of scope.
template <typename T> struct ComRef {
    T* p = nullptr;
    ~ComRef() {
        if (p)
            p->Release();
    }
};

} // namespace

bool WriteShellLink(const std::filesystem::path& linkPath, const std::filesystem::path& target,
                    const std::filesystem::path& icon, int showCommand) {
    const HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const bool mustUninitialize = SUCCEEDED(init);
    bool written = false;
    {
        ComRef<IShellLinkW> link;
        ComRef<IPersistFile> file;
        written = SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                             IID_IShellLinkW, reinterpret_cast<void**>(&link.p))) &&
                  SUCCEEDED(link.p->SetPath(target.c_str())) &&
                  SUCCEEDED(link.p->SetArguments(L"")) &&
                  SUCCEEDED(link.p->SetIconLocation(icon.c_str(), 0)) &&
                  SUCCEEDED(link.p->SetShowCmd(showCommand)) &&
                  SUCCEEDED(link.p->QueryInterface(IID_IPersistFile,
                                                   reinterpret_cast<void**>(&file.p))) &&
                  SUCCEEDED(file.p->Save(linkPath.c_str(), TRUE));
    }
    if (mustUninitialize)
        CoUninitialize();
    return written;
}

} // namespace waybill::launcher
