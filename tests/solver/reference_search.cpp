#include "reference_search.h"

#include "combine.h"

#include <string>
#include <vector>

namespace {

struct Item {
    int value;
    std::string text;
};

class Reference {
public:
    explicit Reference(int target) : m_target(target) {}

    ReferenceRun run(const std::array<int, 6>& numbers) {
        for (int first = 0; first <= 4; ++first) {
            pump();
            for (int j = first + 1; j <= 5; ++j) {
                std::array<int, 6> arranged{numbers[first], numbers[j]};
                int next = 2;
                for (int i = 0; i <= 5; ++i) {
                    if (i != first && i != j)
                        arranged[next++] = numbers[i];
                }
                if (arranged[0] > 3)
                    splits(arranged);
                m_chainValues = {0};
                m_chainTexts = {""};
                m_levelEnd = {};
                m_prev = {};
                for (const auto& ordering : orderings(arranged)) {
                    chain(ordering);
                    trees(ordering);
                }
            }
        }
        return std::move(m_run);
    }

private:
    void pump() { m_run.events.push_back("pump"); }
    void progress() {
        m_run.events.push_back("Searching... " + std::to_string(m_run.combinations));
        pump();
    }
    void test(int r, const std::string& text) {
        if (r != 0 && r == m_target)
            m_run.reports.push_back(text);
    }
    static Item bare(int v) { return {v, std::to_string(v)}; }

    // x op y for op 1..4, keeping the results that give a value.
    static std::vector<Item> allOps(const Item& x, int y) {
        std::vector<Item> out;
        for (int op = 1; op <= 4; ++op) {
            std::string text = x.text;
            const int r = solver::Combine(x.value, y, op, text);
            if (r != 0)
                out.push_back({r, text});
        }
        return out;
    }
    static std::vector<Item> allOps(const std::vector<Item>& xs, int y) {
        std::vector<Item> out;
        for (const Item& x : xs) {
            for (Item& item : allOps(x, y))
                out.push_back(std::move(item));
        }
        return out;
    }

    // First pick m1 over 0..3, then ascending over the positions left; the first pick gets r1,
    // the second r2, the third r3, the unpicked position r0.
    static std::vector<std::array<int, 6>> orderings(const std::array<int, 6>& a) {
        std::vector<std::array<int, 6>> out;
        for (int m1 = 0; m1 < 4; ++m1) {
            for (int m2 = 0; m2 < 4; ++m2) {
                for (int m3 = 0; m3 < 4; ++m3) {
                    if (m2 == m1 || m3 == m1 || m3 == m2)
                        continue;
                    std::array<int, 6> o{a[0], a[1], a[2], a[2], a[2], a[2]};
                    o[m1 + 2] = a[3];
                    o[m2 + 2] = a[4];
                    o[m3 + 2] = a[5];
                    out.push_back(o);
                }
            }
        }
        return out;
    }

    void splits(const std::array<int, 6>& a) {
        for (int s = 3; s <= 5; ++s) {
            pump();
            for (int j = s; j <= 5; ++j) {
                std::array<int, 6> b{a[0], a[1], a[s - 1], a[j]};
                int next = 4;
                for (int i = 2; i <= 5; ++i) {
                    if (i != s - 1 && i != j)
                        b[next++] = a[i];
                }
                if (b[2] < b[0])
                    pairOfPairs(b);
            }
        }
    }

    void chain(const std::array<int, 6>& w) {
        m_chainValues[0] = w[0];
        m_chainTexts[0] = std::to_string(w[0]);
        int start = 1;
        int lo = 0;
        int hi = 0;
        if (m_chainValues.size() > 2) {
            int k = 2;
            while (k <= 5 && m_prev[k] == w[k])
                ++k;
            if (k > 5) {
                m_chainValues = {0};
                m_chainTexts = {""};
                for (int p = 1; p <= 5; ++p)
                    progress();
                m_prev = w;
                return;
            }
            start = k;
            lo = m_levelEnd[k - 2] + 1;
            hi = m_levelEnd[k - 1];
            m_chainValues.resize(hi + 1);
            m_chainTexts.resize(hi + 1);
        }
        for (int p = start; p <= 5; ++p) {
            for (int i = lo; i <= hi; ++i) {
                for (int op = 1; op <= 4; ++op) {
                    std::string text = m_chainTexts[i];
                    const int r = solver::Combine(m_chainValues[i], w[p], op, text);
                    if (r != 0) {
                        m_chainValues.push_back(r);
                        m_chainTexts.push_back(text);
                        test(r, text);
                    }
                }
            }
            progress();
            lo = hi + 1;
            hi = int(m_chainValues.size()) - 1;
            m_levelEnd[p] = hi;
        }
        m_prev = w;
    }

    // Final attempts x op y over all op, with y's own text.
    void finals(const Item& x, const Item& y) {
        for (int op = 1; op <= 4; ++op) {
            ++m_run.combinations;
            std::string text = x.text;
            const int r = solver::Combine(x.value, y.value, op, text, y.text);
            test(r, text);
        }
    }

    void trees(const std::array<int, 6>& w) {
        const std::vector<Item> l2 = allOps(allOps(bare(w[0]), w[1]), w[2]);
        const std::vector<Item> m = allOps(bare(w[3]), w[4]);
        const std::vector<Item> l4 = allOps(m, w[5]);
        for (const Item& y : l4) {
            for (const Item& x : l2)
                finals(x, y);
        }
        std::vector<Item> l3;
        for (const Item& y : m) {
            for (const Item& x : l2) {
                for (int op = 1; op <= 4; ++op) {
                    ++m_run.combinations;
                    std::string text = x.text;
                    const int r = solver::Combine(x.value, y.value, op, text, y.text);
                    if (r == 0)
                        continue;
                    if (r == m_target)
                        test(r, text);
                    else
                        l3.push_back({r, text});
                }
            }
        }
        for (const Item& z : l3)
            finals(z, bare(w[5]));
        l3 = allOps(l2, w[5]);
        for (const Item& z : l3) {
            for (const Item& y : m)
                finals(z, y);
        }
        progress();
    }

    void pairOfPairs(const std::array<int, 6>& b) {
        const std::vector<Item> p1 = allOps(bare(b[0]), b[1]);
        const std::vector<Item> p2 = allOps(bare(b[2]), b[3]);
        std::vector<Item> q;
        for (const Item& x : p1) {
            for (const Item& y : p2) {
                for (int op = 1; op <= 4; ++op) {
                    std::string text = x.text;
                    const int r = solver::Combine(x.value, y.value, op, text, y.text);
                    if (r != 0) {
                        q.push_back({r, text});
                        test(r, text);
                    }
                }
            }
        }
        const auto twoSteps = [&](const Item& x, int op1, int first, int second) {
            std::string text = x.text;
            const int z = solver::Combine(x.value, first, op1, text);
            if (z != 0 && z != m_target) {
                for (int op2 = 1; op2 <= 4; ++op2) {
                    if (op2 == op1)
                        continue;
                    std::string t2 = text;
                    test(solver::Combine(z, second, op2, t2), t2);
                }
            }
            ++m_run.combinations;
        };
        for (const Item& x : q) {
            for (int op1 = 1; op1 <= 4; ++op1) {
                twoSteps(x, op1, b[4], b[5]);
                twoSteps(x, op1, b[5], b[4]);
                std::string eText = std::to_string(b[4]);
                const int e = solver::Combine(b[4], b[5], op1, eText);
                if (e != 0) {
                    for (int op2 = 1; op2 <= 4; ++op2) {
                        std::string text = x.text;
                        test(solver::Combine(x.value, e, op2, text, eText), text);
                    }
                }
                ++m_run.combinations;
            }
            progress();
        }
    }

    int m_target;
    ReferenceRun m_run;
    std::vector<int> m_chainValues;
    std::vector<std::string> m_chainTexts;
    std::array<int, 6> m_levelEnd{};
    std::array<int, 6> m_prev{};
};

} // namespace

ReferenceRun RunReferenceSearch(const std::array<int, 6>& numbers, int target) {
    return Reference(target).run(numbers);
}
