#include "FuzzBed.h"
#include "Records.h"
#include "TextCodec.h"

#include <cstddef>
#include <cstdint>

// The record readers on any bytes: they never fail, and always hand back
// as many values as asked for.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace Module1;
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    FUZZ_CHECK(TextCodec::toCp1252(TextCodec::fromCp1252(bytes)) == bytes);
    const QString path = fuzzWorkspace().file(QStringLiteral("records.txt"));
    writeRaw(path, bytes);

    ReadKeyText(path, QStringLiteral("NME"));
    FUZZ_CHECK(ReadKeyValues(path, QStringLiteral("FSE"), 50).size() == 50);
    FUZZ_CHECK(ReadKeyValues(path, QStringLiteral("TN2"), 10).size() == 10);
    const QString line = ReadKeyLine(path, QStringLiteral("101"));
    FUZZ_CHECK(ReadAllKeyValues(path, QStringLiteral("101")).size() == line.count(QLatin1Char('>')));
    const QStringList papers = ReadPaperLines(path, 50);
    FUZZ_CHECK(papers.size() == 50);
    for (int count : {0, 1, 3, 80})
        FUZZ_CHECK(SplitKeyLine(papers.value(size % 50), count).size() == count);

    const QStringList keys{QStringLiteral("16001"), QStringLiteral("16002"), QStringLiteral("16003")};
    const QList<int> counts = CountValuesPerKey(path, keys);
    FUZZ_CHECK(counts.size() == keys.size());
    int total = 0;
    for (int c : counts)
        total += c;
    FUZZ_CHECK(ReadValuesForKeys(path, keys).size() == total);
    return 0;
}
