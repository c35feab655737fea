#include "PageHtml.h"

#include "InlineText.h"
#include "PageArchive.h"

using namespace Quiz;

namespace {

// Made for pupils of 9 to 12: a plain sans-serif at a comfortable size,
// loose lines, and room at the top where the paper window lays its question
// title bar over the page.
const char kStyle[] = R"(html { background: #ffffff; }
body { margin: 0; padding: 44px 32px 36px 32px; color: #1e2b3a;
  font-family: "DejaVu Sans", Verdana, "Liberation Sans", Arial, Helvetica, sans-serif;
  font-size: 19px; line-height: 1.6; }
.question { max-width: 46em; }
p { margin: 0 0 0.75em 0; }
figure { margin: 1em 0 1.1em 0; text-align: center; }
figure img { max-width: 100%; height: auto; }
table { border-collapse: collapse; margin: 0.6em auto 1.1em auto; max-width: 100%; }
th, td { border: 1px solid #9fb8d6; padding: 0.35em 0.9em; text-align: left; vertical-align: top; }
th { background: #dfeaf8; color: #16385f; font-weight: bold; }
tr:nth-child(even) td { background: #f4f8fd; }
.part { display: flex; margin: 0.9em 0 0 0; }
.body > :last-child { margin-bottom: 0; }
.label { flex: none; min-width: 2.8em; padding-right: 0.5em; font-weight: bold; color: #1f5fae; white-space: nowrap; }
.body { flex: 1 1 auto; min-width: 0; }
sub, sup { line-height: 0; }
)";

QString blocksHtml(const QList<Block> &blocks, int id)
{
    QString out;
    for (const Block &b : blocks) {
        switch (b.type) {
        case Block::Paragraph:
            out += QStringLiteral("<p>") + InlineText::toHtml(b.text) + QStringLiteral("</p>\n");
            break;
        case Block::Picture:
            out += QStringLiteral("<figure><img src=\"") + PageArchive::pictureLocation(id, b.picture) +
                   QStringLiteral("\" alt=\"Diagram\"></figure>\n");
            break;
        case Block::Table: {
            out += QStringLiteral("<table>\n");
            for (int r = 0; r < b.rows.size(); ++r) {
                const QString cell = r == 0 ? QStringLiteral("th") : QStringLiteral("td");
                out += QStringLiteral("<tr>");
                for (const QString &c : b.rows[r])
                    out += QLatin1Char('<') + cell + QLatin1Char('>') + InlineText::toHtml(c) +
                           QStringLiteral("</") + cell + QLatin1Char('>');
                out += QStringLiteral("</tr>\n");
            }
            out += QStringLiteral("</table>\n");
            break;
        }
        }
    }
    return out;
}

// The options of a multiple-choice question, each a link the view catches:
// a click chooses it. The chosen one is drawn through the page's fragment,
// "#choice-N", which targets the mark before option N's link; marks are
// fixed in place, so targeting one never scrolls the page. Only these pages
// carry these rules.
const char kOptionsStyle[] = R"(ol.options { list-style: none; margin: 0.9em 0 0 0; padding: 0; }
ol.options li { margin: 0 0 0.5em 0; max-width: 36em; }
ol.options li > span { position: fixed; }
ol.options a { display: flex; padding: 0.3em 0.7em; color: inherit; text-decoration: none;
  background: #f3f7fc; border: 2px solid #dbe6f3; border-radius: 8px; -webkit-user-drag: none; }
ol.options a:hover { background: #e3eefb; border-color: #8fb3e3; }
ol.options a:focus-visible { outline: 3px solid #f08c00; outline-offset: 2px; }
ol.options :target + a { background: #ffe9a6; border-color: #d98e04; }
.num { flex: none; width: 2.8em; font-weight: bold; color: #1f5fae; }
:target + a .num { color: #9a5a00; }
)";

QString optionsHtml(const QStringList &options)
{
    QString out = QStringLiteral("<ol class=\"options\">\n");
    for (int i = 0; i < options.size(); ++i)
        out += QStringLiteral("<li><span id=\"choice-%1\"></span><a href=\"#choice-%1\">"
                              "<span class=\"num\">(%1)</span><span>")
                   .arg(i + 1)
               + InlineText::toHtml(options[i]) + QStringLiteral("</span></a></li>\n");
    return out + QStringLiteral("</ol>\n");
}

} // namespace

QString PageHtml::slotLabel(int slot)
{
    // Slots beyond "z" cannot occur: a question has at most 20.
    return QStringLiteral("(") + QChar(u'a' + (slot - 1)) + QStringLiteral(")");
}

QString PageHtml::partLabel(int firstSlot, int slotCount)
{
    QStringList labels;
    for (int k = 0; k < slotCount; ++k)
        labels.append(slotLabel(firstSlot + k));
    return labels.join(QStringLiteral(", "));
}

QString PageHtml::build(const Question &q, int id)
{
    QString html = QStringLiteral("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
                                  "<title>Question %1</title>\n<style>\n")
                       .arg(id);
    html += QString::fromUtf8(kStyle);
    if (q.multipleChoice)
        html += QString::fromUtf8(kOptionsStyle);
    html += QStringLiteral("</style>\n</head>\n<body>\n<div class=\"question\">\n");
    html += blocksHtml(q.stem, id);
    if (q.multipleChoice) {
        html += optionsHtml(q.options);
    } else {
        // The answer sheet shows no letter for a question of one slot.
        const bool lettered = slotCountOf(q) > 1;
        int slot = 1;
        for (const Part &part : q.parts) {
            const int n = slotCountOf(part);
            html += QStringLiteral("<div class=\"part\">");
            if (lettered)
                html += QStringLiteral("<div class=\"label\">") + partLabel(slot, n) + QStringLiteral("</div>");
            html += QStringLiteral("<div class=\"body\">\n") + blocksHtml(part.blocks, id) +
                    QStringLiteral("</div></div>\n");
            slot += n;
        }
    }
    html += QStringLiteral("</div>\n</body>\n</html>\n");
    return html;
}
