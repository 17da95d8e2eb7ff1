#include "solver.h"

#include "answerlist.h"
#include "solverhost.h"

#include <charconv>

namespace solver {

namespace {

constexpr Recipe kBare{};

// Whether `a op b` equals t, for a search value a > 0 and a number or value b >= 0, without
// dividing: the exact quotient a / b equals t exactly when a == b * t. Never for t < 1.
inline bool Reaches(std::int64_t a, std::int64_t b, int op, std::int64_t t) {
    switch (op) {
    case OpAdd:
        return a + b == t;
    case OpSubtract:
        return t > 0 && (a - b == t || b - a == t);
    case OpMultiply:
        return a * b == t && a != 1 && b != 1;
    default:
        return (a == b * t && b != 1) || (b == a * t && a != 1);
    }
}

// The left operands a > 0 for which `a op b` equals t for some op; 0 stands for none.
struct Partners {
    std::int32_t c[6];

    Partners(std::int64_t b, std::int64_t t) {
        const auto value = [](std::int64_t a) { return a > 0 && a <= INT32_MAX ? a : 0; };
        const auto notOne = [](std::int64_t a) { return a > 1 && a <= INT32_MAX ? a : 0; };
        std::int64_t p[6] = {};
        if (t > 0) {
            p[0] = value(t - b);                                      // a + b
            p[1] = value(t + b);                                      // a - b
            p[2] = value(b - t);                                      // b - a
            p[3] = b > 1 && b <= t && t % b == 0 ? notOne(t / b) : 0; // a x b
            p[4] = b > 1 ? value(b * t) : 0;                          // a / b
            p[5] = b >= t && b % t == 0 ? notOne(b / t) : 0;          // b / a
        }
        for (int i = 0; i < 6; ++i)
            c[i] = std::int32_t(p[i]);
    }
};

// Whether some a[0..count-1] is a partner; a is never 0.
inline bool AnyPartner(const std::int32_t* a, int count, const Partners& p) {
    int hit = 0;
    for (int i = 0; i < count; ++i) {
        const std::int32_t v = a[i];
        hit |= (v == p.c[0]) | (v == p.c[1]) | (v == p.c[2]) | (v == p.c[3]) | (v == p.c[4]) |
               (v == p.c[5]);
    }
    return hit != 0;
}

// A target that no value can reach stands in for a target below 1.
inline std::int64_t Reachable(std::int32_t target) {
    return target > 0 ? target : -1;
}

// Appends values[left] op values[right] for op 1..4 at n, keeping the steps that give a value;
// returns the new end.
inline int AppendAllOps(std::int32_t* values, Recipe* recipes, int n, int left, int right) {
    const std::int32_t a = values[left];
    const std::int32_t b = values[right];
    const auto push = [&](std::int32_t v, int op, bool swapped) {
        values[n] = v;
        recipes[n] = Recipe(left, right, op, swapped);
        ++n;
    };
    if (a <= 0 || b <= 0) {
        for (int op = OpAdd; op <= OpDivide; ++op) {
            const StepValue r = CombineValue(a, b, op);
            if (r.value != 0)
                push(r.value, op, r.swapped);
        }
        return n;
    }
    const std::int64_t sum = std::int64_t(a) + b;
    if (sum <= INT32_MAX)
        push(std::int32_t(sum), OpAdd, false);
    if (a != b)
        push(a > b ? a - b : b - a, OpSubtract, a < b);
    if (a != 1 && b != 1) {
        const std::int64_t product = std::int64_t(a) * b;
        if (product <= INT32_MAX)
            push(std::int32_t(product), OpMultiply, false);
    }
    if (a >= b) {
        if (b != 1 && a % b == 0)
            push(a / b, OpDivide, false);
    } else if (a != 1 && b % a == 0) {
        push(b / a, OpDivide, true);
    }
    return n;
}

void AppendDecimal(std::int32_t value, std::string& out) {
    char buf[16];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    out.append(buf, res.ptr);
}

void AppendJoined(const std::int32_t* values, const Recipe* recipes, const Recipe& step,
                  std::string& out) {
    out += '(';
    AppendStepText(values, recipes, step.swapped() ? step.right() : step.left(), out);
    out += OperatorChar(step.op());
    AppendStepText(values, recipes, step.swapped() ? step.left() : step.right(), out);
    out += ')';
}

} // namespace

void AppendStepText(const std::int32_t* values, const Recipe* recipes, int index,
                    std::string& out) {
    if (recipes[index].op() == 0)
        AppendDecimal(values[index], out);
    else
        AppendJoined(values, recipes, recipes[index], out);
}

Solver::Solver(SolverHost& host) : m_host(host) {
    ResetChain();
}

Solver::Outcome Solver::SearchAnswers(std::span<const std::int32_t> RoundNumbers,
                                      std::int32_t target) {
    m_searchGoOn = true;
    m_combinationCount = 0;
    m_pickDepth = -1;
    m_arranged.fill(0);
    Numbers numbers{};
    for (std::size_t i = 0; i < numbers.size() && i < RoundNumbers.size(); ++i)
        numbers[i] = RoundNumbers[i];
    SearchPairs(0, numbers, target);

    const std::string count = std::to_string(m_combinationCount);
    const std::string found = std::to_string(m_host.answers().count()) + " answers found.";
    if (m_searchGoOn) {
        m_host.setProgressText("Searched " + count + " combinations: \n" + found);
        return Outcome::Finished;
    }
    m_host.setProgressText("Search Stopped at combination " + count + "\n" + found);
    return Outcome::Stopped;
}

void Solver::SearchPairs(int first, const Numbers& RoundNumbers, std::int32_t target) {
    m_host.checkPoint();
    if (!m_searchGoOn)
        return;
    for (int j = first + 1; j <= 5; ++j) {
        m_arranged[0] = RoundNumbers[first];
        m_arranged[1] = RoundNumbers[j];
        int next = 2;
        for (int i = 0; i <= 5; ++i) {
            if (i != first && i != j)
                m_arranged[next++] = RoundNumbers[i];
        }
        if (m_arranged[0] > 3) {
            m_twoPairs.fill(0);
            SplitOthers(0, m_arranged, target);
        }
        ResetChain();
        PermuteOthers(0, m_arranged, target);
    }
    if (first + 1 != 5)
        SearchPairs(first + 1, RoundNumbers, target);
}

void Solver::SplitOthers(int k, const Numbers& arranged, std::int32_t target) {
    m_host.checkPoint();
    if (!m_searchGoOn)
        return;
    const int s = k + 3;
    for (int j = s; j <= 5; ++j) {
        m_twoPairs[0] = arranged[0];
        m_twoPairs[1] = arranged[1];
        m_twoPairs[2] = arranged[s - 1];
        m_twoPairs[3] = arranged[j];
        int next = 4;
        for (int i = 2; i <= 5; ++i) {
            if (i != s - 1 && i != j)
                m_twoPairs[next++] = arranged[i];
        }
        if (m_twoPairs[2] < m_twoPairs[0])
            TryPairOfPairs(m_twoPairs, target);
    }
    if (s != 5)
        SplitOthers(k + 1, arranged, target);
}

void Solver::PermuteOthers(int k, const Numbers& arranged, std::int32_t target) {
    if (!m_searchGoOn)
        return;
    ++m_pickDepth;
    m_picked[k] = m_pickDepth;
    if (m_pickDepth == 3) {
        for (int m = 0; m <= 3; ++m)
            m_ordering[m + 2] = arranged[m_picked[m] + 2];
        m_ordering[0] = arranged[0];
        m_ordering[1] = arranged[1];
        TryChain(m_ordering, target);
        TryTrees(m_ordering, target);
    } else {
        for (int m = 0; m <= 3; ++m) {
            if (m_picked[m] == 0)
                PermuteOthers(m, arranged, target);
        }
    }
    --m_pickDepth;
    m_picked[k] = 0;
}

void Solver::ResetChain() {
    m_chainValues[0] = 0;
    m_chainRecipes[0] = kBare;
    m_chainSize = 1;
    m_levelEnd.fill(0);
    m_prevOrdering.fill(0);
}

void Solver::TryChain(const Numbers& ordering, std::int32_t target) {
    std::int32_t* const values = m_chainValues.data();
    Recipe* const recipes = m_chainRecipes.data();
    const int leaves = kChainCapacity;
    for (int i = 0; i <= 5; ++i) {
        values[leaves + i] = ordering[i];
        recipes[leaves + i] = kBare;
    }
    values[0] = ordering[0];
    recipes[0] = kBare;

    int start = 1;
    int lo = 0;
    int hi = 0;
    if (m_chainSize > 2) {
        int k = 2;
        while (k <= 5 && m_prevOrdering[k] == ordering[k])
            ++k;
        if (k > 5) {
            // The same ordering again (repeated numbers among the other four): nothing new.
            values[0] = 0;
            m_chainSize = 1;
            for (int p = 1; p <= 5; ++p) {
                ShowProgress();
                if (!m_searchGoOn)
                    return;
            }
            m_prevOrdering = ordering;
            return;
        }
        start = k;
        lo = m_levelEnd[k - 2] + 1;
        hi = m_levelEnd[k - 1];
        m_chainSize = hi + 1;
    }

    const std::int64_t t = Reachable(target);
    for (int p = start; p <= 5; ++p) {
        const int right = leaves + p;
        if (p == 5 && hi >= 2) {
            const std::int64_t w = ordering[5];
            if (AnyPartner(values + lo, hi - lo + 1, Partners(w, t))) {
                for (int i = lo; i <= hi; ++i) {
                    for (int op = OpAdd; op <= OpDivide; ++op) {
                        if (Reaches(values[i], w, op, t))
                            Report(values, recipes, i, right, op);
                    }
                }
            }
        } else {
            for (int i = lo; i <= hi; ++i) {
                const int from = m_chainSize;
                m_chainSize = AppendAllOps(values, recipes, m_chainSize, i, right);
                for (int e = from; e < m_chainSize; ++e) {
                    if (values[e] == target)
                        Report(values, recipes, i, right, recipes[e].op());
                }
            }
        }
        ShowProgress();
        if (!m_searchGoOn)
            return;
        lo = hi + 1;
        hi = m_chainSize - 1;
        m_levelEnd[p] = std::int16_t(hi);
    }
    m_prevOrdering = ordering;
}

void Solver::TryTrees(const Numbers& ordering, std::int32_t target) {
    // Six numbers, L1 4, L2 16, M 4, L4 16, then L3 as kept after the five-number shape (256)
    // and as rebuilt with w5 (64).
    constexpr int kPool = 6 + 4 + 16 + 4 + 16 + 256 + 64;
    std::int32_t values[kPool];
    Recipe recipes[kPool];
    for (int i = 0; i <= 5; ++i) {
        values[i] = ordering[i];
        recipes[i] = kBare;
    }
    int n = 6;
    const std::int64_t t = Reachable(target);
    const auto reportAll = [&](int x, int y) {
        for (int op = OpAdd; op <= OpDivide; ++op) {
            if (Reaches(values[x], values[y], op, t))
                Report(values, recipes, x, y, op);
        }
    };

    const int l1 = n;
    n = AppendAllOps(values, recipes, n, 0, 1);
    const int l2 = n;
    for (int x = l1; x < l2; ++x)
        n = AppendAllOps(values, recipes, n, x, 2);
    const int l2End = n;
    const int m1 = n;
    n = AppendAllOps(values, recipes, n, 3, 4);
    const int l4 = n;
    for (int y = m1; y < l4; ++y)
        n = AppendAllOps(values, recipes, n, y, 5);
    const int l4End = n;
    const int l2Count = l2End - l2;

    // ((w0 w1) w2) ((w3 w4) w5)
    m_combinationCount += 4 * (l4End - l4) * l2Count;
    for (int y = l4; y < l4End; ++y) {
        if (!AnyPartner(values + l2, l2Count, Partners(values[y], t)))
            continue;
        for (int x = l2; x < l2End; ++x)
            reportAll(x, y);
    }

    // ((w0 w1) w2) (w3 w4), kept as L3 unless already on target
    const int l3 = n;
    m_combinationCount += 4 * (l4 - m1) * l2Count;
    for (int m = m1; m < l4; ++m) {
        for (int x = l2; x < l2End; ++x) {
            const int from = n;
            n = AppendAllOps(values, recipes, n, x, m);
            for (int e = from; e < n; ++e) {
                if (values[e] != target)
                    continue;
                Report(values, recipes, x, m, recipes[e].op());
                // An answer is not extended further.
                for (int f = e + 1; f < n; ++f) {
                    values[f - 1] = values[f];
                    recipes[f - 1] = recipes[f];
                }
                --n;
                --e;
            }
        }
    }
    const int l3End = n;

    // (((w0 w1) w2) (w3 w4)) w5
    m_combinationCount += 4 * (l3End - l3);
    if (AnyPartner(values + l3, l3End - l3, Partners(ordering[5], t))) {
        for (int z = l3; z < l3End; ++z)
            reportAll(z, 5);
    }

    // (((w0 w1) w2) w5) (w3 w4)
    const int l3b = n;
    for (int x = l2; x < l2End; ++x)
        n = AppendAllOps(values, recipes, n, x, 5);
    const int l3bEnd = n;
    m_combinationCount += 4 * (l3bEnd - l3b) * (l4 - m1);
    bool any = false;
    for (int m = m1; m < l4 && !any; ++m)
        any = AnyPartner(values + l3b, l3bEnd - l3b, Partners(values[m], t));
    if (any) {
        for (int z = l3b; z < l3bEnd; ++z) {
            for (int m = m1; m < l4; ++m)
                reportAll(z, m);
        }
    }

    ShowProgress();
}

void Solver::TryPairOfPairs(const Numbers& twoPairs, std::int32_t target) {
    // Six numbers, P1 4, P2 4, Q 64, b4 op b5 for each op, one scratch entry.
    constexpr int kPool = 6 + 4 + 4 + 64 + 4 + 1;
    std::int32_t values[kPool];
    Recipe recipes[kPool];
    for (int i = 0; i <= 5; ++i) {
        values[i] = twoPairs[i];
        recipes[i] = kBare;
    }
    int n = 6;
    const std::int64_t t = Reachable(target);

    const int p1 = n;
    n = AppendAllOps(values, recipes, n, 0, 1);
    const int p2 = n;
    n = AppendAllOps(values, recipes, n, 2, 3);
    const int p2End = n;

    const int q0 = n;
    for (int x = p1; x < p2; ++x) {
        for (int y = p2; y < p2End; ++y) {
            const int from = n;
            n = AppendAllOps(values, recipes, n, x, y);
            for (int e = from; e < n; ++e) {
                if (values[e] == target)
                    Report(values, recipes, x, y, recipes[e].op());
            }
        }
    }
    const int qEnd = n;

    // b4 op1 b5 does not depend on q.
    int e[OpDivide + 1];
    for (int op = OpAdd; op <= OpDivide; ++op) {
        const StepValue r = CombineValue(twoPairs[4], twoPairs[5], op);
        e[op] = r.value == 0 ? -1 : n;
        if (r.value != 0) {
            values[n] = r.value;
            recipes[n++] = Recipe(4, 5, op, r.swapped);
        }
    }
    const int scratch = n;

    // (q op1 first) op2 second, op2 other than op1
    const auto extend = [&](int q, int op1, int first, int second) {
        const StepValue z = CombineValue(values[q], values[first], op1);
        if (z.value != 0 && z.value != target) {
            values[scratch] = z.value;
            recipes[scratch] = Recipe(q, first, op1, z.swapped);
            for (int op2 = OpAdd; op2 <= OpDivide; ++op2) {
                if (op2 != op1 && Reaches(z.value, values[second], op2, t))
                    Report(values, recipes, scratch, second, op2);
            }
        }
        ++m_combinationCount;
    };

    for (int q = q0; q < qEnd; ++q) {
        for (int op1 = OpAdd; op1 <= OpDivide; ++op1) {
            extend(q, op1, 4, 5);
            extend(q, op1, 5, 4);
            if (e[op1] >= 0) {
                for (int op2 = OpAdd; op2 <= OpDivide; ++op2) {
                    if (Reaches(values[q], values[e[op1]], op2, t))
                        Report(values, recipes, q, e[op1], op2);
                }
            }
            ++m_combinationCount;
        }
        ShowProgress();
        if (!m_searchGoOn)
            return;
    }
}

void Solver::ShowProgress() {
    char buf[32] = "Searching... ";
    constexpr int prefix = sizeof("Searching... ") - 1;
    const auto res = std::to_chars(buf + prefix, buf + sizeof buf, m_combinationCount);
    m_host.setProgressText(std::string_view(buf, res.ptr));
    m_host.checkPoint();
}

void Solver::Report(const std::int32_t* values, const Recipe* recipes, int left, int right,
                    int op) {
    const StepValue r = CombineValue(values[left], values[right], op);
    std::string text;
    AppendJoined(values, recipes, Recipe(left, right, op, r.swapped), text);
    AddAnswer(m_host.answers(), text);
}

} // namespace solver
