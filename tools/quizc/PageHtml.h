#pragma once

#include "QuizModel.h"

#include <QString>

// The HTML of one question page. Pictures are referenced by the location
// of their part in the page archive (PageArchive::pictureLocation).
class PageHtml
{
public:
    static QString build(const Quiz::Question &question, int id);
    // "(a)" for slot 1, "(b)" for slot 2, ...
    static QString slotLabel(int slot);
    // The labels of a part's slots: "(c)" or "(c), (d)".
    static QString partLabel(int firstSlot, int slotCount);
};
