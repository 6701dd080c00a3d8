#pragma once

// What the tests ask of the system beyond Qt, with one meaning on Linux and on Windows.

#include <cstdint>

// While it lives, no file may grow past `bytes`: a write that would is refused, as a full disk
// would refuse it (Linux: RLIMIT_FSIZE; Windows, which has no such limit: Qt's own WriteFile
// calls are made to fail past that size).
class FileSizeLimit
{
public:
    explicit FileSizeLimit(std::int64_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;
};

// Whether the tests run as a Windows program under Wine, where some Linux tools cannot be reached.
bool underWine();

#ifdef _WIN32
// Replaces, in the import table of the loaded module `module` (e.g. L"Qt6Core.dll"; nullptr is the
// program itself), the function `function` it takes from any DLL by `replacement`. Returns what it
// called before, or nullptr when the module does not import it. Windows' way of interposing a call.
void *replaceImport(const wchar_t *module, const char *function, void *replacement);
#endif
