#pragma once

#include <QMetaType>

#include <set>

// Sets of element numbers, written the way the tests speak of them: range(49, 109) + {6, 16} -
// {80}.
using ElementSet = std::set<int>;

inline ElementSet range(int from, int to)
{
    ElementSet numbers;
    for (int i = from; i <= to; ++i) {
        numbers.insert(i);
    }
    return numbers;
}

inline ElementSet operator+(ElementSet a, const ElementSet &b)
{
    a.insert(b.begin(), b.end());
    return a;
}

inline ElementSet operator-(ElementSet a, const ElementSet &b)
{
    for (const int i : b) {
        a.erase(i);
    }
    return a;
}

Q_DECLARE_METATYPE(ElementSet)
