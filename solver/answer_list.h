#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace solver {

// The list the found answers go to, in the order they were added.
class AnswerSink {
public:
    virtual ~AnswerSink() = default;
    virtual int count() const = 0;
    virtual std::string entry(int index) const = 0; // 0 <= index < count()
    // Appends at the end and shows the new entry at once.
    virtual void append(const std::string& text) = 0;
};

// A list held in memory, for callers without a window.
class AnswerList : public AnswerSink {
public:
    int count() const override { return static_cast<int>(m_entries.size()); }
    std::string entry(int index) const override { return m_entries.at(index); }
    void append(const std::string& text) override { m_entries.push_back(text); }
    const std::vector<std::string>& entries() const { return m_entries; }
    void clear() { m_entries.clear(); }

private:
    std::vector<std::string> m_entries;
};

// Adds a found answer: a text ending in ")" loses its first and last character (the outer
// brackets); a text already in the list is not added again.
void AddAnswer(AnswerSink& list, std::string_view text);

} // namespace solver
