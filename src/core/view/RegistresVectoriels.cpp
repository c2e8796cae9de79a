#include "view/RegistresVectoriels.h"

namespace vedo {

void libererRegistresVectoriels() {
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    static const bool avx = __builtin_cpu_supports("avx");
    // The program itself is built for SSE only: no value of it lives in the
    // upper halves, so nothing needs saving.
    if (avx) asm volatile("vzeroupper");
#endif
}

} // namespace vedo
