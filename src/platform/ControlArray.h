#pragma once
// A control array: N controls of one kind that share a name and one set of
// event handlers, each handler receiving the index of the control that raised
// it (OptScrTest(0..5) with one OptScrTest_Click(Index)). Element i carries
// the name "Name(i)". Handlers are set on the array, never on an element.

#include "platform/Control.h"

#include <QString>
#include <array>
#include <cstddef>
#include <functional>
#include <memory>

namespace platform {

template <class C, std::size_t N>
class ControlArray {
public:
    ControlArray(Form& form, const QString& name) : name_(name)
    {
        for (std::size_t i = 0; i < N; ++i) {
            elements_[i] = std::make_unique<C>(form, QStringLiteral("%1(%2)").arg(name).arg(i));
            C& c = *elements_[i];
            const int index = static_cast<int>(i);
            c.Click = [this, index] { if (Click) Click(index); };
            c.GotFocus = [this, index] { if (GotFocus) GotFocus(index); };
            c.LostFocus = [this, index] { if (LostFocus) LostFocus(index); };
            c.Validate = [this, index](bool& cancel) { if (Validate) Validate(index, cancel); };
        }
    }
    ControlArray(const ControlArray&) = delete;
    ControlArray& operator=(const ControlArray&) = delete;

    C& operator[](int index) { return *elements_.at(static_cast<std::size_t>(index)); }
    const C& operator[](int index) const { return *elements_.at(static_cast<std::size_t>(index)); }
    static constexpr int size() { return static_cast<int>(N); }
    const QString& name() const { return name_; }

    std::function<void(int index)> Click;
    std::function<void(int index)> GotFocus;
    std::function<void(int index)> LostFocus;
    std::function<void(int index, bool& cancel)> Validate;

private:
    QString name_;
    std::array<std::unique_ptr<C>, N> elements_;
};

} // namespace platform
