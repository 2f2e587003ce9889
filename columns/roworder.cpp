#include "roworder.h"

#include "data/Module1.h"
#include "data/ascii.h"

#include <algorithm>

namespace RowOrder {

namespace {

constexpr int n = Module1::ElemCount;

std::vector<std::string> column(int property)
{
    std::vector<std::string> values(n + 1);
    for (int j = 1; j <= n; ++j) {
        values[static_cast<std::size_t>(j)] = Module1::ElemData[j][property];
    }
    return values;
}

// The walk over positions: 1..109 forward, 109..1 backward.
std::vector<int> positions(bool forward)
{
    std::vector<int> walk(n);
    for (int p = 1; p <= n; ++p) {
        walk[static_cast<std::size_t>(p - 1)] = forward ? p : n + 1 - p;
    }
    return walk;
}

} // namespace

std::vector<int> byNumber()
{
    return positions(true);
}

std::vector<int> byValue(int property, bool forward)
{
    std::vector<int> ranks(n + 1, 0);
    Module1::RankDescending(n, column(property), ranks);
    std::vector<int> elementAtRank(n + 1, 0);
    for (int j = 1; j <= n; ++j) {
        elementAtRank[static_cast<std::size_t>(ranks[static_cast<std::size_t>(j)])] = j;
    }
    std::vector<int> order;
    order.reserve(n);
    for (const int p : positions(forward)) {
        order.push_back(elementAtRank[static_cast<std::size_t>(p)]);
    }
    return order;
}

std::vector<std::string> sortedTexts(int property, bool forward)
{
    std::vector<std::string> texts;
    texts.reserve(n);
    for (const int j : positions(forward)) {
        texts.push_back(Module1::ElemData[j][property]);
    }
    std::stable_sort(texts.begin(), texts.end(), [](const std::string &a, const std::string &b) {
        return Ascii::lessIgnoringCase(a, b);
    });
    return texts;
}

std::vector<int> byText(int property, bool forward)
{
    const std::vector<std::string> sorted = sortedTexts(property, forward);
    std::vector<std::string> placed(n + 1);
    std::vector<int> order;
    order.reserve(n);
    for (const int p : positions(forward)) {
        const std::string &wanted = sorted[static_cast<std::size_t>(p - 1)];
        for (int j = 1; j <= n; ++j) {
            const std::string &name = Module1::ElemData[j][Module1::Name];
            const int alreadyPlaced = forward ? Module1::IsInRange(name, placed, 1, p, 1)
                                              : Module1::IsInRange(name, placed, n, p, -1);
            if (Module1::ElemData[j][property] == wanted && alreadyPlaced == 0) {
                placed[static_cast<std::size_t>(p)] = name;
                order.push_back(j);
                break;
            }
        }
    }
    return order;
}

} // namespace RowOrder
