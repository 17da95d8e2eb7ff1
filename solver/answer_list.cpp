#include "answer_list.h"

namespace solver {

void AddAnswer(AnswerSink& list, std::string_view text) {
    if (!text.empty() && text.back() == ')') {
        text.remove_prefix(1);
        if (!text.empty())
            text.remove_suffix(1);
    }
    const int n = list.count();
    for (int i = 0; i < n; ++i) {
        if (list.entry(i) == text)
            return;
    }
    list.append(std::string(text));
}

} // namespace solver
