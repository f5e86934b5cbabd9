#pragma once
// DlgMain: the module's one working window, a modeless dialog (template 101) that the menu command creates
// once and shows. The analyst collects chromatograms into the list, types the masses, recalculates and
// reads the water value and the failed checks, and asks for the report. Closing hides the window; the
// object keeps its state until the module leaves memory.

#include "calc/sample_set.h"
#include "calc/water_calculator.h"
#include "dialogkit/dialog.h"
#include "dialogkit/message_filter.h"
#include "dialogkit/tool_tip_ctrl.h"
#include "report/report_environment.h"
#include "ui/assay_loading.h"
#include "ui/grid_ctrl.h"
#include "ui/stored_list_restore.h"

#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <utility>

class ReportBuilder;

class DlgMain : public CDialogEx, private NoWaterReporter {
public:
    DlgMain();
    // Destroys the window first, so that the list frees its rows and the keyboard hook goes while every
    // part of the object still exists; the state is not saved.
    ~DlgMain() override;

    // "Пересчитать": takes the fields, runs the calculation, shows the result and the fields again.
    void OnRecalculate();
    // "->": the report of the last recalculation; what was typed since is not taken.
    void OnReport();
    // Replaces ShellExecuteW for the reports (tests answer and record instead of looking up the machine's
    // program for HTML); an empty function restores the platform's.
    void SetReportShell(ShellExecuteFunction shell) { reportShell_ = std::move(shell); }
    // IDCANCEL ("Закрыть", the close box, Escape): saves the state and hides the window.
    void OnClose();
    // IDOK (Enter in a field): once every field holds a number, the same as "Закрыть"; a hidden dialog must
    // never have dropped what the analyst typed or collected.
    void OnOK() override;

    // The list commands.
    void OnAdd();
    void OnRemove();
    void OnRemoveAll();
    void OnOpen();
    // Rebuilds the rows from the sample set.
    void RefreshList();
    // Tells the host that the sample set changed: message 1035 to the parent of the dialog's parent, or to
    // the dialog's parent itself when that is the host's top-level window, never to the thread.
    void NotifySetChanged();

    // The state in the host's profile: written at every close (IDCANCEL and IDOK), read once when the window
    // is created. A list that could not be kept whole is told to the analyst.
    void SaveState();
    void RestoreState();
    // The stored list is still being read: the dialog answers meanwhile, its list fills when all is read.
    bool Restoring() const { return restore_.Running(); }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;
    bool OnSysCommand(UINT id, LPARAM lParam) override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void reportNoWater(std::wstring_view message) override;
    void SetButtonImages();
    void CreateToolTips();
    void SetUpList();
    // Hands the tooltip the mouse message that a WM_SETCURSOR announces for window.
    void RelayToolTip(HWND window, UINT mouseMessage);
    // Shows the restored list and tells the analyst what could not be read. A stopped restore (or one that
    // could not read the database) leaves the stored list for the next load.
    void OnRestoreEnded(const AssayLoad& load, bool stopped);
    // A mass field's text changed: typed, pasted or put there by the dialog.
    void OnMassChanged(int id);
    // The list or a mass changed: a result on screen no longer belongs to them (nothing before the first
    // calculation).
    void PutResultOutOfDate();

    // m1 to m4, the portion and the sample.
    static constexpr std::size_t kMassFieldCount = 6;

    CGridCtrl list_;
    CToolTipCtrl tooltip_;
    SampleSet sampleSet_;
    FormValues form_;
    CalcResults results_;
    std::unique_ptr<WaterCalculator> calculator_;
    std::unique_ptr<ReportBuilder> reportBuilder_;
    ShellExecuteFunction reportShell_;
    // Offers the dialog its keys through the dialog manager whatever the host's message loop does.
    std::optional<dialogkit::MessageFilterHook> keyboard_;
    // The restore could not read the stored list from the database: a close leaves the stored list as it is
    // until the analyst changes the list.
    bool keepStoredList_ = false;
    // The mass fields' texts as the last calculation left them; none before the first calculation and while
    // its result is out of date.
    std::optional<std::array<std::wstring, kMassFieldCount>> calculatedMasses_;
    // Reads the stored list after the window shows.
    StoredListRestore restore_{sampleSet_,
                               [this](const AssayLoad& load, bool stopped) { OnRestoreEnded(load, stopped); }};
};
