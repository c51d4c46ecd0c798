#pragma once
// Finding a control of a form by its design name, as the acceptance data
// names them ("lblNoInf", "fraNGZtest").

#include "platform/Form.h"

#include <QString>

#include <gtest/gtest.h>

namespace testsupport {

inline platform::Control* controlNamed(platform::Form& form, const QString& name)
{
    for (platform::Control* c : form.controls())
        if (c->name() == name)
            return c;
    return nullptr;
}

// The caption of the label of that name; a test fails if there is none.
inline QString captionOf(platform::Form& form, const QString& name)
{
    auto* label = dynamic_cast<platform::Label*>(controlNamed(form, name));
    EXPECT_NE(label, nullptr) << name.toStdString();
    return label ? label->caption() : QString();
}

} // namespace testsupport
