#include "WhatIfScreens.h"

namespace whatif_test {

platform::Control* Find(platform::Form& form, const QString& name)
{
    for (platform::Control* c : form.controls())
        if (c->name() == name)
            return c;
    ADD_FAILURE() << form.name().toStdString() << " has no " << name.toStdString();
    return nullptr;
}

QString CaptionOf(platform::Form& form, const QString& name)
{
    auto* label = dynamic_cast<platform::Label*>(Find(form, name));
    return label ? label->caption() : QString("<not a label>");
}

} // namespace whatif_test
