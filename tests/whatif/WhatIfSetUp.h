#pragma once
// The model state the cost and projection screens start from: a programme's
// figures, the tests chosen, and what the results and comparison screens'
// call sequences leave behind. The programmes of programmes.json come with
// every caption an independent model of the equations gives for them.

#include "model/Families.h"
#include "model/Selection.h"
#include "model/VarCon.h"

#include <QJsonObject>
#include <QString>
#include <functional>
#include <vector>

namespace whatif_test {

struct Programme {
    QString name;
    VarCon vc;
    Selection sel;
    // "Form.control" -> caption, "Form.control.Visible" -> bool.
    QJsonObject screens;
};

// The programmes of the acceptance data, each set up as the switch step
// leaves the model before the cost screen loads; `retest` replaces the
// programme's own NGZ choice when given.
std::vector<Programme> AcceptanceProgrammes();
Programme AcceptanceProgramme(const QString& name, const QString& retest = {});

// A programme of the given test and retest on the default figures of three
// age groups, changed by `change` before the tests are chosen, set up the same way.
Programme Default(ScrTestKind test, NgzTestKind retest, const std::function<void(VarCon&)>& change = {});

} // namespace whatif_test
