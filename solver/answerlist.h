#pragma once

#include <string>
#include <string_view>
#include <unordered_set>
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
    // Whether an entry equals text exactly (case-sensitive).
    virtual bool contains(std::string_view text) const = 0;
};

// A list held in memory, for callers without a window; it looks texts up in a hash set, as a
// round can bring hundreds of answers.
class AnswerList : public AnswerSink {
public:
    int count() const override { return static_cast<int>(m_entries.size()); }
    std::string entry(int index) const override { return m_entries.at(index); }
    void append(const std::string& text) override;
    bool contains(std::string_view text) const override;
    const std::vector<std::string>& entries() const { return m_entries; }
    void clear();

private:
    std::vector<std::string> m_entries;
    std::unordered_set<std::string> m_index;
};

// Adds a found answer: a text ending in ")" loses its first and last character (the outer
// brackets); a text already in the list is not added again.
void AddAnswer(AnswerSink& list, std::string_view text);

} // namespace solver
