// One libFuzzer program per target (STAK_FUZZ_TARGET names it).
#include "targets.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    stak::fuzz::setUpOnce();
    if (!stak::fuzz::findTarget(STAK_FUZZ_TARGET))
        std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const stak::fuzz::Target *target = stak::fuzz::findTarget(STAK_FUZZ_TARGET);
    target->run(QByteArrayView(data, qsizetype(size)));
    return 0;
}
