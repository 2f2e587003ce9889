#pragma once

#include <clocale>
#include <string>

// Puts the process under another locale's case rules (LC_CTYPE) for as long as it lives, as
// Qt does from LANG and LC_ALL when a program starts.
class CaseLocale
{
public:
    explicit CaseLocale(const char *name)
        : m_before(std::setlocale(LC_CTYPE, nullptr))
        , m_set(std::setlocale(LC_CTYPE, name) != nullptr)
    { }
    ~CaseLocale() { std::setlocale(LC_CTYPE, m_before.c_str()); }
    CaseLocale(const CaseLocale &) = delete;
    CaseLocale &operator=(const CaseLocale &) = delete;

    // False when the locale is not installed (scripts/test.sh generates the ones the tests use).
    bool isSet() const { return m_set; }

private:
    std::string m_before;
    bool m_set;
};
