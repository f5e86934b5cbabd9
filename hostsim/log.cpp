#include "hostsim/log.h"

#include <cstdio>
#include <memory>

#include "hostsim/text_output.h"
#include "text/utf8_text.h"

namespace {

struct FileCloser {
    void operator()(FILE* file) const noexcept { fclose(file); }
};

std::unique_ptr<FILE, FileCloser>& LogFile() {
    static std::unique_ptr<FILE, FileCloser> file;
    return file;
}

}  // namespace

void OpenLog(const std::optional<std::wstring>& path) {
    if (path) LogFile().reset(_wfopen(path->c_str(), L"ab"));
}

void Log(const std::wstring& line) {
    if (!LogFile()) {
        WriteErrorLine(L"hostsim: " + line);
        return;
    }
    const std::string bytes = Utf8FromWide(line) + '\n';
    fwrite(bytes.data(), 1, bytes.size(), LogFile().get());
    fflush(LogFile().get());
}
