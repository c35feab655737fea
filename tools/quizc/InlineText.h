#pragma once

#include <QString>

// Question text to HTML: everything is escaped except the inline tags the
// quiz format allows (<b> <i> <u> <sub> <sup> and <br>).
class InlineText
{
public:
    // Empty when the tags are balanced; otherwise what is wrong with them.
    static QString checkTags(const QString &text);
    static QString toHtml(const QString &text);
    // The text as read: the allowed tags dropped, <br> as a space.
    static QString plainText(const QString &text);
};
