#pragma once
// A field bound to one figure of the program: the one way every question and
// setting field shows, checks and takes its figure.
//
// The figure (a member of the model state, or a form's own value) is the one
// copy. The field shows it in the field's format once its form has loaded
// and after every change notice, unless the user is editing it: the field holds the focus and
// its text is not the one it wrote. An edit reaches the figure only once it
// is accepted: its checks pass when the field is left, or the form's forward
// command accepts it. A refused text never reaches the figure; a text left
// without either (a close box, a Back that does not store, a field hidden
// under the focus) is dropped, and the field shows its figure again. Escape
// leaves no form that has fields: the text being typed stays, to be taken or
// dropped by whichever of these ways follows.
//
// Every bound field of the program is listed in one Registry, which also
// carries the one change notice: whoever changes a figure (an accepted edit,
// a load writing defaults, a calculator's confirmation, a review put back)
// says so once through it, and every field and every listener then shows
// the figures in use.

#include "platform/Control.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace fields {

class Field;

class Registry {
public:
    // A listener stays registered while its Listening lives.
    class Listening {
    public:
        Listening() = default;
        Listening(Listening&& other) noexcept;
        Listening& operator=(Listening&& other) noexcept;
        ~Listening();

    private:
        friend class Registry;
        Listening(Registry* registry, std::shared_ptr<std::function<void()>> listener);
        void end();
        Registry* registry_ = nullptr;
        std::shared_ptr<std::function<void()>> listener_;
    };

    Registry() = default;
    Registry(const Registry&) = delete;
    Registry& operator=(const Registry&) = delete;
    ~Registry();

    // A figure changed: every loaded field that the user is not editing
    // shows its figure, then every listener runs, in the order they came.
    // A field made or a listener added meanwhile takes part in this notice;
    // a notice given during another is carried out once that one is done,
    // at most MostRounds rounds in all, so handlers that keep giving notice
    // cannot hold the program. One still coming back then is a fault: it is
    // warned of, and where runaway notices fail (the test programs) it
    // throws std::logic_error. A handler that throws ends the notice; the
    // next one is carried out in full.
    void changed();
    // Off in the program, whatever its environment; each test program turns
    // it on before its first test.
    static void setRunawayFails(bool fails);
    static bool runawayFails();
    [[nodiscard]] Listening listen(std::function<void()> listener);

    static constexpr int MostRounds = 8;

private:
    friend class Field;
    void refresh();
    void remove(Field* field);
    void closeHoles();

    std::vector<Field*> fields_;
    std::vector<std::shared_ptr<std::function<void()>>> listeners_;
    int walking_ = 0;
    bool again_ = false;
};

// What a check made of a figure or a text. A refused one has told the user
// why, unless the check was asked to be quiet.
enum class Verdict { Accepted, Refused };

// What a field does with a refused text once the user has been told.
enum class OnRefusal {
    Reselect,  // the typed text stays, selected
    PutBack,   // the figure comes back, selected
    Keep,      // the typed text stays as it is
    Empty,     // the text is emptied, the focus stays
};

// How a typed text reads: the figure it stands for, or the refusal's message.
// A reading may also give the number read before a range refused it, and
// the text as it was read (a percentage as the fraction it stands for),
// which the field shows from then on; empty when the text stands as typed.
template <class T>
struct Reading {
    std::optional<T> value;
    QString refusal;
    std::optional<T> read;
    QString readAs;
    static Reading accept(T v, QString readAs = {}) { return {v, {}, v, std::move(readAs)}; }
    static Reading refuse(QString message) { return {std::nullopt, std::move(message), std::nullopt, {}}; }
    static Reading outOfRange(QString message, T read, QString readAs)
    {
        return {std::nullopt, std::move(message), read, std::move(readAs)};
    }
};

class Field {
public:
    Field(const Field&) = delete;
    Field& operator=(const Field&) = delete;
    virtual ~Field();

    platform::TextBox& box;

    // The figure in the field's format (its editing form while it holds the
    // focus), unless the user is editing it.
    void show();
    // Whether the field's text is the user's: typed since the field last
    // wrote its figure, or not the text it wrote.
    bool typed();
    bool editing();
    // The handlers every bound field has.
    void gotFocus();
    void validate(bool& cancel);
    void lostFocus();
    // The form's forward command: a typed text that passes the checks is
    // stored, any other is dropped. False when a typed text was refused.
    bool accept();
    // The typed text goes; the field shows its figure.
    void drop();
    // Selects the whole text and gives the field the focus.
    void selectWhole();

    // Runs after the field wrote its figure's text.
    std::function<void()> wrote;
    // Runs after an edit was accepted and stored in the figure.
    std::function<void()> taken;

protected:
    Field(Registry& registry, platform::TextBox& box, OnRefusal onRefusal);
    // The figure's text: the editing form while the field holds the focus.
    virtual QString figureText(bool editingForm) = 0;
    // Reads the text and stores it when every check passes, the user told
    // of a refusal unless quiet. A quiet reading, the forward command's,
    // leaves the further check to that command's own checks.
    virtual Verdict take(const QString& text, bool quiet) = 0;
    // The checks of a field left untouched, over its figure as it stands.
    virtual Verdict judgeStanding() = 0;
    void tell(const QString& message);

private:
    void write(const QString& text);
    void refused();

    Registry& registry_;
    OnRefusal onRefusal_;
    std::optional<QString> written_;
};

// A field of one figure of type T.
template <class T>
class Bound : public Field {
public:
    struct Format {
        std::function<QString(T)> shown;
        std::function<QString(T)> edited;  // empty: as shown
        std::function<Reading<T>(const QString&)> read;
        // The refusal of a figure the field shows but would not take (a
        // count not given yet); empty: every figure it shows stands.
        std::function<std::optional<QString>(T)> standing = {};
    };

    Bound(Registry& registry, platform::TextBox& box, T& figure, Format format,
          OnRefusal onRefusal = OnRefusal::Reselect)
        : Field(registry, box, onRefusal), figure(figure), format_(std::move(format))
    {
    }

    T& figure;

    // A further check over the number read (also one out of range, then
    // outOfRange is true), or over the figure when the field is left
    // untouched. A refusing check has told the user itself.
    std::function<Verdict(T read, bool outOfRange)> check;

    QString textOf(T v) { return format_.shown(v); }

protected:
    QString figureText(bool editingForm) override
    {
        return editingForm && format_.edited ? format_.edited(figure) : format_.shown(figure);
    }

    Verdict take(const QString& text, bool quiet) override
    {
        const Reading<T> r = format_.read(text);
        if (quiet && !r.value)
            return Verdict::Refused;
        if (!r.readAs.isEmpty() && !quiet)
            box.setText(r.readAs);
        if (!r.value)
            tell(r.refusal);
        const bool furtherRefuses = !quiet && check && r.read && check(*r.read, !r.value) == Verdict::Refused;
        if (!r.value || furtherRefuses)
            return Verdict::Refused;
        figure = *r.value;
        return Verdict::Accepted;
    }

    Verdict judgeStanding() override
    {
        if (format_.standing)
            if (std::optional<QString> message = format_.standing(figure)) {
                tell(*message);
                return Verdict::Refused;
            }
        return check ? check(figure, false) : Verdict::Accepted;
    }

private:
    Format format_;
};

} // namespace fields
