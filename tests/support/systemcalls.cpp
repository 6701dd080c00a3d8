#include "support/systemcalls.h"

#ifdef _WIN32

#include <windows.h>

#include <cstring>

void *replaceImport(const wchar_t *module, const char *function, void *replacement)
{
    auto *base = reinterpret_cast<BYTE *>(GetModuleHandleW(module));
    if (!base)
        return nullptr;
    const auto *dos = reinterpret_cast<const IMAGE_DOS_HEADER *>(base);
    const auto *nt = reinterpret_cast<const IMAGE_NT_HEADERS *>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY &imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (!imports.VirtualAddress)
        return nullptr;
    for (auto *dll = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR *>(base + imports.VirtualAddress); dll->Name; ++dll) {
        if (!dll->OriginalFirstThunk)
            continue;
        auto *names = reinterpret_cast<IMAGE_THUNK_DATA *>(base + dll->OriginalFirstThunk);
        auto *slots = reinterpret_cast<IMAGE_THUNK_DATA *>(base + dll->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal))
                continue;
            const auto *named = reinterpret_cast<const IMAGE_IMPORT_BY_NAME *>(base + names->u1.AddressOfData);
            if (std::strcmp(reinterpret_cast<const char *>(named->Name), function) != 0)
                continue;
            DWORD protection = 0;
            VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, PAGE_READWRITE, &protection);
            void *previous = reinterpret_cast<void *>(slots->u1.Function);
            slots->u1.Function = reinterpret_cast<ULONG_PTR>(replacement);
            VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, protection, &protection);
            return previous;
        }
    }
    return nullptr;
}

namespace {
std::int64_t g_limit = -1;
decltype(&WriteFile) g_write = nullptr;

BOOL WINAPI limitedWrite(HANDLE file, LPCVOID buffer, DWORD count, LPDWORD written, LPOVERLAPPED overlapped)
{
    LARGE_INTEGER position{};
    if (g_limit >= 0 && GetFileType(file) == FILE_TYPE_DISK &&
        SetFilePointerEx(file, LARGE_INTEGER{}, &position, FILE_CURRENT) && position.QuadPart + count > g_limit) {
        if (written)
            *written = 0;
        SetLastError(ERROR_DISK_FULL);
        return FALSE;
    }
    return g_write(file, buffer, count, written, overlapped);
}
} // namespace

FileSizeLimit::FileSizeLimit(std::int64_t bytes)
{
    g_limit = bytes;
    if (!g_write)
        g_write = reinterpret_cast<decltype(&WriteFile)>(
            replaceImport(L"Qt6Core.dll", "WriteFile", reinterpret_cast<void *>(&limitedWrite)));
}

FileSizeLimit::~FileSizeLimit()
{
    g_limit = -1;
}

bool underWine()
{
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

#else

#include <csignal>
#include <sys/resource.h>

namespace {
rlimit g_previous{};
}

FileSizeLimit::FileSizeLimit(std::int64_t bytes)
{
    std::signal(SIGXFSZ, SIG_IGN); // the write fails with EFBIG instead of ending the process
    getrlimit(RLIMIT_FSIZE, &g_previous);
    rlimit small = g_previous;
    small.rlim_cur = rlim_t(bytes);
    setrlimit(RLIMIT_FSIZE, &small);
}

FileSizeLimit::~FileSizeLimit()
{
    setrlimit(RLIMIT_FSIZE, &g_previous);
}

bool underWine()
{
    return false;
}

#endif
