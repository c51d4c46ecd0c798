#pragma once
// The unit-cost form: the thirteen unit costs of tests, drugs and PID. Its
// first load of a pass puts the default costs into the model, a later load
// shows the costs in use. Each box is bound to its cost in the model, which
// the sensitivity form, the test-cost calculator and the drug-cost form
// change too. On the road through the questions it shows only the
// confirmation test's row.

#include "platform/Control.h"
#include "shell/Resize.h"
#include "fields/BoundField.h"
#include "model/Money.h"

#include <memory>
#include <vector>

struct VarCon;

class FrmTestCost : public ScalingForm {
public:
    explicit FrmTestCost(Program& p);
    ~FrmTestCost() override;

    platform::Label Label3{*this, "Label3"};
    platform::Label Label4{*this, "Label4"};
    platform::Frame FraCosOfTest{*this, "FraCosOfTest"};
    platform::Label Label1{*this, "Label1"};
    platform::Label Label2{*this, "Label2"};

    platform::Label lblGp{*this, "lblGp"};
    platform::TextBox TxtCostGP{*this, "TxtCostGP"};
    platform::Label lblEIA{*this, "lblEIA"};
    platform::TextBox TxtCostEIA{*this, "TxtCostEIA"};
    platform::Label lblPCRC{*this, "lblPCRC"};
    platform::TextBox TxtCostPCRC{*this, "TxtCostPCRC"};
    platform::Label lblPCRU{*this, "lblPCRU"};
    platform::TextBox TxtCostPCRU{*this, "TxtCostPCRU"};
    platform::Label lblLCRC{*this, "lblLCRC"};
    platform::TextBox TxtCostLCRC{*this, "TxtCostLCRC"};
    platform::Label lblLCRU{*this, "lblLCRU"};
    platform::TextBox TxtCostLCRU{*this, "TxtCostLCRU"};
    platform::Label lblDFA{*this, "lblDFA"};
    platform::TextBox TxtCostDFA{*this, "TxtCostDFA"};
    platform::Label lblPCA{*this, "lblPCA"};
    platform::TextBox TxtCostPCA{*this, "TxtCostPCA"};
    platform::Label lblDox{*this, "lblDox"};
    platform::TextBox TxtCostDox{*this, "TxtCostDox"};
    platform::Label lblAzi{*this, "lblAzi"};
    platform::TextBox TxtCostAzi{*this, "TxtCostAzi"};
    platform::Label lblDFANGZ{*this, "lblDFANGZ"};
    platform::TextBox TxtCostDNGZ{*this, "TxtCostDNGZ"};
    platform::Label lblPCRNGZ{*this, "lblPCRNGZ"};
    platform::TextBox TxtCostPNGZ{*this, "TxtCostPNGZ"};
    platform::Label lblPid{*this, "lblPid"};
    platform::TextBox TxtCostPID{*this, "TxtCostPID"};

    platform::CommandButton cmdNext{*this, "cmdNext"};

    void Form_Load() override;
    void cmdNext_Click();

    // The costs the form holds: its thirteen boxes' in the order its first
    // load writes their defaults, then the two confirmation costs as its
    // boxes show them.
    static std::vector<Money VarCon::*> costs();

    // The GotFocus operation of a cost box: the stored cost, selected, with
    // the focus (the confirmation question uses those of DFA and PCA).
    void TxtCostDFA_GotFocus() { field(TxtCostDFA).gotFocus(); }
    void TxtCostPCA_GotFocus() { field(TxtCostPCA).gotFocus(); }

private:
    fields::Bound<Money>& field(platform::TextBox& box);

    std::vector<std::unique_ptr<fields::Bound<Money>>> fields_;
};
