#pragma once
// The call sequences of the screens that compute run headless over the model
// state, so the tests can check that what each step leaves behind is what the
// next one reads. The screens' own computations (results/, switchto/, whatif/)
// come later and call the same equations in the same order.
#include "model/Selection.h"
#include "model/VarCon.h"

namespace ScreenSequences {

// A programme with three age groups and the default test figures and
// unit costs, before any selection.
VarCon ThreeAgeGroups();

// The questionnaire's test selection, forward command and agree step: selects the pair, copies the values in use, sets the costs.
Selection ChooseTests(VarCon& vc, ScrTestKind screening, NgzTestKind retest);

// FrmScrResult_Form_Load with its NGZ rows.
void ResultsScreen(VarCon& vc, const Selection& sel, bool confirmPositives);

// FrmSwitchTo_Form_Load writes the public values and the
// captions that the cost and projection equations read.
void SwitchToScreen(VarCon& vc, const Selection& sel);

// FrmSwitchToCost_Form_Load.
void CostScreen(VarCon& vc, const Selection& sel);

// FrmSwitchToAnaly_Form_Load.
void ProjectionScreen(VarCon& vc, const Selection& sel);

} // namespace ScreenSequences
