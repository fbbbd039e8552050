#pragma once
// A colour chooser that answers from a queue and records what it was shown;
// installed for its lifetime, the previous chooser restored afterwards.

#include "platform/ColourChooser.h"

#include <deque>
#include <vector>

namespace tavelin::test
{

class ScriptedColourChooser : public ColourChooser
{
public:
    ScriptedColourChooser() : m_previous(InstallColourChooser(this)) {}
    ~ScriptedColourChooser() override { InstallColourChooser(m_previous); }

    // The next answer: a colour, or nothing for cancel.
    void answer(std::optional<QColor> colour) { m_answers.push_back(colour); }
    const std::vector<QColor>& initials() const { return m_initials; }

    std::optional<QColor> chooseColour(QWidget*, const QColor& initial) override
    {
        m_initials.push_back(initial);
        if (m_answers.empty())
            return std::nullopt;
        std::optional<QColor> next = m_answers.front();
        m_answers.pop_front();
        return next;
    }

private:
    ColourChooser* m_previous;
    std::deque<std::optional<QColor>> m_answers;
    std::vector<QColor> m_initials;
};

} // namespace tavelin::test
