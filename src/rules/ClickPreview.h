#pragma once

#include <QString>
#include <array>

namespace tamb {

struct Model;

// How far a choice is from complete: its fault mask and the shortfalls that
// the message area counts.
struct Shortfall
{
    int mask = 0;
    int missingCore = 0;    // core subjects still missing (of 5)
    int missingWritten = 0; // written examination subjects still missing (of 4)
    int weeklyHours = 0;    // sum of the four half-years
    int countable = 0;      // courses countable in Block I (while the mask is 0)
};

// What a left click into the course table would do.
enum class ClickKind : quint8 {
    NoChange, // nothing happens: no rule acts, or one refuses without a sound
    Refused,  // a beep, with the hint in `hint` or none
    Question, // a question is asked (the four-hour question)
    Dialog,   // a window opens (the special learning achievement)
    Change,   // the choice changes
};

struct ClickOutcome
{
    ClickKind kind = ClickKind::NoChange;
    QString hint;     // the hint the click shows, also beside a question or window
    QString question; // the text of the question asked
    Shortfall after;  // the choice after the click (questions answered No)
};

// Whether a change brings the choice closer to complete: it adds no fault
// and raises no shortfall, and it clears a fault, lowers the number of
// missing core or written subjects, adds hours while they are the only
// fault, or adds countable courses while fewer than 40 are.
bool Closer(const Shortfall &before, const Shortfall &after);

// Whether a change makes the fault of one line of the message area go away
// or shrink: `fault` as MessageFault gives it.
bool Mends(const Shortfall &before, const Shortfall &after, int fault);

// The outcome of a left click into every cell of columns 0 to 7, rows 1 to
// 29, found by clicking a copy of the model through the dispatcher with
// questions answered No and nothing shown. The model itself stays as it is.
class ClickPreview
{
public:
    static constexpr int Columns = 8;
    static constexpr int FirstRow = 1;
    static constexpr int LastRow = 29;

    ClickPreview() = default;
    explicit ClickPreview(const Model &m);

    bool isEmpty() const { return m_empty; }
    const Shortfall &before() const { return m_before; }
    // Outside the previewed cells: an empty outcome of kind NoChange.
    const ClickOutcome &at(int col, int row) const;
    bool contains(int col, int row) const
    {
        return !m_empty && col >= 0 && col < Columns && row >= FirstRow && row <= LastRow;
    }

    // Clicking would be refused or change nothing.
    bool refused(int col, int row) const;
    // The click changes the choice and brings it closer to complete.
    bool suggested(int col, int row) const;
    // The click mends the fault of a message line (see Mends).
    bool mends(int col, int row, int fault) const;

private:
    bool m_empty = true;
    Shortfall m_before;
    std::array<ClickOutcome, Columns *(LastRow - FirstRow + 1)> m_cells;
};

// The outcome of one click on a copy of `m` (any cell, as the dispatcher
// takes it).
ClickOutcome PreviewClick(const Model &m, int col, int row);
// The shortfall of a model whose refresh has run.
Shortfall ShortfallOf(Model &refreshed);

} // namespace tamb
