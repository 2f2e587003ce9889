#include "Module1.h"

namespace Module1 {

void RankDescending(int Count, const std::vector<std::string> &Values, std::vector<int> &Ranks)
{
    if (Count <= 0) {
        return;
    }
    const auto n = static_cast<std::size_t>(Count);
    if (Values.size() <= n) {
        throw std::out_of_range("RankDescending: fewer values than Count");
    }
    if (Ranks.size() <= n) {
        Ranks.resize(n + 1);
    }
    // Parsing each text once gives the same order as parsing it on every comparison.
    std::vector<double> numbers(n + 1);
    for (std::size_t j = 1; j <= n; ++j) {
        numbers[j] = numericValue(Values[j]);
        Ranks[j] = 0;
    }
    constexpr double startBest = -1000000.0;
    for (int k = 1; k <= Count; ++k) {
        double best = startBest;
        std::size_t bestIdx = 0;
        for (std::size_t j = 1; j <= n; ++j) {
            if (Ranks[j] == 0 && numbers[j] >= best) {
                best = numbers[j];
                bestIdx = j;
            }
        }
        if (bestIdx == 0) {
            // Only values below the start bound are left: rank them among themselves, the
            // same way, so every entry still gets a distinct rank.
            double low = 0.0;
            for (std::size_t j = 1; j <= n; ++j) {
                if (Ranks[j] == 0 && (bestIdx == 0 || numbers[j] >= low)) {
                    low = numbers[j];
                    bestIdx = j;
                }
            }
        }
        Ranks[bestIdx] = k;
    }
}

int IsInRange(const std::string &Value, const std::vector<std::string> &Items, int From, int To,
              int Step)
{
    if (Step == 0) {
        return 0;
    }
    for (long long i = From; Step > 0 ? i <= To : i >= To; i += Step) {
        if (i >= 0 && static_cast<std::size_t>(i) < Items.size()
            && Items[static_cast<std::size_t>(i)] == Value) {
            return 1;
        }
    }
    return 0;
}

} // namespace Module1
