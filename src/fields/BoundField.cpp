#include "fields/BoundField.h"

#include "platform/Dialogs.h"
#include "platform/Form.h"
#include "platform/Runtime.h"

#include <QtGlobal>

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace fields {

namespace {

bool failOnRunaway = false;

// A notice still coming back after its last round is a fault of its
// handlers, and a screen may be left with the figures before the last change.
// The program warns and goes on; the test programs make it fail instead.
void ranAway()
{
    const char* const what = "a change notice still came back after its last round";
    if (failOnRunaway)
        throw std::logic_error(what);
    qWarning("%s", what);
}

} // namespace

void Registry::setRunawayFails(bool fails) { failOnRunaway = fails; }
bool Registry::runawayFails() { return failOnRunaway; }

// Fields and listeners are walked by index, as a field's showing may load a
// form whose new fields join the list, and a listener may add another; one
// that goes meanwhile leaves a hole, closed once no walk is under way.
void Registry::refresh()
{
    for (std::size_t i = 0; i < fields_.size(); ++i)
        if (Field* f = fields_[i])
            f->show();
}

void Registry::closeHoles()
{
    std::erase(fields_, nullptr);
    std::erase(listeners_, nullptr);
}

void Registry::changed()
{
    if (walking_ > 0) {
        again_ = true;
        return;
    }
    // Whatever a handler does, throwing included, the registry is ready for
    // the next notice once this one ends.
    struct Walk {
        Registry& r;
        explicit Walk(Registry& registry) : r(registry) { ++r.walking_; }
        ~Walk()
        {
            r.again_ = false;
            if (--r.walking_ == 0)
                r.closeHoles();
        }
    } walk(*this);
    int rounds = 0;
    do {
        again_ = false;
        refresh();
        for (std::size_t i = 0; i < listeners_.size(); ++i)
            // Held while it runs: the list may grow or lose it meanwhile.
            if (const std::shared_ptr<std::function<void()>> listener = listeners_[i]; listener && *listener)
                (*listener)();
    } while (again_ && ++rounds < MostRounds);
    if (again_)
        ranAway();
}

Registry::Listening Registry::listen(std::function<void()> listener)
{
    auto held = std::make_shared<std::function<void()>>(std::move(listener));
    listeners_.push_back(held);
    return Listening(this, std::move(held));
}

Registry::~Registry()
{
    // Listenings that outlive the registry have nothing left to end.
    for (const auto& listener : listeners_)
        if (listener)
            *listener = nullptr;
}

Registry::Listening::Listening(Registry* registry, std::shared_ptr<std::function<void()>> listener)
    : registry_(registry), listener_(std::move(listener))
{
}

Registry::Listening::Listening(Listening&& other) noexcept
    : registry_(std::exchange(other.registry_, nullptr)), listener_(std::move(other.listener_))
{
}

Registry::Listening& Registry::Listening::operator=(Listening&& other) noexcept
{
    if (this != &other) {
        end();
        registry_ = std::exchange(other.registry_, nullptr);
        listener_ = std::move(other.listener_);
    }
    return *this;
}

Registry::Listening::~Listening() { end(); }

void Registry::Listening::end()
{
    if (!registry_ || !listener_ || !*listener_)
        return;  // never listened, or the registry is gone
    auto& listeners = registry_->listeners_;
    const auto at = std::find(listeners.begin(), listeners.end(), listener_);
    if (at != listeners.end()) {
        if (registry_->walking_ > 0)
            at->reset();
        else
            listeners.erase(at);
    }
    registry_ = nullptr;
    listener_.reset();
}

void Registry::remove(Field* field)
{
    if (walking_ > 0)
        std::replace(fields_.begin(), fields_.end(), field, static_cast<Field*>(nullptr));
    else
        std::erase(fields_, field);
}

Field::Field(Registry& registry, platform::TextBox& box_, OnRefusal onRefusal)
    : box(box_), registry_(registry), onRefusal_(onRefusal)
{
    registry_.fields_.push_back(this);
    box.GotFocus = [this] { gotFocus(); };
    box.Validate = [this](bool& cancel) { validate(cancel); };
    box.LostFocus = [this] { lostFocus(); };
    box.Loaded = [this] { show(); };
}

// The box outlives its field (a form declares its boxes first); it keeps no
// handler of a field that is gone.
Field::~Field()
{
    registry_.remove(this);
    box.GotFocus = nullptr;
    box.Validate = nullptr;
    box.LostFocus = nullptr;
    box.Loaded = nullptr;
}

// A load starts the box from its design, so what the field wrote before counts
// only while the box still shows it untouched. An empty field is read as
// what it stands for (a default, or no figure), never passed over.
bool Field::typed() { return box.userEdited() || !written_ || box.text() != *written_; }

bool Field::editing() { return box.hasFocus() && typed(); }

// Writing the text the user typed still makes it the field's own.
void Field::write(const QString& text)
{
    if (box.text() != text || box.userEdited())
        box.setText(text);
    written_ = text;
    if (wrote)
        wrote();
}

void Field::show()
{
    if (!box.form().isLoaded() || editing())
        return;
    const bool focused = box.hasFocus();
    const bool changes = box.text() != figureText(focused);
    write(figureText(focused));
    if (focused && changes)
        box.selectAll();
}

void Field::drop()
{
    if (!box.form().isLoaded())
        return;
    write(figureText(box.hasFocus()));
}

void Field::selectWhole()
{
    box.setSelStart(0);
    box.setSelLength(int(box.text().size()));
    box.setFocus();
}

void Field::gotFocus()
{
    // Entering the field shows the figure in its editing form; a text the
    // user typed and did not leave stays.
    if (!typed())
        write(figureText(true));
    selectWhole();
}

void Field::tell(const QString& message) { box.form().runtime().dialogs().msgBox(message); }

void Field::refused()
{
    switch (onRefusal_) {
    case OnRefusal::Reselect:
        selectWhole();
        break;
    case OnRefusal::PutBack:
        write(figureText(true));
        selectWhole();
        break;
    case OnRefusal::Keep:
        break;
    case OnRefusal::Empty:
        box.setText({});
        selectWhole();
        break;
    }
}

void Field::validate(bool& cancel)
{
    const bool wasTyped = typed() || box.text().isEmpty();
    const Verdict verdict = wasTyped ? take(box.text(), false) : judgeStanding();
    if (verdict == Verdict::Refused) {
        cancel = true;
        refused();
        return;
    }
    if (!wasTyped)
        return;
    write(figureText(true));
    if (taken)
        taken();
    registry_.changed();
}

// An accepted move has stored the text already; any other leaves it behind.
void Field::lostFocus() { write(figureText(false)); }

bool Field::accept()
{
    if (!box.form().isLoaded() || !(typed() || box.text().isEmpty()))
        return true;
    const bool accepted = take(box.text(), true) == Verdict::Accepted;
    drop();
    if (accepted) {
        if (taken)
            taken();
        registry_.changed();
    }
    return accepted;
}

} // namespace fields
