#include "FuzzBed.h"
#include "MarkedAttempt.h"
#include "Marking.h"
#include "Score.h"
#include "TextCodec.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

// The marking helpers on any slots: lines of answer, key, kind and value
// separated by tabs. Every result is a tick, a cross or nothing; a score is
// a percentage from 0 to 100.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace Module1;
    const QString text = TextCodec::fromCp1252(QByteArray(reinterpret_cast<const char *>(data),
                                                          qsizetype(size)));
    QStringList answers, keys, kinds, values;
    for (const QString &slot : text.split(QLatin1Char('\n')).mid(0, 80)) {
        const QStringList fields = slot.split(QLatin1Char('\t'));
        answers << fields.value(0);
        keys << fields.value(1);
        kinds << fields.value(2);
        values << fields.value(3);
    }
    const auto isMark = [](const QString &r) {
        return r.isEmpty() || r == CorrectMark || r == WrongMark;
    };
    for (int i = 1; i <= keys.size(); ++i) {
        FUZZ_CHECK(isMark(MarkAnswer(answers.at(i - 1), keys.at(i - 1), kinds.at(i - 1))));
        FUZZ_CHECK(isMark(MarkGroupAnswer(answers, keys, kinds, i)));
        GroupModelAnswer(answers, keys, kinds, i);
        ModelAnswer(answers, keys, kinds, i);
    }

    // The first attempt: every other slot was right.
    FirstAttempt first;
    for (int i = 0; i < keys.size(); ++i) {
        first.answers << answers.at(keys.size() - 1 - i);
        first.results << (i % 2 ? CorrectMark : WrongMark);
    }
    for (const FirstAttempt &f : {FirstAttempt(), first}) {
        const MarkedAttempt marked = MarkAttempt(answers, keys, kinds, values, f);
        FUZZ_CHECK(marked.results.size() == keys.size());
        FUZZ_CHECK(marked.earned >= 0 && marked.earned <= marked.total);
        FUZZ_CHECK(marked.percent.isEmpty() == !marked.hasPercent());
        double score = -1;
        if (marked.hasPercent())
            FUZZ_CHECK(Score::ParseScore(marked.percent, &score) && score >= 0 && score <= 100);
        HasUnansweredSlot(answers, int(keys.size()), f);
    }

    for (const QString &t : {answers.value(0), keys.value(0), values.value(0)}) {
        double v = -1;
        if (Score::ParseScore(t, &v))
            FUZZ_CHECK(v >= 0 && v <= 100);
        if (ParseTypedNumber(t, &v))
            Score::OneDecimalText(v);
    }
    qint64 raw[3] = {};
    std::memcpy(raw, data, std::min(size, sizeof raw));
    Score::PercentText(raw[0], raw[1]);
    Score::TimeTakenText(raw[2]);
    return 0;
}
