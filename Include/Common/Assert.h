#pragma once

#include <cstdio>
#include <cstdlib>

// Invariant guard shared by the whole project: a failed check names the
// source file, the line and the expression, then stops the process. It stays
// active in release builds because the checks guard geometry that would
// otherwise silently produce garbage.
namespace SenderAssert {
[[noreturn]] inline void Fail(const char* pszExpr, const char* pszFile, int nLine)
{
    std::fprintf(stderr, "ASSERT: \"%s\" in file %s, line %d\n", pszExpr, pszFile, nLine);
    std::fflush(stderr);
    std::abort();
}
} // namespace SenderAssert

#define SENDER_ASSERT(expr) \
    ((expr) ? static_cast<void>(0) : ::SenderAssert::Fail(#expr, __FILE__, __LINE__))
