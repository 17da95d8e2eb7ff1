#include "answerlist.h"

namespace solver {

void AnswerList::append(const std::string& text) {
    m_entries.push_back(text);
    m_index.insert(text);
}

bool AnswerList::contains(std::string_view text) const {
    return m_index.find(std::string(text)) != m_index.end();
}

void AnswerList::clear() {
    m_entries.clear();
    m_index.clear();
}

void AddAnswer(AnswerSink& list, std::string_view text) {
    if (!text.empty() && text.back() == ')') {
        text.remove_prefix(1);
        if (!text.empty())
            text.remove_suffix(1);
    }
    if (!list.contains(text))
        list.append(std::string(text));
}

} // namespace solver
