// chromdump FILE [--samples]: loads one chromatogram file with the module's reader and prints the result code
// and everything the reader holds afterwards as one line of JSON.

#include <cstdio>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include "text/utf8_text.h"
#endif

#include "chromfile/veltrox_file4.h"
#include "tools/chromdump/chrom_dump_json.h"

namespace {

constexpr int kUsageError = 2;

void WriteOut(std::FILE* stream, const std::string& bytes) {
    std::fwrite(bytes.data(), 1, bytes.size(), stream);
    std::fflush(stream);
}

int Run(int argc, const std::wstring* args) {
    const wchar_t* path = nullptr;
    bool withSamples = false;
    for (int i = 1; i < argc; ++i) {
        if (args[i] == L"--samples") {
            withSamples = true;
        } else if (args[i].rfind(L"--", 0) != 0 && path == nullptr) {
            path = args[i].c_str();
        } else {
            path = nullptr;
            break;
        }
    }
    if (path == nullptr) {
        WriteOut(stderr, "usage: chromdump FILE [--samples]\n");
        return kUsageError;
    }
    CVeltroxFile4 file;
    const int32_t result = file.Load(path);
    WriteOut(stdout, ChromDumpJson(result, file, withSamples) + "\n");
    return 0;
}

int RunGuarded(int argc, const std::wstring* args) {
    try {
        return Run(argc, args);
    } catch (const std::exception& error) {
        WriteOut(stderr, std::string("chromdump: ") + error.what() + "\n");
        return 1;
    }
}

}  // namespace

#ifdef _WIN32
int wmain(int argc, wchar_t** argv) {
    // The same bytes as natively: no CR inserted before the line end.
    _setmode(_fileno(stdout), _O_BINARY);
    std::vector<std::wstring> args(argv, argv + argc);
    return RunGuarded(argc, args.data());
}
#else
int main(int argc, char** argv) {
    std::vector<std::wstring> args;
    for (int i = 0; i < argc; ++i) args.push_back(WideFromUtf8(argv[i]));
    return RunGuarded(argc, args.data());
}
#endif
