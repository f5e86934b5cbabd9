#include "ui/check_marks.h"

#include "calc/sample_set.h"
#include "dialogkit/list_ctrl.h"

#include <algorithm>

void TakeCheckMarks(const CListCtrl& list, SampleSet& sampleSet) {
    const int rows = std::min(list.GetItemCount(), sampleSet.count());
    for (int row = 0; row < rows; ++row) sampleSet.entry(row).rowChecked = list.GetCheck(row) ? 1 : 0;
}
