#pragma once

#include <QString>

// What the Home panel decides from the stored scores. Topic k (1..10) owns
// papers 5k - 4 .. 5k; the main window's TopicCount holds 5k - 4.
namespace HomeRules
{

int FirstPaperOfTopic(int topic);
// The topic whose first paper is `firstPaper` (1, 6, .. 46), else 0.
int TopicOfFirstPaper(int firstPaper);
// Paper key of row `offset` (0..4) of the topic starting at `firstPaper`.
int PaperKey(int firstPaper, int offset);

// A second attempt is offered once the first score exists and is not above
// 99; a text that is no number counts as 0.
bool OffersTryAgain(const QString &firstScore);

} // namespace HomeRules
