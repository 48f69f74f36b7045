#include "core/heap.h"

#include <QtTest>
#include <cstdlib>
#include <cstring>
#include <malloc.h>
#include <vector>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define STAK_OTHER_ALLOCATOR 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define STAK_OTHER_ALLOCATOR 1
#endif

using namespace stak;

namespace {
// Written all over, and kept from the optimiser, as the program's own blocks are.
void *touched(std::size_t bytes)
{
    void *p = std::malloc(bytes);
    std::memset(p, 1, bytes);
    asm volatile("" : : "r"(p) : "memory");
    return p;
}

// What the allocator holds from the system: its heaps and its mapped blocks.
std::size_t held()
{
    const struct mallinfo2 m = mallinfo2();
    return m.arena + m.hblkhd;
}
} // namespace

// The allocator gives back what the program frees, also after a large block
// was freed (its own process: the setting holds for the whole process).
class TestHeap : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
#ifdef STAK_OTHER_ALLOCATOR
        QSKIP("the sanitizers bring an allocator of their own");
#endif
        if (qEnvironmentVariableIsSet("GLIBC_TUNABLES"))
            QSKIP("the allocator is set up from outside");
        QVERIFY(returnFreedMemoryToSystem());
    }

    void freedMemoryGoesBack_data()
    {
        QTest::addColumn<qint64>("blockBytes");
        QTest::addColumn<int>("blocks");
        QTest::newRow("pictures of the panel") << qint64(433 * 225 * 4) << 20;
        QTest::newRow("sounds") << qint64(2 * 1024 * 1024) << 4;
        QTest::newRow("pieces under the mapping threshold") << qint64(100 * 1024) << 80;
    }

    void freedMemoryGoesBack()
    {
        QFETCH(qint64, blockBytes);
        QFETCH(int, blocks);
        // A frolic's copy of a full-HD screen, freed: left to itself, glibc
        // would now keep blocks up to its size in the heap, and 16 MB free at
        // the heap's top before giving any back.
        std::free(touched(1920 * 1080 * 4));
        std::vector<void *> taken;
        taken.reserve(std::size_t(blocks));
        const std::size_t before = held();
        for (int i = 0; i < blocks; ++i)
            taken.push_back(touched(std::size_t(blockBytes)));
        QVERIFY(held() >= before + std::size_t(blockBytes) * std::size_t(blocks));
        for (auto it = taken.rbegin(); it != taken.rend(); ++it)
            std::free(*it);
        // Within the trimming threshold and a page or two of what it was.
        QCOMPARE_LE(held(), before + 128 * 1024 + 8192);
    }
};

QTEST_GUILESS_MAIN(TestHeap)
#include "tst_heap.moc"
