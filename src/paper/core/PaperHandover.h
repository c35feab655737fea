#pragma once

#include <QString>

#include <functional>

// What the main window hands a paper window in its hidden fields, read as
// text and parsed once.
struct PaperHandover {
    int paperKey = 0;            // PaperNum: 100 + paper number
    bool secondAttempt = false;  // TakeNum other than "1"
    int topicFirstPaper = 0;     // TopicCount
    QString topicName;           // SubH1
    int module = 0;              // LChose
    QString code;                // lblCOD
    int paperCount = 0;          // TtPapersCon

    int paper() const { return paperKey - 100; }
    // The paper's number within its topic, 1 for the topic's first paper.
    int numberInTopic() const { return paper() - topicFirstPaper + 1; }
    // "<topic> - Paper <n>"
    QString caption() const;
    // A module 1..3 and a paper within its paper count.
    bool isValid() const;

    // `field` gives the text of a hidden field by its name.
    static PaperHandover read(const std::function<QString(const QString &)> &field);
};
