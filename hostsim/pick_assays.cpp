#include "hostsim/pick_assays.h"

#include "db/sql_exception.h"
#include "hostsim/assay_picker.h"
#include "hostsim/assay_rows.h"
#include "hostsim/picker_answer.h"
#include "text/utf8_text.h"

namespace {

void TellAnalyst(HWND owner, const std::wstring& text) {
    MessageBoxW(owner, text.c_str(), L"hostsim", MB_OK | MB_ICONERROR);
}

}  // namespace

HostValue PickAssays(HWND owner, const std::optional<std::wstring>& database, const IdBuffer* buffer) {
    if (!database) {
        TellAnalyst(owner, L"База данных не задана: запустите hostsim с --db.");
        return 0;
    }
    std::vector<AssayRow> rows;
    try {
        rows = ReadAssayRows(*database);
    } catch (const DataBase::SqlException& error) {
        TellAnalyst(owner, L"Не удалось прочитать базу данных: " + WideFromUtf8(error.what()));
        return 0;
    }
    return WriteIds(buffer, ShowAssayPicker(owner, rows));
}
