#include "FuzzBed.h"
#include "ProgramConfig.h"
#include "Marking.h"
#include "Records.h"
#include "ResultsHealing.h"
#include "ResultsStore.h"
#include "Score.h"
#include "TextCodec.h"

#include <cstddef>
#include <cstdint>

namespace {

using Stem = ResultsStore::Stem;
using Module1::CorrectMark;
using Module1::WrongMark;

struct Bed {
    ProgramConfig config = ProgramConfig::read(fuzzWorkspace());
    int papers = config.module(2).paperCount;
    ResultsStore store{fuzzWorkspace(), 2, config.code, papers};
    QList<int> slotCounts; // per paper, as its template gives them
    Bed()
    {
        FUZZ_CHECK(papers > 0);
        for (const QString &line : ResultsHealing::heal(Stem::First, {}, store.templateBytes(Stem::First),
                                                        papers)
                                       .lines)
            slotCounts.append(int(line.count(QLatin1Char('>'))));
    }
};

void removeCopies()
{
    QDir folder(fuzzWorkspace().folder());
    for (const QString &name : folder.entryList(QDir::Files))
        if (name.contains(QLatin1String(".damaged-")))
            folder.remove(name);
}

} // namespace

// Whatever the bytes of one results file (the first byte chooses which, the
// second a paper), the start-up check leaves it as the store writes it, and
// storing into it then reading back gives what was stored.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Bed bed;
    if (size < 2)
        return 0;
    const auto stem = Stem(1 + data[0] % 6);
    const int paper = 1 + data[1] % bed.papers;
    const QByteArray bytes(reinterpret_cast<const char *>(data + 2), qsizetype(size - 2));
    const ResultsStore &store = bed.store;

    FUZZ_CHECK(ResetResultsFiles(fuzzWorkspace(), bed.config));
    writeRaw(store.path(stem), bytes);
    const ResultsCheck check = CheckResultsFiles(fuzzWorkspace(), bed.config);
    FUZZ_CHECK(!check.failed && !check.reset);
    const QByteArray healed = readRaw(store.path(stem));
    FUZZ_CHECK(ResultsHealing::heal(stem, healed, store.templateBytes(stem), bed.papers).healthy);
    FUZZ_CHECK(CheckResultsFiles(fuzzWorkspace(), bed.config).repaired.isEmpty());
    removeCopies();

    // What is stored, taken from the input's last bytes.
    const QString typed = TextCodec::ClearAnswerText(TextCodec::fromCp1252(bytes.right(6)));
    const int count = bed.slotCounts.value(paper - 1);
    QStringList lines;
    MarksRows rows;
    if (stem == Stem::Marks || stem == Stem::Trend) {
        const QString score = Score::PercentText(size % 1001, 1000);
        const QString before = store.readTrendLine();
        FUZZ_CHECK(store.storeFirstAttempt(rows, lines, paper, QStringList(count, CorrectMark), count,
                                           score, typed, typed));
        const MarksRows read = store.readMarks();
        FUZZ_CHECK(read.FSE.value(paper - 1) == score);
        FUZZ_CHECK(read.LTM.value(paper - 1) == typed);
        FUZZ_CHECK(store.readTrendLine() == before + QLatin1Char('>') + score);
    } else {
        const bool marks = stem == Stem::FResults || stem == Stem::SResults;
        QStringList values;
        for (int i = 0; i < count; ++i)
            values << (marks ? (bytes.size() > i && bytes.at(i) & 1 ? CorrectMark : WrongMark)
                             : typed.mid(i % qMax<qsizetype>(1, typed.size())));
        const QStringList others = store.currentLines(stem);
        FUZZ_CHECK(store.storePaperValues(stem, lines, paper, values, count));
        const QStringList read = Module1::ReadPaperLines(store.path(stem), bed.papers);
        FUZZ_CHECK(Module1::SplitKeyLine(read.value(paper - 1), count) == values);
        // Nothing else of the file changed.
        for (int p = 1; p <= bed.papers; ++p)
            if (p != paper)
                FUZZ_CHECK(read.value(p - 1) == others.value(p - 1));
    }
    FUZZ_CHECK(ResultsHealing::heal(stem, readRaw(store.path(stem)), store.templateBytes(stem),
                                    bed.papers)
                   .healthy);
    return 0;
}
