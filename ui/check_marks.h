#pragma once
// The list rows' check marks taken into the entries they show.

class CListCtrl;
class SampleSet;

// Row i shows entry i (the refresh builds the rows in set order): each entry gets its row's check mark as
// rowChecked. Entries without a row keep theirs.
void TakeCheckMarks(const CListCtrl& list, SampleSet& sampleSet);
