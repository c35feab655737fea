#include "PaperHandover.h"

namespace {

int number(const QString &text)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    return ok ? v : 0;
}

} // namespace

QString PaperHandover::caption() const
{
    return topicName + QStringLiteral(" - Paper ") + QString::number(numberInTopic());
}

bool PaperHandover::isValid() const
{
    return module >= 1 && module <= 3 && paperCount >= 1 && paperCount <= 50 && paper() >= 1
           && paper() <= paperCount;
}

PaperHandover PaperHandover::read(const std::function<QString(const QString &)> &field)
{
    PaperHandover h;
    h.paperKey = number(field(QStringLiteral("PaperNum")));
    h.secondAttempt = field(QStringLiteral("TakeNum")).trimmed() != QLatin1String("1");
    h.topicFirstPaper = number(field(QStringLiteral("TopicCount")));
    h.topicName = field(QStringLiteral("SubH1"));
    h.module = number(field(QStringLiteral("LChose")));
    h.code = field(QStringLiteral("lblCOD")).trimmed();
    h.paperCount = number(field(QStringLiteral("TtPapersCon")));
    return h;
}
