// The host's assay picker: the rows it reads, what it writes into the plug-in's buffer, when the analyst is
// asked at all, and the dialog itself driven as the analyst would (select rows, OK, Cancel, double-click).

#include <windows.h>
#include <commctrl.h>
#include <sqlite3.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>

#include "db/sql_exception.h"
#include "hostsim/assay_picker.h"
#include "hostsim/assay_rows.h"
#include "hostsim/host.h"
#include "hostsim/host_state.h"
#include "hostsim/message_recorder.h"
#include "hostsim/pick_assays.h"
#include "hostsim/picker_answer.h"
#include "hostsim/services.h"
#include "report/time_text.h"

// Found by the comparisons of the standard library: beside AssayRow, not in the test's own namespace.
bool operator==(const AssayRow& a, const AssayRow& b) {
    return a.id == b.id && a.date == b.date && a.sample == b.sample && a.method == b.method && a.filename == b.filename;
}

namespace {

namespace fs = std::filesystem;

// A database file of its own for each test, removed at the end.
class TempDatabase {
public:
    explicit TempDatabase(const char* sql) : path_(fs::temp_directory_path() / UniqueName()) {
        if (!sql) return;
        sqlite3* raw = nullptr;
        sqlite3_open16(path_.c_str(), &raw);
        const std::unique_ptr<sqlite3, int (*)(sqlite3*)> connection(raw, &sqlite3_close);
        EXPECT_EQ(sqlite3_exec(raw, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(raw);
    }
    ~TempDatabase() {
        std::error_code ignored;
        fs::remove(path_, ignored);
    }
    std::wstring Path() const { return path_.wstring(); }

private:
    static std::wstring UniqueName() {
        static int next = 0;
        return L"hostsim_picker_" + std::to_wstring(GetCurrentProcessId()) + L"_" + std::to_wstring(++next) + L".db";
    }
    fs::path path_;
};

constexpr char kSchema[] =
    "CREATE TABLE assay(id INTEGER PRIMARY KEY, date INTEGER NOT NULL, filename TEXT NOT NULL, sample TEXT,"
    " mixture TEXT, method TEXT, iscalibration INTEGER);";

// Rows in id order, NULL texts, and the ids a 32-bit buffer cannot carry.
constexpr char kRows[] =
    "INSERT INTO assay VALUES(7, 1600000000, 'C:\\data\\a.chr', 'Градуировка 1', 'смесь', 'Метод 462', 1);"
    "INSERT INTO assay VALUES(3, 0, 'b.chr', NULL, NULL, NULL, 0);"
    "INSERT INTO assay VALUES(4294967295, -5, 'max.chr', 'анализ', '', 'М', 0);"
    "INSERT INTO assay VALUES(4294967296, 1, 'beyond.chr', 's', '', 'm', 0);"
    "INSERT INTO assay VALUES(-1, 1, 'negative.chr', 's', '', 'm', 0);"
    "INSERT INTO assay VALUES(0, 86400, 'zero.chr', 'осушенный', '', 'm', 0);";

std::string Sql(const char* schema, const char* rows) {
    return std::string(schema) + rows;
}

TEST(AssayRows, EveryRowAPluginCanReceiveInIdOrder) {
    const TempDatabase database(Sql(kSchema, kRows).c_str());
    const std::vector<AssayRow> expected{
        {0, 86400, L"осушенный", L"m", L"zero.chr"},
        {3, 0, L"", L"", L"b.chr"},
        {7, 1600000000, L"Градуировка 1", L"Метод 462", L"C:\\data\\a.chr"},
        {4294967295u, -5, L"анализ", L"М", L"max.chr"},
    };
    EXPECT_EQ(ReadAssayRows(database.Path()), expected);
}

TEST(AssayRows, AnEmptyTableGivesNoRows) {
    const TempDatabase database(kSchema);
    EXPECT_TRUE(ReadAssayRows(database.Path()).empty());
}

// What cannot be read is SQLite's error, and reading never creates or changes the file.
TEST(AssayRows, UnreadableDatabasesRaiseSqliteText) {
    const struct {
        const char* sql;  // null: no file at all
        const char* text;
    } cases[] = {
        {nullptr, "unable to open database file"},
        {"CREATE TABLE peak(id INTEGER);", "no such table: assay"},
        {"CREATE TABLE assay(id INTEGER);", "no such column: date"},
    };
    for (const auto& c : cases) {
        const TempDatabase database(c.sql);
        const bool existed = fs::exists(database.Path());
        const auto size = existed ? fs::file_size(database.Path()) : 0;
        try {
            ReadAssayRows(database.Path());
            ADD_FAILURE() << "no failure for " << c.text;
        } catch (const DataBase::SqlException& error) {
            EXPECT_STREQ(error.what(), c.text);
        }
        EXPECT_EQ(fs::exists(database.Path()), existed) << c.text;
        if (existed) {
            EXPECT_EQ(fs::file_size(database.Path()), size) << c.text;
        }
    }
}

TEST(PickerAnswer, WritesWhatFitsAndAnswersHowMany) {
    const struct {
        std::vector<uint32_t> ids;
        int32_t capacity;
        bool nullArray;
        int32_t answer;
        std::vector<uint32_t> buffer;  // after the call, the buffer being 3 ids of 99
    } cases[] = {
        {{5, 6}, 3, false, 2, {5, 6, 99}},      {{5, 6, 7}, 3, false, 3, {5, 6, 7}},
        {{5, 6, 7, 8}, 3, false, 3, {5, 6, 7}}, {{5, 6, 7, 8}, 1, false, 1, {5, 99, 99}},
        {{}, 3, false, 0, {99, 99, 99}},        {{5}, 0, false, 0, {99, 99, 99}},
        {{5}, -1, false, 0, {99, 99, 99}},      {{5}, 3, true, 0, {99, 99, 99}},
    };
    for (const auto& c : cases) {
        std::vector<uint32_t> ids(3, 99);
        const IdBuffer buffer{c.nullArray ? nullptr : ids.data(), c.capacity};
        EXPECT_EQ(WriteIds(&buffer, c.ids), c.answer) << c.ids.size() << " ids, capacity " << c.capacity;
        EXPECT_EQ(ids, c.buffer) << c.ids.size() << " ids, capacity " << c.capacity;
    }
    EXPECT_EQ(WriteIds(nullptr, {1}), 0);
}

// Queued script answers come first and stay as they are; the analyst's picker answers only the calls nothing
// was queued for, and only where one is set.
TEST(PickerService, QueuedAnswersFirstThenTheAnalystsPicker) {
    Host host({});
    HostState state;
    AddSystemServices(host, state, std::nullopt, std::nullopt);
    std::vector<uint32_t> ids(4, 0);
    IdBuffer buffer{ids.data(), 4};
    auto call = [&](HostValue owner) {
        return host.Interface()->CallService("Main/OpenAssayIdDlgEx", reinterpret_cast<HostValue>(&buffer), owner);
    };
    EXPECT_EQ(call(0), 0) << "no picker, nothing queued";

    std::vector<std::pair<HWND, const IdBuffer*>> shown;
    state.showPicker = [&shown](HWND owner, const IdBuffer* picked) -> HostValue {
        shown.emplace_back(owner, picked);
        return 2;
    };
    state.pickAnswers.push_back({{9}, 257});
    EXPECT_EQ(call(0), 257);
    EXPECT_EQ(ids[0], 9);
    EXPECT_TRUE(shown.empty());

    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(call(reinterpret_cast<HostValue>(window)), 2);
    EXPECT_EQ(call(12345), 2) << "no window: an unowned picker";
    DestroyWindow(window);
    const std::vector<std::pair<HWND, const IdBuffer*>> expected{{window, &buffer}, {nullptr, &buffer}};
    EXPECT_EQ(shown, expected);
}

// The dialog, driven from a thread timer while its modal loop runs: the timer finds the picker, hands it to
// the test's driver once, and cancels a picker the driver left open so that no test can hang.
class PickerDriver {
public:
    using Drive = std::function<void(HWND dialog, HWND list)>;

    explicit PickerDriver(Drive drive) : drive_(std::move(drive)) {
        current_ = this;
        timer_ = SetTimer(nullptr, 0, 50, &Tick);
    }
    ~PickerDriver() {
        KillTimer(nullptr, timer_);
        current_ = nullptr;
    }
    bool Driven() const { return driven_; }
    // Whether the driver left the picker open and the timer had to cancel it.
    bool Abandoned() const { return abandoned_; }

private:
    // A window-enumeration callback is a stdcall function, which a lambda is not on i686.
    static BOOL CALLBACK IsPicker(HWND window, LPARAM data) {
        wchar_t title[64] = {};
        GetWindowTextW(window, title, 64);
        if (!IsWindowVisible(window) || wcscmp(title, L"Выбор хроматограмм") != 0) return TRUE;
        *reinterpret_cast<HWND*>(data) = window;
        return FALSE;
    }

    static HWND FindPicker() {
        HWND found = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), &IsPicker, reinterpret_cast<LPARAM>(&found));
        return found;
    }

    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        PickerDriver* self = current_;
        HWND dialog = FindPicker();
        if (!self || !dialog) return;
        if (!self->driven_) {
            self->driven_ = true;
            self->drive_(dialog, FindWindowExW(dialog, nullptr, WC_LISTVIEWW, nullptr));
        } else if (++self->ticksAfter_ > 40) {
            self->abandoned_ = true;
            PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        }
    }

    static PickerDriver* current_;
    Drive drive_;
    UINT_PTR timer_ = 0;
    bool driven_ = false;
    bool abandoned_ = false;
    int ticksAfter_ = 0;
};
PickerDriver* PickerDriver::current_ = nullptr;

void Select(HWND list, std::initializer_list<int> rows) {
    for (int row : rows) ListView_SetItemState(list, row, LVIS_SELECTED, LVIS_SELECTED);
}

std::wstring CellText(HWND list, int row, int column) {
    wchar_t text[512] = {};
    ListView_GetItemText(list, row, column, text, 512);
    return text;
}

std::wstring HeaderText(HWND list, int column) {
    wchar_t text[64] = {};
    LVCOLUMNW item{};
    item.mask = LVCF_TEXT;
    item.pszText = text;
    item.cchTextMax = 64;
    ListView_GetColumn(list, column, &item);
    return text;
}

const std::vector<AssayRow> kPickerRows{
    {3, 0, L"", L"", L"b.chr"},
    {7, 1600000000, L"Градуировка 1", L"Метод 462", L"C:\\data\\a.chr"},
    {4294967295u, 86400, L"анализ", L"М", L"max.chr"},
};

TEST(AssayPickerDialog, ListsEveryRowUnderItsColumns) {
    std::vector<std::vector<std::wstring>> cells;
    std::vector<std::wstring> headers;
    LONG_PTR listStyle = 0;
    PickerDriver driver([&](HWND dialog, HWND list) {
        listStyle = GetWindowLongPtrW(list, GWL_STYLE);
        for (int column = 0; column < 5; ++column) headers.push_back(HeaderText(list, column));
        for (int row = 0; row < ListView_GetItemCount(list); ++row) {
            cells.emplace_back();
            for (int column = 0; column < 5; ++column) cells.back().push_back(CellText(list, row, column));
        }
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_TRUE(ShowAssayPicker(nullptr, kPickerRows).empty());
    ASSERT_TRUE(driver.Driven());
    EXPECT_EQ(headers, (std::vector<std::wstring>{L"Номер", L"Дата", L"Проба", L"Методика", L"Файл"}));
    const std::vector<std::vector<std::wstring>> expected{
        {L"3", AnalyseTimeText(0), L"", L"", L"b.chr"},
        {L"7", AnalyseTimeText(1600000000), L"Градуировка 1", L"Метод 462", L"C:\\data\\a.chr"},
        {L"4294967295", AnalyseTimeText(86400), L"анализ", L"М", L"max.chr"},
    };
    EXPECT_EQ(cells, expected);
    EXPECT_EQ(listStyle & LVS_TYPEMASK, LVS_REPORT);
    EXPECT_EQ(listStyle & LVS_SINGLESEL, 0) << "several rows can be selected";
}

// Each way the analyst leaves the picker, with rows selected before it: what the picker answers.
TEST(AssayPickerDialog, AnswersTheSelectedIdsOnlyWhenTaken) {
    const struct {
        const char* name;
        std::initializer_list<int> selected;
        std::function<void(HWND dialog, HWND list)> leave;
        std::vector<uint32_t> ids;
    } cases[] = {
        {"OK", {0, 2}, [](HWND dialog, HWND) { PostMessageW(dialog, WM_COMMAND, IDOK, 0); }, {3, 0xFFFFFFFFu}},
        {"OK without a selection", {}, [](HWND dialog, HWND) { PostMessageW(dialog, WM_COMMAND, IDOK, 0); }, {}},
        {"Cancel", {1}, [](HWND dialog, HWND) { PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0); }, {}},
        {"Escape", {1}, [](HWND, HWND list) { PostMessageW(list, WM_KEYDOWN, VK_ESCAPE, 0); }, {}},
        {"double-click on a row",
         {1},
         [](HWND, HWND list) {
             RECT item{};
             item.left = LVIR_BOUNDS;
             SendMessageW(list, LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
             PostMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(item.left + 5, (item.top + item.bottom) / 2));
         },
         {7}},
    };
    for (const auto& c : cases) {
        PickerDriver driver([&c](HWND dialog, HWND list) {
            Select(list, c.selected);
            c.leave(dialog, list);
        });
        EXPECT_EQ(ShowAssayPicker(nullptr, kPickerRows), c.ids) << c.name;
        EXPECT_TRUE(driver.Driven()) << c.name;
        EXPECT_FALSE(driver.Abandoned()) << c.name;
    }
}

TEST(PickAssays, WritesTheChosenIdsThatFitTheBuffer) {
    const TempDatabase database(Sql(kSchema, kRows).c_str());
    PickerDriver driver([](HWND dialog, HWND list) {
        Select(list, {1, 2, 3});
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    });
    std::vector<uint32_t> ids(2, 0);
    const IdBuffer buffer{ids.data(), 2};
    EXPECT_EQ(PickAssays(nullptr, database.Path(), &buffer), 2);
    EXPECT_EQ(ids, (std::vector<uint32_t>{3, 7}));
}

TEST(PickAssays, AnUnreadableDatabaseIsToldAndAnswersNothing) {
    const TempDatabase missing(nullptr);
    const TempDatabase withoutAssays("CREATE TABLE peak(id INTEGER);");
    const struct {
        std::optional<std::wstring> database;
        std::wstring message;
    } cases[] = {
        {missing.Path(), L"Не удалось прочитать базу данных: unable to open database file"},
        {withoutAssays.Path(), L"Не удалось прочитать базу данных: no such table: assay"},
        {std::nullopt, L"База данных не задана: запустите hostsim с --db."},
    };
    for (const auto& c : cases) {
        HostState state;
        MessageRecorder recorder(state);
        std::vector<uint32_t> ids(2, 99);
        const IdBuffer buffer{ids.data(), 2};
        EXPECT_EQ(PickAssays(nullptr, c.database, &buffer), 0);
        EXPECT_EQ(ids, (std::vector<uint32_t>{99, 99}));
        EXPECT_EQ(state.messages, std::vector<std::wstring>{c.message});
    }
}

}  // namespace
